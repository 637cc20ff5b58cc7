// Hostile inputs as sprtool meets them: many small sections, a long date/time format, a long content,
// symbols whose pictures are hundreds of megabytes. Goal: no command (check, info, resave) spends more
// than 50 times the file's size in memory, nor more than about a second of CPU per megabyte. Each
// command runs as its own process, as an operator's script runs it; its peak is taken against the peak
// of the same command on an empty design, measured in the same run (the libraries and fonts every run
// loads), as is its CPU time, and printed as a ratio to the goal. Contents change per iteration; the first
// (cold) run is reported beside the others.
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

QByteArray header(int items)
{
    return "[FileInfo]\r\nSceneWidth =76000\r\nSceneHeight =300\r\nDynamicItemNum =0\r\nTotalItemNum =" +
           QByteArray::number(items) + "\r\n";
}

QByteArray counters(int count, int variant)
{
    QByteArray bytes = header(count);
    for (int i = 0; i < count; ++i)
        bytes += "[CntItemInfo]\r\nCntAtX =" + QByteArray::number((i * 37 + variant) % 76000) +
                 "\r\nCntAtY =" + QByteArray::number(i * 7 % 78) +
                 "\r\nCntRotate =0\r\nCntFont =simsun,-1,150,5,50,0,0,0,0,0\r\nCntFontSize =150\r\n"
                 "CntSpace =0\r\nCntMode =" +
                 QByteArray::number(1 + (i + variant) % 8) + "\r\nCntName =0\r\n";
    return bytes;
}

QByteArray timeItem(const QByteArray &format)
{
    return header(1) +
           "[TimeItemInfo]\r\nTimeAtX =0\r\nTimeAtY =0\r\nTimeRotate =0\r\n"
           "TimeFont =simsun,-1,150,5,50,0,0,0,0,0\r\nTimeFontSize =150\r\nTimeSpace =0\r\nTimeMode =" +
           format + "\r\nTimeValid =0\r\nTimeModeIndex =17\r\nTimeUserDefined =1\r\n";
}

QByteArray textItem(const QByteArray &content)
{
    return header(1) +
           "[TextItemInfo]\r\nTextAtX =0\r\nTextAtY =0\r\nTextRotate =0\r\n"
           "TextFont =simsun,-1,150,5,50,0,0,0,0,0\r\nTextFontSize =150\r\nTextSpace =0\r\nTextContent =" +
           content +
           "\r\nTextIsExtVariable =0\r\nTextIsAllPrinted =0\r\nTextExtDataStartLine =1\r\n"
           "TextExtDataEndLine =1\r\nTextExtDataFilePath =\r\nTextExtDataCurLine =1\r\n";
}

QByteArray largeSymbols(int variant)
{
    QByteArray bytes = header(30);
    for (int i = 0; i < 20; ++i)
        bytes += "[QRcodeItemInfo]\r\nQRcodeAtX =" + QByteArray::number(i * 3000) +
                 "\r\nQRcodeAtY =0\r\nQRcodeRotate =0\r\nQRcodeContent =QR" +
                 QByteArray::number(i + 100 * variant) + QByteArray(200, 'x') +
                 "\r\nQRcodeLevel =3\r\nQRcodeScale =40\r\nQRcodeVersion =40\r\nQRcodeConverse =" +
                 QByteArray::number(i % 2) +
                 "\r\nQRcodeInsertCnt =0\r\nQRcodeCntMode =4\r\nQRcodeInsertCntPos =0\r\n"
                 "QRcodeInsertTime =0\r\nQRcodeTimeModeStr =yyMMdd\r\nQRcodeInsertTimePos =0\r\n"
                 "QRcodeIsInsVariable =0\r\nQRcodeIsExtVariable =0\r\nQRcodeExtStartLine =1\r\n"
                 "QRcodeExtEndLine =1\r\nQRcodeExtFilePath =\r\nQRcodeIsAllPrinted =0\r\n"
                 "QRcodeExtCurLine =1\r\nQRcodeIsUartVariable =0\r\n";
    for (int i = 0; i < 10; ++i)
        bytes += "[BarItemInfo]\r\nBarAtX =" + QByteArray::number(60000 + i * 100) +
                 "\r\nBarAtY =5\r\nBarHeight =275\r\nBarRotate =0\r\nBarContent =Lot " +
                 QByteArray::number(10000000 + i + 100 * variant) +
                 "\r\nBarMode =6\r\nBarIsTextOn =1\r\nBarLineWidth =20\r\nBarIsExtVariable =0\r\n"
                 "BarIsAllPrinted =0\r\nBarExtDataStartLine =1\r\nBarExtDataEndLine =1\r\n"
                 "BarExtDataFilePath =\r\nBarExtDataCurLine =1\r\nBarLineHeight =2000\r\n";
    return bytes;
}

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
