// Hostile inputs as sprtool meets them: many small sections, a long date/time format, a long content,
// symbols whose pictures are hundreds of megabytes. Goal: no command (check, info, resave) spends more
// than 50 times the file's size in memory, nor more than about a second of CPU per megabyte. Each
// command runs as its own process, as an operator's script runs it; its peak is taken against the peak
// of the same command on an empty design, measured in the same run (the libraries and fonts every run
// loads), as is its CPU time, and printed as a ratio to the goal. Contents change per iteration; the first
// (cold) run is reported beside the others.
#include "hostiledesigns.h"
#include "safewrite.h"
#include "sprtoolprocess.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <vector>

namespace
{

QTemporaryDir &workDir()
{
    static QTemporaryDir dir;
    return dir;
}

using namespace hostileDesigns;

enum class input { empty, manyCounters, longTimeFormat, longContent, largeSymbols };

QByteArray designOf(input kind, int variant)
{
    const char letter = char('a' + variant);
    switch (kind) {
    case input::empty:
        return header(0);
    case input::manyCounters:
        return counters(50000, variant);
    case input::longTimeFormat:
        return timeItem(QByteArray("yyyy/MM/dd ").repeated(95000) + letter);
    case input::longContent:
        return textItem(QByteArray(60000000, letter));
    case input::largeSymbols:
        return largeSymbols(variant);
    }
    return {};
}

struct childCost {
    bool ended = false;
    double cpuSeconds = 0;
    double peakBytes = 0;
};

childCost commandCost(const QStringList &args)
{
    const sprtoolCost cost = measureSprtool(args);
    // 0 clean, 1 findings: both are a finished command.
    return {cost.exitCode == 0 || cost.exitCode == 1, cost.cpuSeconds, double(cost.peakBytes)};
}

const char *const commands[] = {"check", "info", "resave"};

// The worst command on one file: its peak and its CPU time above the floor's.
childCost worstCommand(const QString &path, const childCost floor[3])
{
    childCost worst;
    worst.ended = true;
    for (int c = 0; c < 3; ++c) {
        QStringList args{QString::fromLatin1(commands[c]), path};
        if (c == 2)
            args << workDir().filePath(QStringLiteral("resaved.spr"));
        const childCost cost = commandCost(args);
        worst.ended = worst.ended && cost.ended;
        worst.cpuSeconds = std::max(worst.cpuSeconds, cost.cpuSeconds - floor[c].cpuSeconds);
        worst.peakBytes = std::max(worst.peakBytes, cost.peakBytes - floor[c].peakBytes);
    }
    return worst;
}

constexpr int variants = 3;

void hostileInput(benchmark::State &state)
{
    const auto kind = input(state.range(0));
    QString paths[variants];
    qint64 sizes[variants];
    for (int v = 0; v < variants; ++v) {
        paths[v] = workDir().filePath(QStringLiteral("hostile-%1-%2.spr").arg(int(kind)).arg(v));
        const QByteArray bytes = designOf(kind, v);
        sizes[v] = bytes.size();
        writeFileSafely(paths[v], bytes);
    }
    // A child's peak starts from this process's peak at the spawn: give the files' memory back and
    // reset the peak.
    malloc_trim(0);
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    if (refs.open(QIODevice::WriteOnly))
        refs.write("5");
    refs.close();
    // The floor: each command on an empty design, the libraries and fonts every run loads.
    const QString emptyPath = workDir().filePath(QStringLiteral("empty.spr"));
    writeFileSafely(emptyPath, designOf(input::empty, 0));
    childCost floor[3];
    for (int c = 0; c < 3; ++c) {
        QStringList args{QString::fromLatin1(commands[c]), emptyPath};
        if (c == 2)
            args << workDir().filePath(QStringLiteral("resaved.spr"));
        floor[c] = commandCost(args);
    }
    int iteration = 0;
    double coldRatio = 0, worstRatio = 0, worstCpuPerMB = 0, worstPeak = 0;
    for (auto _ : state) {
        const int v = iteration % variants;
        const childCost cost = worstCommand(paths[v], floor);
        if (!cost.ended) {
            state.SkipWithError("a command did not finish");
            return;
        }
        const double ratio = cost.peakBytes / double(sizes[v]);
        const double cpuPerMB = cost.cpuSeconds / (double(sizes[v]) / 1e6);
        benchmark::DoNotOptimize(ratio);
        if (iteration == 0)
            coldRatio = ratio;
        worstRatio = std::max(worstRatio, ratio);
        worstCpuPerMB = std::max(worstCpuPerMB, cpuPerMB);
        worstPeak = std::max(worstPeak, cost.peakBytes);
        ++iteration;
    }
    state.counters["file_MB"] = double(sizes[0]) / 1e6;
    state.counters["floor_MiB"] = floor[0].peakBytes / (1 << 20);
    state.counters["floor_cpu_s"] = floor[0].cpuSeconds;
    state.counters["above_floor_MiB"] = worstPeak / (1 << 20);
    state.counters["cold_mem_ratio"] = coldRatio;
    state.counters["mem_ratio"] = worstRatio;
    state.counters["mem_vs_goal"] = worstRatio / 50.0;
    state.counters["cpu_s_per_MB"] = worstCpuPerMB;
    state.counters["cpu_vs_goal"] = worstCpuPerMB / 1.0;
}

} // namespace

BENCHMARK(hostileInput)
    ->ArgName("input")
    ->Arg(int(input::manyCounters))
    ->Arg(int(input::longTimeFormat))
    ->Arg(int(input::longContent))
    ->Arg(int(input::largeSymbols))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Large buffers straight from the system and back, so this process stays small between runs.
    mallopt(M_MMAP_THRESHOLD, 1 << 20);
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
