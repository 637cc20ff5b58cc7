// Saving and reading designs of 1,000 and 10,000 mixed items. Goals: 10,000 items saved in under
// 100 ms and read in under 1 s, the cost growing linearly with the item count.
#include "barcodeerror.h"
#include "diagrambaritem.h"
#include "diagramcntitem.h"
#include "diagramimageitem.h"
#include "diagramqrcodeitem.h"
#include "diagramtextitem.h"
#include "diagramtimeitem.h"
#include "sprdocument.h"

#include <QApplication>
#include <QGraphicsScene>
#include <QImage>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>

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

std::unique_ptr<QGraphicsScene> mixedDesign(int count)
{
    auto scene = std::make_unique<QGraphicsScene>();
    setUpDesignScene(*scene);
    for (int i = 0; i < count; ++i) {
        QGraphicsItem *item = mixedItem(i);
        item->setPos((i * 37) % 79000, (i * 7) % 77);
        scene->addItem(item);
    }
    return scene;
}

void saveDesign(benchmark::State &state)
{
    const auto scene = mixedDesign(int(state.range(0)));
    const QString path = workDir().filePath(QStringLiteral("save.spr"));
    for (auto _ : state) {
        if (!saveSprFile(path, *scene))
            state.SkipWithError("save failed");
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void loadDesign(benchmark::State &state)
{
    const QString path = workDir().filePath(QStringLiteral("load%1.spr").arg(state.range(0)));
    saveSprFile(path, *mixedDesign(int(state.range(0))));
    for (auto _ : state) {
        QGraphicsScene scene;
        setUpDesignScene(scene);
        if (!loadSprFile(path, scene))
            state.SkipWithError("load failed");
        state.PauseTiming(); // the scene's destruction is not part of reading
        scene.clear();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

} // namespace

BENCHMARK(saveDesign)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(loadDesign)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("spr.document.debug=false"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
