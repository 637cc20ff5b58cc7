#pragma once
#include <QString>
#include <functional>

// Encoders report refused content through showBarcodeFormatError; what that does is a replaceable
// handler (the window installs the operator's warning box, sprtool prints, tests record).
using barcodeErrorHandler = std::function<void(quint8 code)>;
barcodeErrorHandler setBarcodeErrorHandler(barcodeErrorHandler handler);
void showBarcodeFormatError(quint8 code);
// The translated message for a code (context "QObject").
QString barcodeErrorMessage(quint8 code);
