#pragma once
// The seven encoders by symbology index (a barcode item's mode): 0 EAN-13, 1 EAN-8, 2 Code 39,
// 3 Code 93, 4 UPC-A, 5 UPC-E, 6 Code 128. They only encode: nothing is painted or shown.
#include "barcodesymbol.h"

using barcodeEncoder = barcodeSymbol (*)(const barcodeOptions &options, const QString &content);

constexpr int barcodeModeCount = 7;
// The encoder of a mode, or nullptr outside 0 to 6.
barcodeEncoder barcodeEncoderForMode(int mode);
// The symbol of content in a mode; outside 0 to 6 an empty symbol without refusal.
barcodeSymbol encodeBarcode(int mode, const barcodeOptions &options, const QString &content);
