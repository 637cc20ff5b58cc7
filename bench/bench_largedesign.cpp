// Large mixed designs as a user meets them: read into a scene, resaved, rendered to PNG, shown and
// selected on the canvas. Goals: 10,000 items read in 0.3 s CPU with at most 200 MiB peak, resaved in
// 0.3 s, rendered in at most twice the time a blank PNG of the same size takes to encode; 50,000 items
// cost at most 5.5 times as much as 10,000; a repaint of the visible canvas and a rubber band across it
// 30 ms each; sprtool info, which verifies every symbol where it is printed, at most 3 times the CPU of
// sprtool resave of the same design (check is printed beside it). Every benchmark varies the design per
// iteration, keeps what it built alive until the iteration's result is taken, reports the first (cold)
// iteration beside the others and prints its ratio against its goal or its floor measured in the same run.
//
// `bench_largedesign --write N FILE` writes a mixed design of N items to FILE (for sprtool by hand).
#include "benchprocess.h"
#include "designexport.h"
#include "mixeddesign.h"
#include "safewrite.h"
#include "sprdocument.h"
#include "sprtoolprocess.h"

#include <QApplication>
#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QHash>
#include <QImage>
#include <QImageWriter>
#include <QLoggingCategory>
#include <QPainter>
#include <QPainterPath>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <functional>
#include <memory>
#include <numeric>
#include <vector>

