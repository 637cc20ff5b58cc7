// sprtool barcode, run as a separate process: exit codes, the error line and the written picture.
#include "barcodetestsupport.h"
#include "sprtoolprocess.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace
{
sprtoolRun barcode(const QStringList &args, const sprtoolOptions &options = {})
{
    return runSprtool(QStringList{"barcode"} + args, options);
}

QString arialWarning()
{
    return fontWarningLine(QStringLiteral("barcode"), QStringLiteral("arial"));
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
    void helpAndOptionForms();
    void contentFromAFileOrStandardInput();
    void missingFontIsTold();
    void failedOutputExitsWithTwo();
    void batch_data();
    void batch();

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
    const sprtoolRun run = barcode(QStringList{"-o", out} + args);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.errText(), text ? arialWarning() : QString()); // the digits' font, when substituted
    const QImage written(out);
    QCOMPARE(asArgb(written), asArgb(drawn(mode, content, text, d, e)));
    QVERIFY(written.hasAlphaChannel());
    QCOMPARE(qAlpha(written.pixel(written.width() - 1, written.height() - 1)), 0); // transparency kept
}

void sprtoolBarcodeTest::refusedContent()
{
    // Refused content leaves no file behind, and an existing output file keeps its bytes.
    QFile::remove(out);
    sprtoolOptions chinese;
    chinese.locale = QStringLiteral("zh_CN.UTF-8");
    sprtoolRun run = barcode({"ean8", "123", "-o", out, "--no-text"}, chinese);
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.errText(),
             QString::fromUtf8("sprtool barcode: 错误代码 2：条码格式错误，本条码为8位阿拉伯数字！\n"));
    QVERIFY(!QFile::exists(out));

    QFile old(out);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old bytes");
    old.close();
    run = barcode({"-o", out, "CODE128", "AB'C", "--no-text"}, chinese);
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.errText(),
             QString::fromUtf8(
                 "sprtool barcode: 错误代码 7：条码格式错误，本条码内容仅包含数字与英文字母及部分符号！\n"));
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("old bytes"));
}

void sprtoolBarcodeTest::tooWideWritesNothing()
{
    QFile::remove(out);
    const sprtoolRun run = barcode({"code128", QString(1500, QLatin1Char('x')), "-o", out});
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.errText(), arialWarning() + "sprtool barcode: error code 0: Barcode format error!\n");
    QVERIFY(!QFile::exists(out));
}

void sprtoolBarcodeTest::usageErrors_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("problem"); // the first line names what is at fault
    QTest::newRow("nothing") << QStringList{} << "missing argument SYMBOLOGY";
    QTest::newRow("no output") << QStringList{"ean13", "6901234567892"} << "no output given";
    QTest::newRow("no content") << QStringList{"ean13", "-o", "x.png"} << "missing argument CONTENT";
    QTest::newRow("unknown symbology")
        << QStringList{"qr", "1", "-o", "x.png"} << "invalid value \"qr\" for SYMBOLOGY";
    QTest::newRow("mode 7") << QStringList{"7", "1", "-o", "x.png"} << "invalid value \"7\" for SYMBOLOGY";
    QTest::newRow("module 0") << QStringList{"--module", "0", "ean13", "1", "-o", "x.png"}
                              << "invalid value \"0\" for --module";
    QTest::newRow("height text") << QStringList{"--height=tall", "ean13", "1", "-o", "x.png"}
                                 << "invalid value \"tall\" for --height";
    QTest::newRow("unknown option") << QStringList{"--bold", "ean13", "1", "-o", "x.png"}
                                    << "unknown option \"--bold\"";
    QTest::newRow("unknown short option")
        << QStringList{"-x", "ean13", "1", "-o", "x.png"} << "unknown option \"-x\"";
    QTest::newRow("extra argument") << QStringList{"ean13", "1", "2", "-o", "x.png"}
                                    << "unexpected argument \"2\"";
    QTest::newRow("two outputs") << QStringList{"ean13", "1", "-o", "x.png", "--output=y.png"}
                                 << "option --output may be given only once";
    QTest::newRow("missing value") << QStringList{"ean13", "1", "-o"} << "option -o needs a value";
    QTest::newRow("value for a switch")
        << QStringList{"ean13", "1", "--no-text=yes", "-o", "x.png"} << "option --no-text takes no value";
    QTest::newRow("content twice") << QStringList{"ean13", "1", "--content-file", "c", "-o", "x.png"}
                                   << "content given twice";
}

