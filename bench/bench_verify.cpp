// Scan verification against drawing: for each symbology at the item's defaults, the time to draw the
// picture (what every edit already costs) beside the time to read it back as the panel does, and the
// same for the default QR code. Verification runs after the picture is shown; these numbers say how much
// later the verdict appears.
#include "diagrambaritem.h"
#include "diagramqrcodeitem.h"
#include "symbolverdict.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace
{
const char *const contents[7] = {"6901234567892", "6901234", "6901234567892", "6901234567892",
                                 "69012345678",   "0123456", "6901234567892"};
const char *const names[7] = {"EAN-13", "EAN-8", "Code39", "Code93", "UPC-A", "UPC-E", "Code128"};

diagramBarItem &itemFor(int mode)
{
    static diagramBarItem item;
    item.mode = mode;
    item.content = QString::fromLatin1(contents[mode]);
    return item;
}

void drawBarcode(benchmark::State &state)
{
    const diagramBarItem &item = itemFor(int(state.range(0)));
    for (auto _ : state) {
        QPixmap picture = diagramBarItem::createBarcodePixmap(&item, item.content);
        benchmark::DoNotOptimize(picture);
    }
    state.SetLabel(names[state.range(0)]);
}

void verifyBarcodePicture(benchmark::State &state)
{
    const diagramBarItem &item = itemFor(int(state.range(0)));
    const barcodeSymbol symbol = item.symbol(item.content);
    const QImage picture = diagramBarItem::createBarcodePixmap(&item, item.content).toImage();
    for (auto _ : state) {
        symbolVerdict verdict = verifyBarcode(item.mode, item.content, symbol, picture);
        if (!verdict.readable)
            state.SkipWithError("unreadable");
        benchmark::DoNotOptimize(verdict);
    }
    state.SetLabel(names[state.range(0)]);
}

void drawQrCode(benchmark::State &state)
{
    const qrCodeRecord record;
    for (auto _ : state) {
        QPixmap picture = diagramQRCodeItem::createQRPixmap(record);
        benchmark::DoNotOptimize(picture);
    }
}

void verifyQrPicture(benchmark::State &state)
{
    const qrCodeRecord record;
    const QImage picture = diagramQRCodeItem::createQRPixmap(record).toImage();
    for (auto _ : state) {
        symbolVerdict verdict = verifyQrCode(picture, record.scale, record.converse, record.content);
        if (!verdict.readable)
            state.SkipWithError("unreadable");
        benchmark::DoNotOptimize(verdict);
    }
}
} // namespace

BENCHMARK(drawBarcode)->DenseRange(0, 6)->Unit(benchmark::kMicrosecond);
BENCHMARK(verifyBarcodePicture)->DenseRange(0, 6)->Unit(benchmark::kMicrosecond);
BENCHMARK(drawQrCode)->Unit(benchmark::kMicrosecond);
BENCHMARK(verifyQrPicture)->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
