// Drawing a barcode item's picture for each symbology at the item's defaults, beside libzint encoding and
// rasterising the same symbol at the same module size, and beside a plain fill of an image of the same
// size (the memory floor).
#include "diagrambaritem.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <zint.h>

namespace
{
struct symbology {
    const char *name;
    int zintSymbology;
    const char *content;
};

// By mode. UPC-E needs number system 0 for zint; the others use the item's default content.
const symbology symbologies[7] = {
    {"EAN-13", BARCODE_EANX, "6901234567892"},      {"EAN-8", BARCODE_EANX, "6901234"},
    {"Code39", BARCODE_CODE39, "6901234567892"},    {"Code93", BARCODE_CODE93, "6901234567892"},
    {"UPC-A", BARCODE_UPCA, "69012345678"},         {"UPC-E", BARCODE_UPCE, "0123456"},
    {"Code128", BARCODE_CODE128B, "6901234567892"},
};

diagramBarItem &itemFor(int mode)
{
    static diagramBarItem item;
    item.mode = mode;
    item.content = QString::fromLatin1(symbologies[mode].content);
    return item;
}

void ownEncoder(benchmark::State &state)
{
    const diagramBarItem &item = itemFor(int(state.range(0)));
    for (auto _ : state) {
        QPixmap picture = diagramBarItem::createBarcodePixmap(&item, item.content);
        benchmark::DoNotOptimize(picture);
    }
    state.SetLabel(symbologies[state.range(0)].name);
}

void zintEncoder(benchmark::State &state)
{
    const symbology &s = symbologies[state.range(0)];
    const diagramBarItem &item = itemFor(int(state.range(0)));
    const QByteArray data = item.content.toLatin1();
    for (auto _ : state) {
        zint_symbol *symbol = ZBarcode_Create();
        symbol->symbology = s.zintSymbology;
        symbol->scale = item.lineWidth / 2.0f; // zint rasters 2 pixels per module at scale 1
        symbol->height = float(item.lineHeight) / item.lineWidth;
        ZBarcode_Encode_and_Buffer(symbol, reinterpret_cast<const unsigned char *>(data.constData()),
                                   data.size(), 0);
        benchmark::DoNotOptimize(symbol->bitmap);
        ZBarcode_Delete(symbol);
    }
    state.SetLabel(s.name);
}

void plainFill(benchmark::State &state)
{
    const diagramBarItem &item = itemFor(int(state.range(0)));
    const QSize size = diagramBarItem::createBarcodePixmap(&item, item.content).size();
    for (auto _ : state) {
        QImage image(size, QImage::Format_ARGB32);
        image.fill(0x00FFFFFF);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetLabel(symbologies[state.range(0)].name);
}
} // namespace

BENCHMARK(ownEncoder)->DenseRange(0, 6);
BENCHMARK(zintEncoder)->DenseRange(0, 6);
BENCHMARK(plainFill)->DenseRange(0, 6);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