void sprtoolBarcodeTest::usageErrors()
{
    QFETCH(QStringList, args);
    QFETCH(QString, problem);
    const sprtoolRun run = barcode(args);
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.errText().startsWith("sprtool barcode: " + problem), run.err);
    QVERIFY2(run.err.endsWith("run \"sprtool barcode --help\" for its usage\n"), run.err);
    QCOMPARE(run.out, QByteArray());
    QVERIFY(!QFile::exists("x.png") && !QFile::exists("y.png"));
}

void sprtoolBarcodeTest::helpAndOptionForms()
{
    const sprtoolRun help = barcode({"--help"});
    QCOMPARE(help.exitCode, 0);
    QVERIFY(help.out.startsWith("Usage: sprtool barcode [OPTIONS] SYMBOLOGY [CONTENT]\n"));
    for (const char *option :
         {"-o, --output FILE", "--content-file FILE", "--module D", "--height E", "--no-text", "Exit codes:"})
        QVERIFY2(help.out.contains(option), option);
    QCOMPARE(help.err, QByteArray());

    // "--opt=value", "--opt value" and the short name draw the same picture, written to standard output.
    const QImage expected = drawn(2, "ABC", false, 3, 80);
    for (const QStringList &args :
         {QStringList{"--module=3", "--height=80", "--no-text", "code39", "ABC", "-o", "-"},
          QStringList{"code39", "--module", "3", "--no-text", "--height", "80", "--output", "-", "ABC"},
          QStringList{"-o-", "--no-text", "--module", "3", "--height=80", "--", "code39", "ABC"}}) {
        const sprtoolRun run = barcode(args);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(asArgb(QImage::fromData(run.out, "PNG")), asArgb(expected));
    }
}

void sprtoolBarcodeTest::contentFromAFileOrStandardInput()
{
    const QString content = dir.filePath("content.txt");
    QFile file(content);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("-12345ABC\n"); // an editor's line end is no part of the content
    file.close();
    const QImage expected = drawn(6, "-12345ABC", false);
    sprtoolRun run = barcode({"code128", "--no-text", "--content-file", content, "-o", out});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(asArgb(QImage(out)), asArgb(expected));

    sprtoolOptions piped;
    piped.input = "-12345ABC";
    run = barcode({"code128", "--no-text", "--content-file=-", "-o", "-"}, piped);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(asArgb(QImage::fromData(run.out, "PNG")), asArgb(expected));

    // A megabyte is read whole and judged by the symbology, not cut at a length of the command line.
    piped.input = QByteArray(1024 * 1024, '7');
    QFile::remove(out);
    run = barcode({"code128", "--no-text", "--content-file", "-", "-o", out}, piped);
    QCOMPARE(run.exitCode, 1);
    QCOMPARE(run.errText(), QString("sprtool barcode: error code 0: Barcode format error!\n"));
    QVERIFY(!QFile::exists(out));

    run = barcode({"code128", "--content-file", dir.filePath("absent.txt"), "-o", out});
    QCOMPARE(run.exitCode, 2);
    QVERIFY2(run.errText().startsWith("sprtool barcode: cannot read " + dir.filePath("absent.txt")), run.err);
    QVERIFY(!QFile::exists(out));
}

void sprtoolBarcodeTest::missingFontIsTold()
{
    sprtoolOptions noFonts;
    noFonts.environment << "FONTCONFIG_FILE=" + writeEmptyFontconfig(dir.path());
    const sprtoolRun run = barcode({"ean13", "6901234567892", "-o", out}, noFonts);
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.errText().startsWith("sprtool barcode: font \"arial\" is not installed"), run.err);
    QVERIFY(QFile::exists(out));
    QCOMPARE(barcode({"ean13", "6901234567892", "--no-text", "-o", out}, noFonts).err, QByteArray());
}