namespace
{

using namespace benchProcess;

std::unique_ptr<QGraphicsScene> readDesign(const QString &path)
{
    auto scene = std::make_unique<QGraphicsScene>();
    setUpDesignScene(*scene);
    if (!loadSprFile(path, *scene))
        return nullptr;
    return scene;
}

constexpr int variants = 4;

// The scenes of an iteration are destroyed outside the timing, as a loaded document stays open.
// The warm cost of 10,000 items per benchmark, for the growth ratio of the 50,000-item run after it.
QHash<QString, QPair<double, double>> &tenThousand()
{
    static QHash<QString, QPair<double, double>> costs;
    return costs;
}

// `untimed` runs after each step, outside the step's time: a floor measured in the same state.
template <typename Step>
void timedIterations(benchmark::State &state, const QString &name, int count, double goalSeconds, Step step,
                     const std::function<void()> &untimed = {})
{
    for (int v = 0; v < variants; ++v)
        designFile(count, v);
    resetPeak();
    int iteration = 0;
    double cold = 0, total = 0;
    for (auto _ : state) {
        const QString path = designFile(count, iteration % variants);
        const double start = cpuSeconds();
        std::unique_ptr<QGraphicsScene> kept = step(path);
        const double spent = cpuSeconds() - start;
        if (untimed)
            untimed();
        if (!kept) {
            state.SkipWithError("the design could not be read");
            return;
        }
        benchmark::DoNotOptimize(kept.get());
        (iteration == 0 ? cold : total) += spent;
        ++iteration;
        state.PauseTiming();
        kept.reset();
        state.ResumeTiming();
    }
    const double warm = iteration > 1 ? total / (iteration - 1) : cold;
    state.counters["cold_s"] = cold;
    state.counters["warm_s"] = warm;
    state.counters["peak_MiB"] = peakMiB();
    if (goalSeconds > 0)
        state.counters["vs_goal"] = warm / goalSeconds;
    if (count == 10000)
        tenThousand()[name] = {warm, peakMiB()};
    if (count == 50000 && tenThousand().contains(name)) {
        // Growth goal 5.5: a ratio of 1.0 here is exactly 5.5 times the 10,000-item cost.
        state.counters["growth"] = warm / tenThousand()[name].first;
        state.counters["growth_vs_goal"] = warm / tenThousand()[name].first / 5.5;
        state.counters["peak_growth"] = peakMiB() / tenThousand()[name].second;
    }
}

void readIntoScene(benchmark::State &state)
{
    const int count = int(state.range(0));
    timedIterations(state, QStringLiteral("read"), count, count == 10000 ? 0.3 : 0,
                    [](const QString &path) { return readDesign(path); });
}

void resave(benchmark::State &state)
{
    const int count = int(state.range(0));
    const QString out = workDir().filePath(QStringLiteral("resaved.spr"));
    timedIterations(state, QStringLiteral("resave"), count, count == 10000 ? 0.3 : 0,
                    [&](const QString &path) {
                        auto scene = readDesign(path);
                        if (scene && !saveSprFile(out, *scene))
                            scene.reset();
                        return scene;
                    });
}

// The design drawn and encoded as sprtool render does it (the page painted in tiles, stored as grey),
// against a blank RGBA picture of the same size encoded alone after each render by the toolkit's own
// writer: what writing the page as it is drawn would cost at least. Goal: 1.5 × the blank.
void renderToPng(benchmark::State &state)
{
    const int count = int(state.range(0));
    std::vector<double> blanks;
    double renderSeconds = 0;
    QSize lastPage;
    const QString out = workDir().filePath(QStringLiteral("render.png"));
    timedIterations(
        state, QStringLiteral("render"), count, 0,
        [&](const QString &path) {
            auto scene = readDesign(path);
            if (!scene)
                return scene;
            const double start = cpuSeconds();
            exportOptions options;
            const QByteArray bytes = exportDesignBytes(*scene, options);
            renderSeconds += cpuSeconds() - start;
            lastPage = exportPageRect(*scene).size().toSize();
            if (bytes.isEmpty() || !writeFileSafely(out, bytes))
                scene.reset();
            return scene;
        },
        [&] {
            // A blank page of the same size, encoded right after the render in the same state of the
            // process: how fast the encoder runs depends on what the process did before.
            QImage blank(lastPage, QImage::Format_ARGB32_Premultiplied);
            blank.fill(Qt::white);
            const double start = cpuSeconds();
            QByteArray bytes;
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            QImageWriter(&buffer, "PNG").write(blank);
            benchmark::DoNotOptimize(bytes.data());
            blanks.push_back(cpuSeconds() - start);
        });
    // Beside the warm renders, the blanks encoded after them.
    const double blankCost =
        blanks.size() > 1 ? std::accumulate(blanks.begin() + 1, blanks.end(), 0.0) / double(blanks.size() - 1)
                          : blanks.front();
    state.counters["blank_rgba_png_s"] = blankCost;
    state.counters["render_s"] = renderSeconds / state.iterations();
    // Reading the design included, as sprtool render does; and the drawing and encoding alone.
    state.counters["vs_blank"] = state.counters["warm_s"] / blankCost;
    state.counters["render_vs_blank"] = state.counters["render_s"] / blankCost;
    state.counters["vs_goal"] = state.counters["vs_blank"] / 1.5;
}

// The canvas at 1:1 over the start of the strip, as the window shows a design.
struct canvas {
    explicit canvas(int count, int variant)
    {
        scene = readDesign(designFile(count, variant));
        view = std::make_unique<QGraphicsView>(scene.get());
        view->resize(1200, 400);
        view->setDragMode(QGraphicsView::RubberBandDrag);
        view->show();
        view->centerOn(600 + 3000 * variant, 150);
    }
    std::unique_ptr<QGraphicsScene> scene;
    std::unique_ptr<QGraphicsView> view;
};

void canvasStep(benchmark::State &state, void (*step)(canvas &))
{
    const int count = int(state.range(0));
    std::vector<std::unique_ptr<canvas>> canvases;
    for (int v = 0; v < variants; ++v)
        canvases.push_back(std::make_unique<canvas>(count, v));
    int iteration = 0;
    double cold = 0, total = 0;
    double wall = 0;
    for (auto _ : state) {
        canvas &c = *canvases[iteration % variants];
        QElapsedTimer timer;
        timer.start();
        const double start = cpuSeconds();
        step(c);
        const double spent = cpuSeconds() - start;
        if (iteration > 0)
            wall += timer.nsecsElapsed() * 1e-9;
        (iteration == 0 ? cold : total) += spent;
        ++iteration;
    }
    // CPU time, as the machine running the benchmarks may be shared; the wall time beside it.
    const double warm = iteration > 1 ? total / (iteration - 1) : cold;
    state.counters["cold_ms"] = cold * 1000;
    state.counters["warm_ms"] = warm * 1000;
    state.counters["warm_wall_ms"] = iteration > 1 ? wall / (iteration - 1) * 1000 : 0;
    state.counters["vs_goal"] = warm / 0.030;
}

void repaintVisible(benchmark::State &state)
{
    canvasStep(state, [](canvas &c) {
        QPixmap target(c.view->viewport()->size());
        c.view->viewport()->render(&target);
        benchmark::DoNotOptimize(target.cacheKey());
    });
}

void rubberBandAcross(benchmark::State &state)
{
    canvasStep(state, [](canvas &c) {
        QPainterPath band;
        band.addRect(c.view->mapToScene(c.view->viewport()->rect()).boundingRect());
        c.scene->setSelectionArea(band, Qt::IntersectsItemShape);
        benchmark::DoNotOptimize(c.scene->selectedItems().size());
        c.scene->clearSelection();
    });
}

// sprtool as a user runs it, each command a process of its own on the same file in the same iteration:
// info and check against resave, in CPU time.
void sprtoolInfoAgainstResave(benchmark::State &state)
{
    const int count = int(state.range(0));
    for (int v = 0; v < variants; ++v)
        designFile(count, v);
    const QString out = workDir().filePath(QStringLiteral("resaved.spr"));
    int iteration = 0;
    double cold = 0;
    double info = 0, check = 0, resaved = 0;
    for (auto _ : state) {
        const QString path = designFile(count, iteration % variants);
        const sprtoolCost infoCost = measureSprtool({QStringLiteral("info"), path});
        const sprtoolCost checkCost = measureSprtool({QStringLiteral("check"), path});
        const sprtoolCost resaveCost = measureSprtool({QStringLiteral("resave"), path, out});
        if (infoCost.exitCode != 0 || checkCost.exitCode < 0 || checkCost.exitCode > 1 ||
            resaveCost.exitCode != 0) {
            state.SkipWithError("sprtool did not finish");
            return;
        }
        if (iteration++ == 0) {
            cold = infoCost.cpuSeconds;
            continue;
        }
        info += infoCost.cpuSeconds;
        check += checkCost.cpuSeconds;
        resaved += resaveCost.cpuSeconds;
    }
    const int warm = qMax(1, iteration - 1);
    state.counters["cold_info_s"] = cold;
    state.counters["info_s"] = info / warm;
    state.counters["check_s"] = check / warm;
    state.counters["resave_s"] = resaved / warm;
    if (resaved > 0) {
        state.counters["info_vs_resave"] = info / resaved;
        state.counters["check_vs_resave"] = check / resaved;
        state.counters["info_vs_goal"] = info / resaved / 3;
    }
}

} // namespace

BENCHMARK(sprtoolInfoAgainstResave)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(readIntoScene)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(resave)->Arg(10000)->Arg(50000)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(renderToPng)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(repaintVisible)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(rubberBandAcross)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(20);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("spr.document.debug=false"));
    if (argc == 4 && QByteArray(argv[1]) == "--write") {
        const bool written = writeFileSafely(QString::fromLocal8Bit(argv[3]),
                                             mixedDesign::designBytes(QByteArray(argv[2]).toInt()));
        return written ? 0 : 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
