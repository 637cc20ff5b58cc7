#pragma once
// Code 128, always in code set B: one symbol character per content character, no set switching.
#include "barcodesymbol.h"
#include <QString>
#include <vector>

barcodeSymbol encodeCode128(const barcodeOptions &options, const QString &content);

// Modulo-103 check value of the code set B data values after the start B character.
int code128CheckValue(const std::vector<int> &values);