void sprtoolBarcodeTest::failedOutputExitsWithTwo()
{
    // A folder in the way, a folder that does not exist and a full device: nothing is left behind.
    QVERIFY(QDir(dir.path()).mkpath("folder"));
    for (const QString &target :
         {dir.filePath("folder"), dir.filePath("none/out.png"), QString("/dev/full")}) {
        const sprtoolRun run = barcode({"ean8", "1234567", "--no-text", "-o", target});
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.errText().startsWith("sprtool barcode: cannot write " + target), run.err);
    }
    QVERIFY(!QFile::exists(dir.filePath("none")));
}

// One content per line of standard input, each written to the -o pattern as a single run writes it;
// refused lines are told with their numbers and leave no file.
void sprtoolBarcodeTest::batch_data()
{
    QTest::addColumn<QStringList>("command");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QByteArray>("lines");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("files");    // written, in line order
    QTest::addColumn<QStringList>("contents"); // what each file holds
    QTest::addColumn<QList<int>>("refused");   // line numbers told on standard error
    QTest::newRow("refused lines") << QStringList{"barcode", "ean13"} << "{n}.png"
                                   << QByteArray("6901234567892\n12345\n\n4006381333931\r\n") << 1
                                   << QStringList{"1.png", "4.png"}
                                   << QStringList{"6901234567892", "4006381333931"} << QList<int>{2, 3};
    QTest::newRow("names from contents")
        << QStringList{"qr", "--scale", "3"} << "q-{content}.png" << QByteArray("a/b\n../x\nhello") << 0
        << QStringList{"q-a_b.png", "q-_.._x.png", "q-hello.png"} << QStringList{"a/b", "../x", "hello"}
        << QList<int>();
    QTest::newRow("a name twice") << QStringList{"barcode", "code128", "--no-text"} << "{content}.png"
                                  << QByteArray("A?\nA*\nB\n") << 1 << QStringList{"A_.png", "B.png"}
                                  << QStringList{"A?", "B"} << QList<int>{2};
    QTest::newRow("zero-padded numbers")
        << QStringList{"qr"} << "{n}.png" << QByteArray("1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n") << 0
        << QStringList{"01.png", "02.png", "03.png", "04.png", "05.png",
                       "06.png", "07.png", "08.png", "09.png", "10.png"}
        << QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"} << QList<int>();
}

void sprtoolBarcodeTest::batch()
{
    QFETCH(QStringList, command);
    QFETCH(QString, pattern);
    QFETCH(QByteArray, lines);
    QFETCH(int, exitCode);
    QFETCH(QStringList, files);
    QFETCH(QStringList, contents);
    QFETCH(QList<int>, refused);
    QTemporaryDir batchDir;
    QVERIFY(batchDir.isValid());
    sprtoolOptions input;
    input.input = lines;
    const sprtoolRun run =
        runSprtool(command + QStringList{"--batch", "-", "-o", batchDir.filePath(pattern)}, input);
    QCOMPARE(run.exitCode, exitCode);
    for (int line = 1; line <= lines.count('\n') + 1; ++line)
        QCOMPARE(run.errText().contains(QStringLiteral(": line %1: ").arg(line)), refused.contains(line));
    QStringList sorted = files;
    sorted.sort();
    QStringList found = QDir(batchDir.path()).entryList(QDir::Files | QDir::Hidden);
    found.sort();
    QCOMPARE(found, sorted);
    for (int i = 0; i < files.size(); ++i) {
        const QString single = dir.filePath("single.png");
        QCOMPARE(runSprtool(command + QStringList{contents.at(i), "-o", single}).exitCode, 0);
        QFile one(single);
        QFile batched(batchDir.filePath(files.at(i)));
        QVERIFY(one.open(QIODevice::ReadOnly) && batched.open(QIODevice::ReadOnly));
        QVERIFY2(one.readAll() == batched.readAll(), qPrintable(files.at(i)));
    }
}

QTEST_MAIN(sprtoolBarcodeTest)
#include "test_sprtool_barcode.moc"
