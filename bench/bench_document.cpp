// Saving and reading designs of 1,000 and 10,000 mixed items. Goals: 10,000 items saved in under
// 100 ms and read in under 1 s, the cost growing linearly with the item count. Each prints its ratio
// against writing (QSaveFile) or reading (QFile) the same bytes in the same iteration.
#include "barcodeerror.h"
#include "diagrambaritem.h"
#include "diagramcntitem.h"
#include "diagramimageitem.h"
#include "diagramqrcodeitem.h"
#include "diagramtextitem.h"
#include "diagramtimeitem.h"
#include "pairedtimes.h"
#include "sprdocument.h"

#include <QApplication>
#include <QGraphicsScene>
#include <QImage>
#include <QLoggingCategory>
#include <QSaveFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

namespace
{

QTemporaryDir &workDir()
{
    static QTemporaryDir dir;
    return dir;
}

// One logo beside the documents, as a design's pictures are.
QString logoPath()
{
    const QString path = workDir().filePath(QStringLiteral("logo.bmp"));
    if (!QFile::exists(path)) {
        QImage logo(200, 80, QImage::Format_RGB32);
        logo.fill(Qt::white);
        for (int x = 0; x < 200; x += 3)
            for (int y = 0; y < 80; ++y)
                logo.setPixel(x, y, qRgb(0, 0, 0));
        logo.save(path, "BMP");
    }
    return path;
}

template <typename T> T *textFamily(T *item, const QString &text)
{
    item->setFont(item->itemFont);
    item->setPlainText(text);
    return item;
}

QGraphicsItem *mixedItem(int i)
{
    switch (i % 6) {
    case 0: {
        auto *text = new diagramTextItem;
        text->content = QStringLiteral("Lot %1 = A").arg(i);
        return textFamily(text, text->content);
    }
    case 1: {
        auto *counter = new diagramCntItem;
        return textFamily(counter, counter->counterText(0));
    }
    case 2: {
        auto *time = new diagramTimeItem;
        return textFamily(time, time->timeText(time->dateTime, time->valid));
    }
    case 3: {
        auto *bar = new diagramBarItem;
        bar->mode = (i / 6) % 7 == 6 ? 6 : 0;
        bar->content = QStringLiteral("69012345%1").arg(i % 100000, 5, 10, QLatin1Char('0'));
        bar->regenerate();
        return bar;
    }
    case 4: {
        auto *qr = new diagramQRCodeItem;
        qr->content = QStringLiteral("https://example.com/lot/%1").arg(i);
        qr->scale = 4;
        qr->regenerate();
        return qr;
    }
    default: {
        auto *image = new diagramImageItem;
        image->setPictureFile(logoPath());
        return image;
    }
    }
}

// Designs differ per variant in their contents and places, so no iteration reads what the last one did.
std::unique_ptr<QGraphicsScene> mixedDesign(int count, int variant = 0)
{
    auto scene = std::make_unique<QGraphicsScene>();
    setUpDesignScene(*scene);
    for (int i = 0; i < count; ++i) {
        QGraphicsItem *item = mixedItem(i + variant * 7);
        item->setPos((i * 37 + variant * 11) % 79000, (i * 7 + variant) % 77);
        scene->addItem(item);
    }
    return scene;
}

constexpr int variants = 3;

// The anchor: the same bytes written through the same checked path (QSaveFile), with nothing to compose.
bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

void saveDesign(benchmark::State &state)
{
    const int count = int(state.range(0));
    std::vector<std::unique_ptr<QGraphicsScene>> designs;
    std::vector<QByteArray> bytes;
    for (int v = 0; v < variants; ++v) {
        designs.push_back(mixedDesign(count, v));
        bytes.push_back(sprFileBytes(*designs.back()));
    }
    const QString path = workDir().filePath(QStringLiteral("save.spr"));
    const QString anchorPath = workDir().filePath(QStringLiteral("anchor.spr"));
    pairedTimes times;
    for (auto _ : state) {
        const int v = times.iteration % variants;
        auto start = std::chrono::steady_clock::now();
        if (!saveSprFile(path, *designs[size_t(v)]))
            state.SkipWithError("save failed");
        const double save = secondsSince(start);
        start = std::chrono::steady_clock::now();
        if (!writeBytes(anchorPath, bytes[size_t(v)]))
            state.SkipWithError("anchor write failed");
        times.add(state, save, secondsSince(start));
    }
    times.report(state, "vs_qsavefile");
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void loadDesign(benchmark::State &state)
{
    const int count = int(state.range(0));
    QStringList paths;
    for (int v = 0; v < variants; ++v) {
        paths << workDir().filePath(QStringLiteral("load%1-%2.spr").arg(count).arg(v));
        saveSprFile(paths.last(), *mixedDesign(count, v));
    }
    pairedTimes times;
    for (auto _ : state) {
        const QString &path = paths.at(times.iteration % variants);
        // The scene stays alive until the iteration's result is taken, as an open document does.
        QGraphicsScene scene;
        setUpDesignScene(scene);
        auto start = std::chrono::steady_clock::now();
        if (!loadSprFile(path, scene))
            state.SkipWithError("load failed");
        const double load = secondsSince(start);
        start = std::chrono::steady_clock::now();
        QFile file(path);
        QByteArray data;
        if (file.open(QIODevice::ReadOnly))
            data = file.readAll();
        benchmark::DoNotOptimize(data);
        times.add(state, load, secondsSince(start));
        scene.clear();
    }
    times.report(state, "vs_qfile_read");
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

} // namespace

BENCHMARK(saveDesign)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(12);
BENCHMARK(loadDesign)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(12);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("spr.document.debug=false"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
