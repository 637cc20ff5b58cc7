// Scan verification against drawing: for each symbology at the item's defaults, the time to draw the
// picture (what every edit already costs) beside the time to read it back as the panel does, and the
// same for the default QR code. Verification runs after the picture is shown; these numbers say how much
// later the verdict appears. verifyVsZxing reads varied contents both ways in each iteration and prints
// the ratio of our verdict to zxing-cpp reading the same picture on paper with the same format hint.
#define ZX_USE_UTF8
#include "diagrambaritem.h"
#include "diagramqrcodeitem.h"
#include "eanupc.h"
#include "pairedtimes.h"
#include "symbologytable.h"
#include "symbolverdict.h"

#include <QApplication>
#include <QPainter>
#include <ZXing/ReadBarcode.h>
#include <benchmark/benchmark.h>
#include <vector>

namespace
{
const char *const contents[barcodeModeCount] = {"6901234567892", "6901234", "6901234567892", "6901234567892",
                                                "69012345678",   "0123456", "6901234567892"};
// The QR code is benchmarked after the barcode modes.
constexpr int qrMode = barcodeModeCount;

const char *nameOf(int mode)
{
    return symbologyRowFor(scanSymbologyForMode(mode)).name;
}

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
    state.SetLabel(nameOf(int(state.range(0))));
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
    state.SetLabel(nameOf(int(state.range(0))));
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

// Contents per symbology (QR last), varied so that no picture is read twice in a row.
QStringList variedContents(int mode)
{
    QStringList list;
    for (int i = 0; i < 16; ++i) {
        const QString digits = QStringLiteral("%1").arg(690123456 + i * 7919, 12, 10, QLatin1Char('0'));
        switch (mode) {
        case 1:
        case 5:
            list << digits.right(7);
            break;
        case 2:
        case 3:
            list << QStringLiteral("LOT-%1").arg(i * 37);
            break;
        case 6:
            list << QStringLiteral("Lot %1/B").arg(i * 37);
            break;
        case qrMode:
            list << QStringLiteral("https://example.com/p/%1").arg(i * 104729);
            break;
        case 4:
            list << digits.right(11);
            break;
        default: // EAN-13 with its check digit, as operators type it
            list << digits + QLatin1Char(eanUpcCheckDigit(digits.toLatin1()));
        }
    }
    return list;
}

// The anchor: the picture on white paper with a quiet zone, read by zxing-cpp with the format hint.
bool zxingReads(const QImage &picture, int mode, int quietZone)
{
    QImage paper(picture.width() + 2 * quietZone, picture.height() + 2 * quietZone,
                 QImage::Format_Grayscale8);
    paper.fill(Qt::white);
    QPainter painter(&paper);
    painter.drawImage(quietZone, quietZone, picture);
    painter.end();
    ZXing::DecodeHints hints;
    hints.setFormats(ZXing::BarcodeFormatFromString(symbologyRowFor(scanSymbologyForMode(mode)).scanFormat));
    const ZXing::ImageView view(paper.constBits(), paper.width(), paper.height(), ZXing::ImageFormat::Lum,
                                int(paper.bytesPerLine()));
    return ZXing::ReadBarcode(view, hints).isValid();
}

struct symbolPicture {
    int mode = 0;
    QString content;
    barcodeSymbol symbol;
    QImage picture;
    int moduleSize = 0;
};

std::vector<symbolPicture> picturesFor(int mode)
{
    std::vector<symbolPicture> pictures;
    for (const QString &content : variedContents(mode)) {
        symbolPicture p;
        p.mode = mode;
        p.content = content;
        if (mode == qrMode) {
            qrCodeRecord record;
            record.content = content;
            p.picture = diagramQRCodeItem::createQRPixmap(record).toImage();
            p.moduleSize = record.scale;
        } else {
            diagramBarItem &item = itemFor(mode);
            item.content = content;
            p.symbol = item.symbol(content);
            p.picture = diagramBarItem::createBarcodePixmap(&item, content).toImage();
            p.moduleSize = item.lineWidth;
        }
        pictures.push_back(std::move(p));
    }
    return pictures;
}

void verifyVsZxing(benchmark::State &state)
{
    const int mode = int(state.range(0));
    const std::vector<symbolPicture> pictures = picturesFor(mode);
    std::vector<symbolVerdict> kept; // the verdicts stay, as a panel keeps its item's
    kept.reserve(pictures.size());
    pairedTimes times;
    for (auto _ : state) {
        const symbolPicture &p = pictures[size_t(times.iteration) % pictures.size()];
        if (kept.size() == pictures.size())
            kept.clear();
        auto start = std::chrono::steady_clock::now();
        kept.push_back(mode == qrMode ? verifyQrCode(p.picture, p.moduleSize, false, p.content)
                                      : verifyBarcode(p.mode, p.content, p.symbol, p.picture));
        const double spent = secondsSince(start);
        start = std::chrono::steady_clock::now();
        const bool read = zxingReads(p.picture, mode, 12 * p.moduleSize);
        const double anchorSpent = secondsSince(start);
        if (!kept.back().readable || !read)
            state.SkipWithError("a picture did not read");
        times.add(state, spent, anchorSpent);
    }
    times.report(state, "vs_zxing", 1e6, "us");
    state.SetLabel(mode == qrMode ? "QR" : nameOf(mode));
}
} // namespace

BENCHMARK(drawBarcode)->DenseRange(0, barcodeModeCount - 1)->Unit(benchmark::kMicrosecond);
BENCHMARK(verifyBarcodePicture)->DenseRange(0, barcodeModeCount - 1)->Unit(benchmark::kMicrosecond);
BENCHMARK(drawQrCode)->Unit(benchmark::kMicrosecond);
BENCHMARK(verifyQrPicture)->Unit(benchmark::kMicrosecond);
BENCHMARK(verifyVsZxing)
    ->DenseRange(0, qrMode)
    ->UseManualTime()
    ->Iterations(400)
    ->Unit(benchmark::kMicrosecond);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
