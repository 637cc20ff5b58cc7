// QR picture generation at a new item's defaults, beside libzint drawing the same symbol at the same
// module size and libqrencode's encoding alone. The picture floor is what any 273 x 273 opaque picture
// costs to allocate, fill and hand to the toolkit.
#include "diagramqrcodeitem.h"

#include <QApplication>
#include <QImage>
#include <benchmark/benchmark.h>
#include <qrencode.h>
#include <zint.h>

namespace
{

const char defaultContent[] = "TALMOR_K3";

void createQRPixmapAtDefaults(benchmark::State &state)
{
    const qrCodeRecord record;
    for (auto _ : state) {
        QPixmap picture = diagramQRCodeItem::createQRPixmap(record);
        benchmark::DoNotOptimize(picture);
    }
}

void createQRPixmapConverse(benchmark::State &state)
{
    qrCodeRecord record;
    record.converse = true;
    for (auto _ : state) {
        QPixmap picture = diagramQRCodeItem::createQRPixmap(record);
        benchmark::DoNotOptimize(picture);
    }
}

void zintSameSymbol(benchmark::State &state)
{
    for (auto _ : state) {
        zint_symbol *symbol = ZBarcode_Create();
        symbol->symbology = BARCODE_QRCODE;
        symbol->option_1 = 3; // level Q
        symbol->option_2 = 1; // version 1
        symbol->scale = 6.5f; // zint draws 2 pixels per module at scale 1: 13-pixel modules
        const int error =
            ZBarcode_Encode_and_Buffer(symbol, reinterpret_cast<const unsigned char *>(defaultContent),
                                       int(sizeof defaultContent - 1), 0);
        if (error >= ZINT_ERROR || symbol->bitmap_width != 273)
            state.SkipWithError("zint did not draw the 273-pixel symbol");
        benchmark::DoNotOptimize(symbol->bitmap);
        ZBarcode_Delete(symbol);
    }
}

void qrencodeEncodingOnly(benchmark::State &state)
{
    for (auto _ : state) {
        QRcode *code = QRcode_encodeString(defaultContent, 1, QR_ECLEVEL_Q, QR_MODE_8, 1);
        benchmark::DoNotOptimize(code);
        QRcode_free(code);
    }
}

void pictureFloor(benchmark::State &state)
{
    for (auto _ : state) {
        QImage image(273, 273, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPixmap picture = QPixmap::fromImage(std::move(image));
        benchmark::DoNotOptimize(picture);
    }
}

} // namespace

BENCHMARK(createQRPixmapAtDefaults);
BENCHMARK(createQRPixmapConverse);
BENCHMARK(zintSameSymbol);
BENCHMARK(qrencodeEncodingOnly);
BENCHMARK(pictureFloor);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
