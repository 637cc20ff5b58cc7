// Every record checked: sprtool check's record check of 100,000 data-file lines (50,000 EAN-13 lines for a
// barcode item, 50,000 varied QR contents for a QR item, read from their files beside the design) against
// the anchor, the same contents encoded and verified in-process as sprtool barcode and qr make them
// (the symbol drawn into a picture, then read back), timed in the same iterations. Goal: check at most
// 2 × the anchor (records_vs_encode_verify). Contents change per iteration; the first (cold) one is
// reported on its own.
#include "diagrambaritem.h"
#include "diagramqrcodeitem.h"
#include "pairedtimes.h"
#include "recordcheck.h"
#include "safewrite.h"
#include "sprdocument.h"
#include "symbolverdict.h"

#include "barcoderender.h"

#include <QApplication>
#include <QGraphicsScene>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace
{
constexpr int linesPerItem = 50000;
constexpr int qrScale = 5;

// Twelve digits and their check digit.
QByteArray ean13(qint64 n)
{
    const QString digits = QStringLiteral("69%1").arg(n % 10000000000LL, 10, 10, QLatin1Char('0'));
    int sum = 0;
    for (int i = 0; i < 12; ++i)
        sum += digits.at(i).digitValue() * (i % 2 ? 3 : 1);
    return (digits + QString::number((10 - sum % 10) % 10)).toLatin1();
}

// Lot codes, links and texts with Chinese characters, of varied lengths (so varied QR versions).
QByteArray qrContent(qint64 n)
{
    switch (n % 4) {
    case 0:
        return "LOT-" + QByteArray::number(n * 7919 % 1000000);
    case 1:
        return "https://example.com/01/" + ean13(n) + "/10/B" + QByteArray::number(n % 977);
    case 2:
        return QStringLiteral("批号 %1 生产").arg(n % 100000).toUtf8();
    default:
        return QByteArray::number(n * 104729) + "-" + QByteArray::number(n % 31);
    }
}

struct recordSet {
    QVector<QByteArray> ean;
    QVector<QByteArray> qr;
};

recordSet records(int variant)
{
    recordSet set;
    for (qint64 i = 0; i < linesPerItem; ++i) {
        const qint64 n = i * 7919 + qint64(variant) * 1000003;
        set.ean << ean13(n);
        set.qr << qrContent(n);
    }
    return set;
}

QByteArray joined(const QVector<QByteArray> &lines)
{
    QByteArray bytes;
    for (const QByteArray &line : lines)
        bytes += line + '\n';
    return bytes;
}

QByteArray designBytes()
{
    QByteArray design = "[FileInfo]\r\nSceneWidth =1500\r\nSceneHeight =300\r\nDynamicItemNum =0\r\n"
                        "TotalItemNum =2\r\n"
                        "[BarItemInfo]\r\nBarAtX =0\r\nBarAtY =0\r\nBarHeight =275\r\nBarRotate =0\r\n"
                        "BarContent =6901234567892\r\nBarMode =0\r\nBarIsTextOn =1\r\nBarLineWidth =5\r\n"
                        "BarIsExtVariable =1\r\nBarIsAllPrinted =0\r\nBarExtDataStartLine =1\r\n"
                        "BarExtDataEndLine ={n}\r\nBarExtDataFilePath =ean.txt\r\nBarExtDataCurLine =1\r\n"
                        "BarLineHeight =230\r\n"
                        "[QRcodeItemInfo]\r\nQRcodeAtX =800\r\nQRcodeAtY =0\r\nQRcodeRotate =0\r\n"
                        "QRcodeContent =x\r\nQRcodeLevel =2\r\nQRcodeScale ={scale}\r\nQRcodeVersion =1\r\n"
                        "QRcodeConverse =0\r\nQRcodeInsertCnt =0\r\nQRcodeCntMode =0\r\n"
                        "QRcodeInsertCntPos =0\r\nQRcodeInsertTime =0\r\nQRcodeTimeModeStr =\r\n"
                        "QRcodeInsertTimePos =0\r\nQRcodeIsInsVariable =0\r\nQRcodeIsExtVariable =1\r\n"
                        "QRcodeExtStartLine =1\r\nQRcodeExtEndLine ={n}\r\nQRcodeExtFilePath =qr.txt\r\n"
                        "QRcodeIsAllPrinted =0\r\nQRcodeExtCurLine =1\r\nQRcodeIsUartVariable =0\r\n";
    return design.replace("{n}", QByteArray::number(linesPerItem))
        .replace("{scale}", QByteArray::number(qrScale));
}

// What sprtool barcode and qr do with each content, plus reading the picture back.
int encodeAndVerify(const recordSet &set)
{
    diagramBarItem bar;
    int readable = 0;
    for (const QByteArray &line : set.ean) {
        const QString content = QString::fromUtf8(line);
        const barcodeSymbol made = bar.symbol(content);
        readable += verifyBarcode(bar.mode, content, made, renderBarcodeImage(made)).readable;
    }
    qrCodeRecord record;
    record.scale = qrScale;
    for (const QByteArray &line : set.qr) {
        record.content = QString::fromUtf8(line);
        const QImage picture = diagramQRCodeItem::createQRPixmap(record).toImage();
        readable += verifyQrCode(picture, record.scale, record.converse, record.content).readable;
    }
    return readable;
}

void checkEveryRecord(benchmark::State &state)
{
    QTemporaryDir dir;
    const QByteArray design = designBytes();
    QGraphicsScene scene;
    setUpDesignScene(scene);
    readSprData(design, scene);
    pairedTimes times;
    int variant = 0;
    for (auto _ : state) {
        const recordSet set = records(variant++);
        if (!writeFileSafely(dir.filePath(QStringLiteral("ean.txt")), joined(set.ean)) ||
            !writeFileSafely(dir.filePath(QStringLiteral("qr.txt")), joined(set.qr))) {
            state.SkipWithError("the data files could not be written");
            return;
        }
        auto start = std::chrono::steady_clock::now();
        QVector<sprFinding> findings;
        recordTotals totals;
        checkDataFileRecords(scene, design, dir.path(), nullptr, findings, totals);
        const double spent = secondsSince(start);
        start = std::chrono::steady_clock::now();
        const int readable = encodeAndVerify(set);
        times.add(state, spent, secondsSince(start));
        benchmark::DoNotOptimize(findings);
        benchmark::DoNotOptimize(readable);
        if (totals.checked != 2 * linesPerItem || totals.refused != 0 || readable != 2 * linesPerItem) {
            state.SkipWithError("not every record was checked and read");
            return;
        }
        state.counters["lines"] = double(totals.checked);
    }
    times.report(state, "records_vs_encode_verify", 1, "s");
    state.counters["goal_ratio"] = 2.0;
}
} // namespace

BENCHMARK(checkEveryRecord)->UseManualTime()->Iterations(3)->Unit(benchmark::kSecond);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
