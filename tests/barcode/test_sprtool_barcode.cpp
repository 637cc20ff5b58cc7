// sprtool barcode, run as a separate process: exit codes, the error line and the written picture.
#include "barcodetestsupport.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace
{
struct runResult {
    int exitCode = -1;
    QByteArray err;
};

runResult runSprtool(const QStringList &args)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(SPRTOOL_PATH), QStringList{"barcode"} + args);
    if (!process.waitForFinished(60000))
        return {};
    runResult result{process.exitCode(), process.readAllStandardError()};
    // Platform chatter is not ours; keep the lines sprtool writes.
    QByteArrayList lines;
    for (const QByteArray &line : result.err.split('\n')) {
        if (!line.startsWith("QStandardPaths:") && !line.isEmpty())
            lines << line;
    }
    result.err = lines.join('\n');
    return result;
}

QImage asArgb(const QImage &image)
{
    return image.convertToFormat(QImage::Format_ARGB32);
}
} // namespace

class sprtoolBarcodeTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void writesTheItemsPicture_data();
    void writesTheItemsPicture();
    void refusedContent();
    void tooWideWritesNothing();
    void usageErrors_data();
    void usageErrors();

private:
    QTemporaryDir dir;
    QString out;
};

void sprtoolBarcodeTest::initTestCase()
{
    QVERIFY(dir.isValid());
    out = dir.filePath("out.png");
}

void sprtoolBarcodeTest::writesTheItemsPicture_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("content");
    QTest::addColumn<bool>("text");
    QTest::addColumn<int>("d");
    QTest::addColumn<int>("e");
    QTest::newRow("ean13") << QStringList{"ean13", "6901234567892"} << 0 << "6901234567892" << true << 5
                           << 230;
    QTest::newRow("EAN8") << QStringList{"EAN8", "1234567"} << 1 << "1234567" << true << 5 << 230;
    QTest::newRow("code39 options") << QStringList{"--module",  "2",      "--height", "100",
                                                   "--no-text", "Code39", "ABC"}
                                    << 2 << "ABC" << false << 2 << 100;
    QTest::newRow("code93") << QStringList{"code93", "HELLO"} << 3 << "HELLO" << true << 5 << 230;
    QTest::newRow("upca") << QStringList{"upca", "03600029145"} << 4 << "03600029145" << true << 5 << 230;
    QTest::newRow("mode 5") << QStringList{"5", "0123456"} << 5 << "0123456" << true << 5 << 230;
    QTest::newRow("code128 after --")
        << QStringList{"code128", "--", "-a b~"} << 6 << "-a b~" << true << 5 << 230;
}

void sprtoolBarcodeTest::writesTheItemsPicture()
{
    QFETCH(QStringList, args);
    QFETCH(int, mode);
    QFETCH(QString, content);
    QFETCH(bool, text);
    QFETCH(int, d);
    QFETCH(int, e);
    QFile::remove(out);
    const runResult run = runSprtool(QStringList{"-o", out} + args);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.err, QByteArray());
    const QImage written(out);
    QCOMPARE(asArgb(written), asArgb(drawn(mode, content, text, d, e)));
    QVERIFY(written.hasAlphaChannel());
    QCOMPARE(qAlpha(written.pixel(written.width() - 1, written.height() - 1)), 0); // transparency kept
}

void sprtoolBarcodeTest::refusedContent()
{
    // Refused content leaves no file behind, and an existing output file keeps its bytes.
    QFile::remove(out);
    runResult run = runSprtool({"ean8", "123", "-o", out});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(QString::fromUtf8(run.err),
             QString::fromUtf8("error code 2: 条码格式错误，本条码为8位阿拉伯数字！"));
    QVERIFY(!QFile::exists(out));

    QFile old(out);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old bytes");
    old.close();
    run = runSprtool({"-o", out, "CODE128", "AB'C"});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(QString::fromUtf8(run.err),
             QString::fromUtf8("error code 7: 条码格式错误，本条码内容仅包含数字与英文字母及部分符号！"));
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("old bytes"));
}

void sprtoolBarcodeTest::tooWideWritesNothing()
{
    QFile::remove(out);
    const runResult run = runSprtool({"code128", QString(1500, QLatin1Char('x')), "-o", out});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(QString::fromUtf8(run.err), QString::fromUtf8("error code 0: 条码格式错误！"));
    QVERIFY(!QFile::exists(out));
}

void sprtoolBarcodeTest::usageErrors_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("nothing") << QStringList{};
    QTest::newRow("no output") << QStringList{"ean13", "6901234567892"};
    QTest::newRow("no content") << QStringList{"ean13", "-o", "x.png"};
    QTest::newRow("unknown symbology") << QStringList{"qr", "1", "-o", "x.png"};
    QTest::newRow("mode 7") << QStringList{"7", "1", "-o", "x.png"};
    QTest::newRow("module 0") << QStringList{"--module", "0", "ean13", "1", "-o", "x.png"};
    QTest::newRow("height text") << QStringList{"--height", "tall", "ean13", "1", "-o", "x.png"};
    QTest::newRow("unknown option") << QStringList{"--bold", "ean13", "1", "-o", "x.png"};
    QTest::newRow("extra argument") << QStringList{"ean13", "1", "2", "-o", "x.png"};
}

void sprtoolBarcodeTest::usageErrors()
{
    QFETCH(QStringList, args);
    const runResult run = runSprtool(args);
    QCOMPARE(run.exitCode, 2);
    QVERIFY(run.err.startsWith("usage: sprtool barcode"));
}

QTEST_MAIN(sprtoolBarcodeTest)
#include "test_sprtool_barcode.moc"
