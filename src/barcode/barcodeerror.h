#pragma once
#include <QString>

// The translated message for a refusal code (context "QObject").
QString barcodeErrorMessage(quint8 code);
