#include "qrdecode.h"
#include "sprtoolprocess.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class test_sprtool_qr : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(dir.isValid()); }
    void writesTheItemsSymbol_data();
    void writesTheItemsSymbol();
    void emptyPictureAndUsageErrors_data();
    void emptyPictureAndUsageErrors();
    void helpAndContentFile();

private:
    struct run {
        int exitCode = -1;
        QByteArray errors;
    };
    run sprtool(const QStringList &args);
    QTemporaryDir dir;
};

test_sprtool_qr::run test_sprtool_qr::sprtool(const QStringList &args)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir.path());
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(SPRTOOL_PATH), QStringList{QStringLiteral("qr")} + args);
    run result;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return result;
    result.exitCode = process.exitCode();
    result.errors = process.readAllStandardError();
    return result;
}

void test_sprtool_qr::writesTheItemsSymbol_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("content");
    QTest::addColumn<int>("side");
    QTest::addColumn<QString>("level");
    QTest::addColumn<bool>("inverted");

    QTest::newRow("defaults") << QStringList() << "TALMOR_K3" << 273 << "Q" << false;
    QTest::newRow("converse") << QStringList{"--converse"} << "TALMOR_K3" << 299 << "Q" << true;
    QTest::newRow("letter level") << QStringList{"--level", "h"} << "12345" << 273 << "H" << false;
    QTest::newRow("digit level") << QStringList{"--level", "0"} << "12345" << 273 << "L" << false;
    QTest::newRow("scale and version")
        << QStringList{"--scale", "1", "--version", "5"} << "TALMOR_K3" << 37 << "Q" << false;
    QTest::newRow("chinese") << QStringList{"--level", "M"} << QString::fromUtf8("中文内容") << 273 << "M"
                             << false;
    QTest::newRow("content after --") << QStringList{"--"} << "-x" << 273 << "Q" << false;
}

void test_sprtool_qr::writesTheItemsSymbol()
{
    QFETCH(QStringList, options);
    QFETCH(QString, content);
    QFETCH(int, side);
    QFETCH(QString, level);
    QFETCH(bool, inverted);

    const QString out = dir.filePath(QStringLiteral("%1.png").arg(QTest::currentDataTag()));
    const run result = sprtool(QStringList{QStringLiteral("-o"), out} + options + QStringList{content});
    QCOMPARE(result.exitCode, 0);
    const QImage written(out);
    QCOMPARE(written.size(), QSize(side, side));
    const decodedQr read = decodeQr(written, 60, inverted);
    QCOMPARE(read.text, content);
    QCOMPARE(read.level, level);
}

void test_sprtool_qr::emptyPictureAndUsageErrors_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("exitCode");

    QTest::newRow("scale 0") << QStringList{"--scale", "0", "x", "-o", "OUT"} << 1;
    QTest::newRow("version 41") << QStringList{"--version", "41", "x", "-o", "OUT"} << 1;
    QTest::newRow("negative version") << QStringList{"--version", "-2", "x", "-o", "OUT"} << 1;
    QTest::newRow("too wide") << QStringList{"--scale", "5000", "x", "-o", "OUT"} << 1;
    QTest::newRow("too long") << QStringList{"--level", "H", QString(3000, 'a'), "-o", "OUT"} << 1;
    QTest::newRow("empty") << QStringList{"", "-o", "OUT"} << 1;
    QTest::newRow("no output") << QStringList{"x"} << 2;
    QTest::newRow("no content") << QStringList{"-o", "OUT"} << 2;
    QTest::newRow("bad level") << QStringList{"--level", "4", "x", "-o", "OUT"} << 2;
    QTest::newRow("bad scale") << QStringList{"--scale", "big", "x", "-o", "OUT"} << 2;
    QTest::newRow("missing value") << QStringList{"x", "-o", "OUT", "--version"} << 2;
    QTest::newRow("unknown option") << QStringList{"--colour", "x", "-o", "OUT"} << 2;
    QTest::newRow("two contents") << QStringList{"x", "y", "-o", "OUT"} << 2;
}

void test_sprtool_qr::emptyPictureAndUsageErrors()
{
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);

    const QString out = dir.filePath(QStringLiteral("refused.png"));
    args.replaceInStrings(QStringLiteral("OUT"), out);
    const run result = sprtool(args);
    QCOMPARE(result.exitCode, exitCode);
    QVERIFY(!QFile::exists(out));
    if (exitCode == 1)
        QCOMPARE(result.errors.trimmed().count('\n'), 0); // one line
    QVERIFY(result.errors.startsWith("sprtool qr: "));
}

void test_sprtool_qr::helpAndContentFile()
{
    const sprtoolRun help = runSprtool({"qr", "--help"});
    QCOMPARE(help.exitCode, 0);
    QVERIFY(help.out.startsWith("Usage: sprtool qr [OPTIONS] [CONTENT]\n"));
    for (const char *option :
         {"--content-file FILE", "--level L|M|Q|H", "--version N", "--scale N", "--converse"})
        QVERIFY2(help.out.contains(option), option);

    // Longer than a command line comfortably takes, from a file and from standard input.
    const QString content = QString(2000, QLatin1Char('a'));
    const QString file = dir.filePath("content.txt");
    QFile text(file);
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write(content.toUtf8() + "\r\n");
    text.close();
    const QString out = dir.filePath("long.png");
    sprtoolRun run = runSprtool({"qr", "--level=L", "--scale=2", "--content-file", file, "-o", out});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(decodeQr(QImage(out), 60, false).text, content);

    sprtoolOptions piped;
    piped.input = content.toUtf8();
    run = runSprtool({"qr", "--level", "L", "--scale", "2", "--content-file=-", "-o-"}, piped);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(decodeQr(QImage::fromData(run.out, "PNG"), 60, false).text, content);

    // A megabyte is read whole and refused by the symbol, which holds less: exit 1, no file.
    piped.input = QByteArray(1024 * 1024, 'a');
    QFile::remove(out);
    run = runSprtool({"qr", "--content-file", "-", "-o", out}, piped);
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.startsWith("sprtool qr: no QR code drawn"), run.err);
    QVERIFY(!QFile::exists(out));

    piped.input = "\xff\xfe not UTF-8";
    run = runSprtool({"qr", "--content-file", "-", "-o", out}, piped);
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.err.startsWith("sprtool qr: cannot read standard input: not UTF-8 text"), run.err);
    QVERIFY(!QFile::exists(out));
}

QTEST_MAIN(test_sprtool_qr)
#include "test_sprtool_qr.moc"
