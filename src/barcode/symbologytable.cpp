#include "symbologytable.h"

namespace
{
// Code 39, Code 93 and plain Code 128 have no GS1 minimum: 0.191 mm (7.5 mil) is the smallest module
// their standards' application guidance names, and the one we use for all three. A QR code takes the
// minimum of GS1 QR Code.
const char *const gs1 = "GS1 General Specifications";
const char *const gs1EanUpcMinimum = "GS1 General Specifications, EAN/UPC symbol sizes at 80 % magnification";
const char *const gs1QrMinimum = "GS1 General Specifications, GS1 QR Code symbol sizes";

const symbologyRow rows[] = {
    {scanSymbology::ean13, "EAN-13", 11, 7, gs1, 0.264, gs1EanUpcMinimum, true},
    {scanSymbology::ean8, "EAN-8", 7, 7, gs1, 0.264, gs1EanUpcMinimum, true},
    {scanSymbology::code39, "Code 39", 10, 10, "ISO/IEC 16388", 0.191, "ISO/IEC 16388 application guidance",
     false},
    {scanSymbology::code93, "Code 93", 10, 10, "AIM USS-93", 0.191, "as Code 39 (no GS1 minimum)", false},
    {scanSymbology::upcA, "UPC-A", 9, 9, gs1, 0.264, gs1EanUpcMinimum, true},
    {scanSymbology::upcE, "UPC-E", 9, 7, gs1, 0.264, gs1EanUpcMinimum, true},
    {scanSymbology::code128, "Code 128", 10, 10, "ISO/IEC 15417", 0.191, "as Code 39 (no GS1 minimum)",
     false},
    {scanSymbology::qrCode, "QR Code", 4, 4, "ISO/IEC 18004", 0.396, gs1QrMinimum, false},
};
static_assert(sizeof(rows) / sizeof(rows[0]) == int(scanSymbology::qrCode) + 1, "one row per symbology");
} // namespace

const symbologyRow &symbologyRowFor(scanSymbology symbology)
{
    return rows[int(symbology)];
}

symbolBars symbolBarsOf(const barcodeSymbol &symbol)
{
    symbolBars bars;
    const int d = symbol.options.d;
    bars.modules = d > 0 ? symbol.size.width() / d : 0;
    bars.first = bars.modules;
    for (const barcodeRun &run : symbol.runs) {
        if (!run.dark || run.count <= 0)
            continue;
        bars.first = qMin(bars.first, run.module);
        bars.end = qMax(bars.end, run.module + run.count);
        bars.height = qMax(bars.height, run.height);
    }
    if (bars.isEmpty())
        bars.first = bars.end = 0;
    return bars;
}
