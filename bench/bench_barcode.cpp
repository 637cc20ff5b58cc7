// Drawing a barcode item's picture for each symbology at the item's defaults, beside libzint encoding and
// rasterising the same symbol at the same module size, and beside a plain fill of an image of the same
// size (the memory floor). Every iteration draws another content of the symbology, and the last pictures
// stay alive as they do in a loaded document, so neither side can reuse a cached result or skip the
// work of freeing one. At the end the ratio to libzint is shown per symbology against its target: the
// ratio this code had when the benchmark was written, or the plain fill's own ratio to libzint in the
// same run when that is higher (no drawing of a picture can beat filling it, so a written ratio below
// the floor's could never be met; such a ratio is marked).
#include "barcodeencoders.h"
#include "barcoderender.h"
#include "symbologytable.h"
#include "zintreferences.h"

#include <QGuiApplication>
#include <QRandomGenerator>
#include <algorithm>
#include <array>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

namespace
{
// Random contents of a symbology without an alphabet of its own.
const char printable[] =
    " !\"#$%&()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[]^_`abcdefghijklmnopqrstuvwxyz{|}~";

// This program's CPU time over libzint's as measured by this benchmark on the code before encoding and
// drawing were separated (each picture drawn in one pass by its encoder; medians of 3 runs), by sprtool
// name. A symbology added since has none: its target is the plain fill's ratio.
const std::map<std::string, double> ratiosWhenWritten = {
    {"ean13", 1.256}, {"ean8", 0.998}, {"code39", 0.613},  {"code93", 0.646},
    {"upca", 1.289},  {"upce", 1.054}, {"code128", 0.538},
};

double ratioWhenWritten(int mode)
{
    const auto found = ratiosWhenWritten.find(barcodeSymbology(mode).cliName);
    return found != ratiosWhenWritten.end() ? found->second : 0;
}

const zintReference &referenceOf(int mode)
{
    const zintReference *reference = zintReferenceFor(barcodeSymbology(mode).cliName);
    if (!reference) {
        std::fprintf(stderr, "%s has no row in zintreferences.h\n", barcodeSymbology(mode).name);
        std::exit(2);
    }
    return *reference;
}

// The item's defaults: module width 5 pixels, bars 230 pixels, text on.
const barcodeOptions itemOptions{true, 5, 230};

constexpr int contentCount = 256;
// Pictures kept alive at once, the oldest freed as each new one is drawn.
constexpr int keptAlive = 64;

// Contents drawn in turn: the same for both implementations and every run.
const std::vector<QByteArray> &contentsFor(int mode)
{
    static std::map<int, std::vector<QByteArray>> cache;
    std::vector<QByteArray> &contents = cache[mode];
    if (!contents.empty())
        return contents;
    // Digit symbologies: their data digits, the check digit too where the encoder wants it typed, and
    // number system 0 where that is the only one; the others 13 characters.
    const symbologyRow &row = barcodeSymbology(mode);
    const zintReference &reference = referenceOf(mode);
    const char *alphabet = reference.alphabet ? reference.alphabet : printable;
    const int alphabetSize = int(std::strlen(alphabet));
    const int length = row.checkDigitAt >= 0 ? row.checkDigitAt : 13;
    const bool typedCheckDigit = row.checkDigitOf && reference.shortestContent > row.checkDigitAt;
    QRandomGenerator random(1300 + mode);
    for (int k = 0; k < contentCount; ++k) {
        QByteArray content;
        for (int i = 0; i < length; ++i)
            content += alphabet[random.bounded(alphabetSize)];
        if (row.numberSystemZeroOnly)
            content[0] = '0';
        if (typedCheckDigit)
            content += row.checkDigitOf(content);
        contents.push_back(content);
    }
    return contents;
}

void ownEncoder(benchmark::State &state)
{
    const int mode = int(state.range(0));
    std::vector<QString> contents;
    for (const QByteArray &content : contentsFor(mode))
        contents.push_back(QString::fromLatin1(content));
    std::array<QPixmap, keptAlive> alive;
    size_t k = 0;
    for (auto _ : state) {
        QPixmap &slot = alive[k % keptAlive];
        slot = renderBarcodePixmap(encodeBarcode(mode, itemOptions, contents[k % contents.size()]));
        benchmark::DoNotOptimize(slot);
        benchmark::ClobberMemory();
        ++k;
    }
    state.SetLabel(barcodeSymbology(mode).name);
}

void zintEncoder(benchmark::State &state)
{
    const int mode = int(state.range(0));
    const zintReference &reference = referenceOf(mode);
    const std::vector<QByteArray> &contents = contentsFor(mode);
    std::array<zint_symbol *, keptAlive> alive{};
    size_t k = 0;
    for (auto _ : state) {
        zint_symbol *&slot = alive[k % keptAlive];
        ZBarcode_Delete(slot);
        slot = ZBarcode_Create();
        slot->symbology = reference.zintSymbology;
        slot->scale = itemOptions.d / 2.0f; // zint rasters 2 pixels per module at scale 1
        slot->height = float(itemOptions.e) / itemOptions.d;
        const QByteArray &data = contents[k % contents.size()];
        ZBarcode_Encode_and_Buffer(slot, reinterpret_cast<const unsigned char *>(data.constData()),
                                   data.size(), 0);
        benchmark::DoNotOptimize(slot->bitmap);
        benchmark::ClobberMemory();
        ++k;
    }
    for (zint_symbol *symbol : alive)
        ZBarcode_Delete(symbol);
    state.SetLabel(barcodeSymbology(mode).name);
}

void plainFill(benchmark::State &state)
{
    const int mode = int(state.range(0));
    const QSize size = encodeBarcode(mode, itemOptions, QString::fromLatin1(contentsFor(mode).front())).size;
    std::array<QImage, keptAlive> alive;
    size_t k = 0;
    for (auto _ : state) {
        QImage &slot = alive[k++ % keptAlive];
        slot = QImage(size, QImage::Format_ARGB32);
        slot.fill(0x00FFFFFF);
        benchmark::DoNotOptimize(slot.constBits());
        benchmark::ClobberMemory();
    }
    state.SetLabel(barcodeSymbology(mode).name);
}

// Shows the usual table, and remembers each benchmark's CPU time per iteration: the fastest of its
// repetitions, the estimate least moved by whatever else the machine runs.
class ratioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs) {
            if (run.error_occurred || run.iterations == 0)
                continue;
            const double perIteration = run.GetAdjustedCPUTime();
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "min")
                minimum[run.run_name.function_name + "/" + run.run_name.args] = perIteration;
            if (run.run_type != Run::RT_Iteration)
                continue;
            auto found = fastest.find(run.benchmark_name());
            if (found == fastest.end() || perIteration < found->second)
                fastest[run.benchmark_name()] = perIteration;
        }
        ConsoleReporter::ReportRuns(runs);
    }

    // This program's time over libzint's per symbology, beside its target.
    void printRatios() const
    {
        int shown = 0;
        int above = 0;
        std::printf("\n%-8s %12s %12s %12s %8s %8s %8s %8s\n", "CPU time", "own ns", "libzint ns", "fill ns",
                    "ratio", "floor", "written", "target");
        for (int mode = 0; mode < barcodeModeCount; ++mode) {
            const double own = timeOf("ownEncoder/" + std::to_string(mode));
            const double zint = timeOf("zintEncoder/" + std::to_string(mode));
            const double fill = timeOf("plainFill/" + std::to_string(mode));
            if (own <= 0 || zint <= 0)
                continue;
            const double ratio = own / zint;
            const double floor = fill / zint;
            const double written = ratioWhenWritten(mode);
            const double target = std::max(written, floor);
            const bool ok = ratio <= target;
            ++shown;
            above += !ok;
            std::printf("%-8s %12.0f %12.0f %12.0f %8.3f %8.3f %8.3f%s %8.3f%s\n",
                        barcodeSymbology(mode).name, own, zint, fill, ratio, floor, written,
                        written < floor ? "*" : " ", target, ok ? "" : "  above");
        }
        if (shown == 0)
            std::printf("No symbology ran with both encoders: no ratios.\n");
        else if (above == 0)
            std::printf("%d symbologies, every one at or below its target ratio to libzint.\n", shown);
        else
            std::printf("%d of %d symbologies above their target ratio to libzint.\n", above, shown);
        std::printf("* written ratio below the plain fill's in this run: the fill's ratio is the target.\n");
    }

