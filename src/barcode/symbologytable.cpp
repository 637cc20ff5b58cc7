#include "symbologytable.h"

const symbologyRow &barcodeSymbology(int mode)
{
    return barcodeSymbologies[isBarcodeMode(mode) ? mode : 0];
}

int barcodeModeNamed(const QString &cliName)
{
    for (const symbologyRow &row : barcodeSymbologies) {
        if (cliName.compare(QLatin1String(row.cliName), Qt::CaseInsensitive) == 0)
            return row.mode;
    }
    return -1;
}

scanSymbology scanSymbologyForMode(int mode)
{
    return isBarcodeMode(mode) ? static_cast<scanSymbology>(mode) : scanSymbology::qrCode;
}

const symbologyRow &symbologyRowFor(scanSymbology symbology)
{
    const int mode = static_cast<int>(symbology);
    return isBarcodeMode(mode) ? barcodeSymbologies[mode] : qrSymbology;
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
