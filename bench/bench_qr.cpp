// QR picture generation: varied contents against libqrencode's matrix painted into a plain picture (the
// anchor, timed in the same iterations, its ratio printed); at a new item's defaults, beside libzint
// drawing the same symbol at the same module size and libqrencode's encoding alone. The picture floor is
// what any 273 x 273 opaque picture costs to allocate, fill and hand to the toolkit.
#include "diagramqrcodeitem.h"
#include "pairedtimes.h"

#include <QApplication>
#include <QImage>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <qrencode.h>
#include <vector>
#include <zint.h>

namespace
{

const char defaultContent[] = "TALMOR_K3";

// Contents of the lengths operators use (a lot code, a serial URL, a GS1 Digital Link), varied per
// iteration so that no encoding is repeated back to back.
QStringList variedContents()
{
    QStringList contents;
    for (int i = 0; i < 64; ++i) {
        contents << QStringLiteral("LOT%1").arg(i * 7919, 6, 10, QLatin1Char('0'))
                 << QStringLiteral("https://example.com/p/%1").arg(i * 104729)
                 << QStringLiteral("https://id.gs1.org/01/09501101020917/10/AB%1/21/%2").arg(i).arg(i * 31);
    }
    return contents;
}

// The anchor: libqrencode's matrix painted module by module into an opaque picture of the same module
// size, the least any QR picture costs.
QPixmap qrencodeRaster(const QByteArray &content, int moduleSize)
{
    QRcode *code = QRcode_encodeString(content.constData(), 1, QR_ECLEVEL_Q, QR_MODE_8, 1);
    if (!code)
        return QPixmap();
    const int side = code->width * moduleSize;
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 0; y < code->width; ++y)
        for (int x = 0; x < code->width; ++x)
            if (code->data[y * code->width + x] & 1)
                for (int row = 0; row < moduleSize; ++row) {
                    auto *line = reinterpret_cast<QRgb *>(image.scanLine(y * moduleSize + row));
                    std::fill_n(line + x * moduleSize, moduleSize, qRgb(0, 0, 0));
                }
    QRcode_free(code);
    return QPixmap::fromImage(std::move(image));
}

// Every picture made is kept alive, as the items of a loaded design keep theirs; the ratio of our
// pictures to the anchor's, both timed in each iteration, is printed with the cold first iteration.
void variedContentVsQrencode(benchmark::State &state)
{
    const QStringList contents = variedContents();
    std::vector<QPixmap> kept, keptAnchor;
    kept.reserve(size_t(contents.size()));
    keptAnchor.reserve(size_t(contents.size()));
    pairedTimes times;
    for (auto _ : state) {
        if (kept.size() == size_t(contents.size())) {
            kept.clear();
            keptAnchor.clear();
        }
        qrCodeRecord record;
        record.content = contents.at(times.iteration % contents.size());
        record.scale = 13;
        auto start = std::chrono::steady_clock::now();
        kept.push_back(diagramQRCodeItem::createQRPixmap(record));
        const double spent = secondsSince(start);
        start = std::chrono::steady_clock::now();
        keptAnchor.push_back(qrencodeRaster(record.content.toUtf8(), record.scale));
        const double anchorSpent = secondsSince(start);
        times.add(state, spent, anchorSpent);
    }
    times.report(state, "vs_qrencode_raster", 1e6, "us");
}

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

BENCHMARK(variedContentVsQrencode)->UseManualTime()->Iterations(2000);

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
