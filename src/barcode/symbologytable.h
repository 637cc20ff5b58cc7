#pragma once
// One row per symbology with the numbers that decide whether a printed symbol can be read: the quiet
// zones the standards ask for and the smallest module they allow. Rows are indexed like
// scanSymbology: the barcode modes 0 to 6, then the QR code.
#include "barcodesymbol.h"
#include "symbolscan.h"

struct symbologyRow {
    scanSymbology symbology;
    const char *name;
    // Blank paper before the first bar and after the last one, in modules (a QR code: every side).
    int quietLeft;
    int quietRight;
    const char *quietSource;
    // The smallest module (X-dimension) in millimetres, and where the number comes from.
    double minXMm;
    const char *minXSource;
    // The encoder's picture already holds blank modules beside the bars (EAN and UPC); only what is
    // really blank counts toward the quiet zone.
    bool pictureHasQuietZone;
};

const symbologyRow &symbologyRowFor(scanSymbology symbology);

// Where a linear symbol's ink lies across its picture, in modules: its first dark module, the module
// after its last one, the picture's width, and the tallest bar in pixels. Empty without dark modules.
struct symbolBars {
    int first = 0;
    int end = 0;
    int modules = 0;
    int height = 0;
    bool isEmpty() const { return end <= first; }
    int blankLeft() const { return first; }
    int blankRight() const { return modules - end; }
};
symbolBars symbolBarsOf(const barcodeSymbol &symbol);
