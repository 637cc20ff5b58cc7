#pragma once
// The encoders by symbology index (a barcode item's mode), as the symbology table lists them. They only
// encode: nothing is painted or shown.
#include "barcodesymbol.h"
#include "symbologytable.h"

// The encoder of a mode, or nullptr outside the table.
barcodeEncoder barcodeEncoderForMode(int mode);
// The symbol of content in a mode; outside the table an empty symbol without refusal.
barcodeSymbol encodeBarcode(int mode, const barcodeOptions &options, const QString &content);
