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
#include "eanupc.h"

#include <QGuiApplication>
#include <QRandomGenerator>
#include <algorithm>
#include <array>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>
#include <map>
#include <zint.h>

namespace
{
struct symbology {
    const char *name;
    int zintSymbology;
    // Content length and alphabet of the contents drawn; EAN and UPC contents get their check digit.
    int length;
    const char *alphabet;
    // This program's CPU time over libzint's as measured by this benchmark on the code before encoding and
    // drawing were separated (each picture drawn in one pass by its encoder; medians of 3 runs).
    double ratioWhenWritten;
};

const char digits[] = "0123456789";
const char code39Set[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%";
const char code128Set[] =
    " !\"#$%&()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUVWXYZ[]^_`abcdefghijklmnopqrstuvwxyz{|}~";

// By mode. UPC-E contents are of number system 0, which libzint takes.
const symbology symbologies[barcodeModeCount] = {
    {"EAN-13", BARCODE_EANX, 12, digits, 1.256},          {"EAN-8", BARCODE_EANX, 7, digits, 0.998},
    {"Code39", BARCODE_CODE39, 13, code39Set, 0.613},     {"Code93", BARCODE_CODE93, 13, code39Set, 0.646},
    {"UPC-A", BARCODE_UPCA, 11, digits, 1.289},           {"UPC-E", BARCODE_UPCE, 7, digits, 1.054},
    {"Code128", BARCODE_CODE128B, 13, code128Set, 0.538},
};

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
    const symbology &s = symbologies[mode];
    const int alphabetSize = int(std::strlen(s.alphabet));
    QRandomGenerator random(1300 + mode);
    for (int k = 0; k < contentCount; ++k) {
        QByteArray content;
        for (int i = 0; i < s.length; ++i)
            content += s.alphabet[random.bounded(alphabetSize)];
        if (mode == 5)
            content[0] = '0';
        if (mode == 0)
            content += eanUpcCheckDigit(content);
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
    state.SetLabel(symbologies[mode].name);
}

void zintEncoder(benchmark::State &state)
{
    const int mode = int(state.range(0));
    const symbology &s = symbologies[mode];
    const std::vector<QByteArray> &contents = contentsFor(mode);
    std::array<zint_symbol *, keptAlive> alive{};
    size_t k = 0;
    for (auto _ : state) {
        zint_symbol *&slot = alive[k % keptAlive];
        ZBarcode_Delete(slot);
        slot = ZBarcode_Create();
        slot->symbology = s.zintSymbology;
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
    state.SetLabel(s.name);
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
    state.SetLabel(symbologies[mode].name);
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
            const double written = symbologies[mode].ratioWhenWritten;
            const double target = std::max(written, floor);
            const bool ok = ratio <= target;
            ++shown;
            above += !ok;
            std::printf("%-8s %12.0f %12.0f %12.0f %8.3f %8.3f %8.3f%s %8.3f%s\n", symbologies[mode].name,
                        own, zint, fill, ratio, floor, written, written < floor ? "*" : " ", target,
                        ok ? "" : "  above");
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