private:
    double timeOf(const std::string &name) const
    {
        const auto fromAggregate = minimum.find(name);
        if (fromAggregate != minimum.end())
            return fromAggregate->second;
        const auto fromRuns = fastest.find(name);
        return fromRuns != fastest.end() ? fromRuns->second : 0;
    }

    std::map<std::string, double> fastest;
    std::map<std::string, double> minimum;
};

double fastest(const std::vector<double> &times)
{
    return times.empty() ? 0 : *std::min_element(times.begin(), times.end());
}
} // namespace

BENCHMARK(ownEncoder)->DenseRange(0, barcodeModeCount - 1)->ComputeStatistics("min", fastest);
BENCHMARK(zintEncoder)->DenseRange(0, barcodeModeCount - 1)->ComputeStatistics("min", fastest);
BENCHMARK(plainFill)->DenseRange(0, barcodeModeCount - 1)->ComputeStatistics("min", fastest);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    // Unless told otherwise, five repetitions of every benchmark in shuffled order: both encoders then
    // see the same share of a shared machine's load. Options given on the command line come later and win.
    std::vector<char *> args(argv, argv + argc);
    char repetitions[] = "--benchmark_repetitions=5";
    char interleaving[] = "--benchmark_enable_random_interleaving=true";
    args.insert(args.begin() + 1, {repetitions, interleaving});
    int count = int(args.size());
    benchmark::Initialize(&count, args.data());
    ratioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    // The machine may be shared: a ratio above the written one is shown, but only a measurement the
    // operator repeats on a quiet machine can call it a regression.
    reporter.printRatios();
    return 0;
}
