// Verification in place: the cost per edit of verifying one default symbol where it is printed (what
// the panel does after an edit, off the paint path), and for a 10,000-item design every symbol verified
// in place as check and info do it (one strip for the design) against every symbol verified on its own
// picture (what info did before), timed in the same iterations; the ratio is printed as in_place_vs_own
// (goal: at most 2). Each iteration reads a design of other contents, outside the timing, so neither
// side finds symbols the one before encoded.
#include "designexport.h"
#include "diagrambaritem.h"
#include "diagramqrcodeitem.h"
#include "diagramtextitem.h"
#include "mixeddesign.h"
#include "pairedtimes.h"
#include "placedscan.h"
#include "scanfindings.h"
#include "sprdocument.h"

#include <QApplication>
#include <QGraphicsScene>
#include <benchmark/benchmark.h>
#include <ctime>

namespace
{
const char *const contents[barcodeModeCount] = {"6901234567892", "6901234", "CODE-39", "CODE 93",
                                                "03600029145",   "0123456", "Code 128"};

// The QR code is benchmarked after the barcode modes.
constexpr int qrMode = barcodeModeCount;

// The default symbol of a mode (or the QR code) with a text before it, as the window places them.
QGraphicsItem *defaultSymbol(QGraphicsScene &scene, int mode)
{
    auto *text = new diagramTextItem;
    text->setPlainText(QStringLiteral("Input text"));
    scene.addItem(text);
    QGraphicsItem *symbol = nullptr;
    if (mode == qrMode) {
        auto *qr = new diagramQRCodeItem;
        qr->regenerate();
        symbol = qr;
    } else {
        auto *bar = new diagramBarItem;
        bar->mode = mode;
        bar->content = QString::fromLatin1(contents[mode]);
        bar->regenerate();
        symbol = bar;
    }
    scene.addItem(symbol);
    symbol->setPos(clearOfQuietZones(scene, *symbol, QPointF(designRightEdge(scene), 0)));
    return symbol;
}

void verifyOneEdit(benchmark::State &state)
{
    QGraphicsScene scene;
    setUpDesignScene(scene);
    const QGraphicsItem *symbol = defaultSymbol(scene, int(state.range(0)));
    for (auto _ : state) {
        const std::optional<placedVerdict> placed = verifyInPlace(scene, *symbol);
        if (!placed || !placed->verdict.readable)
            state.SkipWithError("the default symbol did not read in place");
        benchmark::DoNotOptimize(placed);
    }
}

// CPU time: the machine running the benchmarks is shared.
double cpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

void largeDesign(benchmark::State &state)
{
    pairedTimes times;
    int variant = 0;
    for (auto _ : state) {
        state.PauseTiming();
        // Two scenes of the same file: each side encodes and draws for itself.
        QGraphicsScene placedScene, ownScene;
        for (QGraphicsScene *scene : {&placedScene, &ownScene}) {
            setUpDesignScene(*scene);
            readSprData(mixedDesign::designBytes(10000, variant), *scene);
        }
        ++variant;
        state.ResumeTiming();
        double start = cpuSeconds();
        int readable = 0;
        {
            const placedStrip strip(placedScene);
            for (const QGraphicsItem *item : placedScene.items())
                if (const std::optional<placedVerdict> placed = verifyInPlace(strip, *item))
                    readable += placed->verdict.readable;
        }
        const double spent = cpuSeconds() - start;
        start = cpuSeconds();
        int own = 0;
        for (const QGraphicsItem *item : ownScene.items())
            if (const std::optional<symbolVerdict> verdict = itemVerdict(*item))
                own += verdict->readable;
        times.add(state, spent, cpuSeconds() - start);
        state.counters["readable_in_place"] = readable;
        state.counters["readable_alone"] = own;
    }
    times.report(state, "in_place_vs_own");
}
} // namespace

BENCHMARK(verifyOneEdit)->DenseRange(0, qrMode)->Unit(benchmark::kMicrosecond);
BENCHMARK(largeDesign)->UseManualTime()->Iterations(2)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
