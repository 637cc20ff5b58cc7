// A thousand EAN-13 symbols written as PNG files: sprtool barcode --batch against zint --batch for the
// same contents at the same module width (zint's --scale=2.5 draws 5-dot modules, as sprtool's default
// does), both run in the same iteration as a script would run them. Goal: sprtool's CPU time at most
// 1 × zint's. Contents change per iteration; the first (cold) iteration is reported on its own. Each
// writes its files into a fresh folder, which is removed after, as a script's output would be kept.
#include "safewrite.h"
#include "sprtoolprocess.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace
{
constexpr int symbolCount = 1000;

// Twelve digits and their check digit.
QString ean13(qint64 n)
{
    const QString digits = QStringLiteral("6901%1").arg(n % 100000000, 8, 10, QLatin1Char('0'));
    int sum = 0;
    for (int i = 0; i < 12; ++i)
        sum += digits.at(i).digitValue() * (i % 2 ? 3 : 1);
    return digits + QString::number((10 - sum % 10) % 10);
}

QByteArray contents(int variant)
{
    QByteArray lines;
    for (int i = 0; i < symbolCount; ++i)
        lines += ean13(qint64(i) * 7919 + qint64(variant) * 104729).toLatin1() + '\n';
    return lines;
}

struct batchCost {
    double sprtool = 0;
    double zint = 0;
    bool ok = false;
};

batchCost runBoth(int variant)
{
    QTemporaryDir dir;
    const QString list = dir.filePath(QStringLiteral("codes.txt"));
    batchCost cost;
    if (!writeFileSafely(list, contents(variant)) || !QDir(dir.path()).mkpath(QStringLiteral("s")) ||
        !QDir(dir.path()).mkpath(QStringLiteral("z")))
        return cost;
    const sprtoolCost ours =
        measureSprtool({QStringLiteral("barcode"), QStringLiteral("ean13"), QStringLiteral("--batch"), list,
                        QStringLiteral("-o"), dir.filePath(QStringLiteral("s/{n}.png"))});
    const sprtoolCost theirs = measureProgram(
        "zint", {QStringLiteral("-b"), QStringLiteral("13"), QStringLiteral("--batch"),
                 QStringLiteral("--scale=2.5"), QStringLiteral("--filetype=png"), QStringLiteral("-i"), list,
                 QStringLiteral("-o"), dir.filePath(QStringLiteral("z/~~~~.png"))});
    const int written = QDir(dir.filePath(QStringLiteral("s"))).entryList(QDir::Files).size();
    const int theirsWritten = QDir(dir.filePath(QStringLiteral("z"))).entryList(QDir::Files).size();
    cost.ok =
        ours.exitCode == 0 && theirs.exitCode == 0 && written == symbolCount && theirsWritten == symbolCount;
    cost.sprtool = ours.cpuSeconds;
    cost.zint = theirs.cpuSeconds;
    return cost;
}

void report(benchmark::State &state, const batchCost &cost, const char *prefix)
{
    const std::string p(prefix);
    state.counters[p + "sprtool_cpu_s"] = cost.sprtool;
    state.counters[p + "zint_cpu_s"] = cost.zint;
    state.counters[p + "ratio_to_zint"] = cost.zint > 0 ? cost.sprtool / cost.zint : 0;
}

void batchOfEan13(benchmark::State &state)
{
    if (QStandardPaths::findExecutable(QStringLiteral("zint")).isEmpty()) {
        state.SkipWithError("zint is not installed (scripts/install-deps.sh bench)");
        return;
    }
    int variant = 0;
    const batchCost cold = runBoth(variant++);
    report(state, cold, "cold_");
    batchCost total;
    int runs = 0;
    for (auto _ : state) {
        const batchCost cost = runBoth(variant++);
        if (!cost.ok) {
            state.SkipWithError("a batch did not write every symbol");
            return;
        }
        total.sprtool += cost.sprtool;
        total.zint += cost.zint;
        ++runs;
    }
    total.sprtool /= qMax(1, runs);
    total.zint /= qMax(1, runs);
    report(state, total, "");
    state.counters["goal_ratio"] = 1.0;
}
} // namespace

BENCHMARK(batchOfEan13)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
