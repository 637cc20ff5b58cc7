// sprtool info, resave, render and check, run as the operator's scripts run them.
#include "designfixtures.h"
#include "hostiledesigns.h"
#include "nondesigns.h"
#include "sprtoolprocess.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace
{
sprtoolRun sprtool(const QStringList &args, const sprtoolOptions &options = {})
{
    return runSprtool(args, options);
}
// The exit code and the child's peak memory in bytes.
std::pair<int, qint64> sprtoolMemory(const QStringList &args)
{
    const sprtoolCost cost = measureSprtool(args);
    return {cost.exitCode, cost.peakBytes};
}

// Under AddressSanitizer a process holds shadow memory and a quarantine of freed blocks (256 MB by
// default), so peaks say nothing about the program: there only the exit codes and outputs are checked.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool peaksMeasurable = false;
#else
constexpr bool peaksMeasurable = true;
#endif

} // namespace

class SprToolTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("spr.document.debug=false"));
        QVERIFY(dir.isValid());
        QGraphicsScene scene;
        setUpDesignScene(scene);
        addText(scene, QStringLiteral("A=1"), {10, 0})->setRotation(30);
        addCounter(scene, {700, 0})->mode = 3;
        addBarcode(scene, {1500, 0});
        addQRCode(scene, {2200, 0});
        addImage(scene, QString(), {2600, 10});
        design = dir.filePath(QStringLiteral("design.spr"));
        QVERIFY(saveSprFile(design, scene));
        designBytes = sprFileBytes(scene);
        delete scene.items().first(); // the image, whose picture the printer's folder lacks
        clean = dir.filePath(QStringLiteral("clean.spr"));
        QVERIFY(saveSprFile(clean, scene));
        cleanBytes = sprFileBytes(scene);
        writeFile(dir.filePath(QStringLiteral("noheader.spr")), "SceneWidth =0\r\n");
        QGraphicsScene fontless; // nothing drawn with a font, so nothing depends on the machine's fonts
        setUpDesignScene(fontless);
        addQRCode(fontless, {0, 0});
        QVERIFY(saveSprFile(dir.filePath(QStringLiteral("qronly.spr")), fontless));
        qrOnlyBytes = sprFileBytes(fontless);
    }

    // The output's extension chooses the format; preview values change what is drawn, never the file.
    void renderFormatsAndPreview()
    {
        const struct {
            const char *name;
            QByteArray start;
        } formats[] = {{"out.png", "\x89PNG"}, {"out.pdf", "%PDF-"}, {"out.SVG", "<?xml"}};
        for (const auto &format : formats) {
            const QString out = dir.filePath(QLatin1String(format.name));
            QCOMPARE(sprtool({"render", design, "-o", out, "--dpi", "300"}).exitCode, 0);
            QFile file(out);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QVERIFY2(file.readAll().startsWith(format.start), format.name);
        }
        const sprtoolRun zero = sprtool({"render", design, "-o", "-", "--at", "2024-02-29T23:59:00"});
        const sprtoolRun counted = sprtool({"render", design, "-o", "-", "--counter1", "4321"});
        QCOMPARE(zero.exitCode, 0);
        QCOMPARE(counted.exitCode, 0);
        QVERIFY(zero.out.startsWith("\x89PNG"));
        QVERIFY(zero.out != counted.out);
        QFile saved(design);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), designBytes);
    }

    void infoPrintsTheItemsInFileOrder()
    {
        const sprtoolRun r = sprtool({QStringLiteral("info"), design});
        QCOMPARE(r.exitCode, 0);
        const QJsonObject info = QJsonDocument::fromJson(r.out).object();
        QCOMPARE(info["sceneRect"].toObject()["width"].toDouble(), 80000.0);
        QCOMPARE(info["header"].toObject()["totalItemNum"].toInt(), 5);
        const QJsonArray items = info["items"].toArray();
        QStringList kinds;
        for (const QJsonValue &item : items)
            kinds << item.toObject()["kind"].toString();
        QCOMPARE(kinds, (QStringList{"image", "qrcode", "barcode", "counter", "text"}));
        const QJsonObject image = items[0].toObject();
        QCOMPARE(image["pixPath"].toString(), QStringLiteral("/udisk/bmp/"));
        QCOMPARE(image["pictureWidth"].toInt(), 240);
        const QJsonObject bar = items[2].toObject();
        QCOMPARE(bar["content"].toString(), QStringLiteral("6901234567892"));
        QCOMPARE(bar["mode"].toInt(), 0);
        QCOMPARE(bar["isTextOn"].toBool(), true);
        QCOMPARE(bar["lineWidth"].toInt(), 5);
        QCOMPARE(bar["pictureHeight"].toInt(), 275);
        const QJsonObject counter = items[3].toObject();
        QCOMPARE(counter["mode"].toInt(), 3);
        QCOMPARE(counter["shownText"].toString(), QStringLiteral("000"));
        QCOMPARE(counter["pixelSize"].toInt(), 150);
        const QJsonObject text = items[4].toObject();
        QCOMPARE(text["content"].toString(), QStringLiteral("A=1"));
        QCOMPARE(text["rotation"].toDouble(), 30.0);
        QCOMPARE(text["x"].toDouble(), 10.0);
        QCOMPARE(text["fontFamily"].toString(), QStringLiteral("simsun"));
        QVERIFY(text["itemFont"].toString().startsWith(QStringLiteral("simsun,")));
        QCOMPARE(info["header"].toObject()["sceneHeight"].toDouble(), 300.0);
        QCOMPARE(text["extDataStartLine"].toInt(), 1);
        QCOMPARE(items[1].toObject()["scale"].toInt(), 13);
    }

    void resaveWritesWhatTheDesignerWrites()
    {
        const QString out = dir.filePath(QStringLiteral("resaved.spr"));
        QCOMPARE(sprtool({QStringLiteral("resave"), design, out}).exitCode, 0);
        QFile file(out);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), designBytes);
    }

    void renderPaintsTheStripOnWhite()
    {
        const QString png = dir.filePath(QStringLiteral("design.png"));
        QCOMPARE(sprtool({QStringLiteral("render"), design, QStringLiteral("-o"), png}).exitCode, 0);
        const QImage picture(png);
        QCOMPARE(picture.size(), QSize(2840, 300)); // to the image item's right edge
        QCOMPARE(QColor(picture.pixel(2000, 290)), QColor(Qt::white));
        int dark = 0;
        for (int x = 1500; x < 2065; ++x)
            dark += qGray(picture.pixel(x, 100)) < 128;
        QVERIFY(dark > 50); // the bars

        QCOMPARE(sprtool({QStringLiteral("render"), design, QStringLiteral("-o"), png,
                          QStringLiteral("--scale"), QStringLiteral("0.5")})
                     .exitCode,
                 0);
        QCOMPARE(QImage(png).size(), QSize(1420, 150));
    }

    void checkReportsLineByLine()
    {
        // A sound design (an EAN-13 with its digits among its items) passes on a machine without its
        // fonts: the fonts this machine lacks are notes at the lines that name them.
        const sprtoolRun good = sprtool({QStringLiteral("check"), clean});
        QCOMPARE(good.exitCode, 0);
        const QStringList cleanLines = linesOf(cleanBytes);
        const int textFont = cleanLines.indexOf(QRegularExpression("^[A-Za-z]+Font =simsun,.*")) + 1;
        const int barText = cleanLines.indexOf(QStringLiteral("BarIsTextOn =1")) + 1;
        QVERIFY(textFont > 0 && barText > 0);
        const QString note = QStringLiteral("%1: note (this machine): %2");
        QStringList expected{note.arg(textFont).arg(fontWarningLine("check", "simsun").mid(15).trimmed()),
                             note.arg(barText).arg(fontWarningLine("check", "arial").mid(15).trimmed())};
        if (barText < textFont)
            expected.swapItemsAt(0, 1);
        QCOMPARE(QString::fromUtf8(good.out).split('\n', Qt::SkipEmptyParts), expected);

        QStringList lines = linesOf(designBytes);
        setKey(lines, QStringLiteral("BarMode"), QStringLiteral("9"));
        setKey(lines, QStringLiteral("QRcodeContent"), QString(3000, QLatin1Char('x')));
        setKey(lines, QStringLiteral("QRcodeLevel"), QStringLiteral("3"));
        lines.insert(lines.indexOf(QStringLiteral("[CntItemInfo]")), QString());
        const QString flawed = dir.filePath(QStringLiteral("flawed.spr"));
        QFile file(flawed);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(fileOf(lines));
        file.close();
        const sprtoolRun r = sprtool({QStringLiteral("check"), flawed});
        QCOMPARE(r.exitCode, 1);
        const QStringList report = QString::fromUtf8(r.out).split('\n', Qt::SkipEmptyParts);
        const int barMode = lines.indexOf(QStringLiteral("BarMode =9")) + 1;
        QVERIFY2(
            report.contains(QStringLiteral("%1: BarMode: 9 is outside 0 to 6, the range the designer allows")
                                .arg(barMode)),
            r.out);
        QVERIFY2(r.out.contains("is too long for any QR code version"), r.out);
        QVERIFY2(r.out.contains("expected an item section header, found \"\""), r.out);
        QVERIFY2(r.out.contains("picture \"/udisk/bmp/\" not found"), r.out);
        for (const QString &line : report)
            QVERIFY2(QRegularExpression(QStringLiteral("^\\d+: \\S")).match(line).hasMatch(),
                     qPrintable(line));
    }

    void checkNamesAMissingHeader()
    {
        const QString path = dir.filePath(QStringLiteral("noheader.spr"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("SceneWidth =0\r\n");
        file.close();
        const sprtoolRun r = sprtool({QStringLiteral("check"), path});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.out.startsWith("1: missing header"), r.out);
    }

    // resave, render and info refuse what the window refuses as no design, the file keeping its bytes
    // and no output written; what the printer reads is still read.
    void nonDesignsAreRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("design");
        for (const auto &file : nonDesigns::refused(designBytes))
            QTest::newRow(qPrintable(file.first)) << file.second << false;
        for (const auto &file : nonDesigns::readByThePrinter(designBytes))
            QTest::newRow(qPrintable(file.first)) << file.second << true;
    }
    void nonDesignsAreRefused()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, design);
        const QString path = dir.filePath(QStringLiteral("nondesign.spr"));
        const QString out = dir.filePath(QStringLiteral("nondesign.png"));
        writeFile(path, bytes);
        const QList<QStringList> commands{
            {"resave", path, path}, {"render", path, "-o", out}, {"info", path}};
        for (const QStringList &args : commands) {
            QFile::remove(out);
            const sprtoolRun r = sprtool(args);
            QCOMPARE(r.exitCode, design ? 0 : 2);
            if (!design) {
                QVERIFY2(
                    r.errText().startsWith(QStringLiteral("sprtool %1: cannot read %2: The first line of "
                                                          "the file is not [FileInfo]: it is not a design")
                                               .arg(args.first(), path)),
                    r.err);
                QCOMPARE(r.out, QByteArray());
                QVERIFY(!QFile::exists(out));
            }
        }
        QCOMPARE(contentsOf(path), design ? designBytes : bytes);
    }

    void helpOfEveryCommand_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("usage");
        QTest::newRow("sprtool") << QStringList{"--help"} << "Usage: sprtool COMMAND";
        QTest::newRow("sprtool -h") << QStringList{"-h"} << "Usage: sprtool COMMAND";
        QTest::newRow("info") << QStringList{"info", "--help"} << "Usage: sprtool info [OPTIONS] FILE...";
        QTest::newRow("check") << QStringList{"check", "-h"} << "Usage: sprtool check [OPTIONS] FILE...";
        QTest::newRow("resave") << QStringList{"resave", "--help"}
                                << "Usage: sprtool resave [OPTIONS] IN [OUT]";
        QTest::newRow("render") << QStringList{"render", "x.spr", "--help"}
                                << "Usage: sprtool render [OPTIONS] FILE";
        QTest::newRow("barcode") << QStringList{"barcode", "--help"} << "Usage: sprtool barcode";
        QTest::newRow("qr") << QStringList{"qr", "--help"} << "Usage: sprtool qr [OPTIONS] [CONTENT]";
    }

    // Help goes to standard output with exit 0 and always ends with the table of exit codes.
    void helpOfEveryCommand()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, usage);
        const sprtoolRun r = sprtool(args);
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.err, QByteArray());
        QVERIFY2(r.out.startsWith(usage.toUtf8()), r.out);
        QVERIFY2(r.out.contains("Exit codes:\n  0  success\n  1  content refused (barcode, qr) or findings "
                                "(check)\n  2  usage error, unreadable input or failed output"),
                 r.out);

        // The manual page and the README name every option the help names.
        QFile man(QStringLiteral(SPR_TEST_DATA "/../../docs/man/sprtool.1"));
        QVERIFY(man.open(QIODevice::ReadOnly));
        const QString manual =
            QString::fromUtf8(man.readAll()).replace(QStringLiteral("\\-"), QStringLiteral("-"));
        QFile readme(QStringLiteral(SPR_TEST_DATA "/../../README.md"));
        QVERIFY(readme.open(QIODevice::ReadOnly));
        const QString readmeText = QString::fromUtf8(readme.readAll());
        QRegularExpressionMatchIterator options =
            QRegularExpression(QStringLiteral("--[a-z][a-z-]+")).globalMatch(QString::fromUtf8(r.out));
        while (options.hasNext()) {
            const QString option = options.next().captured();
            QVERIFY2(manual.contains(option), qPrintable(option));
            QVERIFY2(readmeText.contains(option), qPrintable(option));
        }
    }

    void versionAndUnknownCommand()
    {
        const sprtoolRun version = sprtool({"--version"});
        QCOMPARE(version.exitCode, 0);
        QVERIFY2(QRegularExpression("^sprtool \\d+\\.\\d+").match(QString::fromUtf8(version.out)).hasMatch(),
                 version.out);
        const sprtoolRun none = sprtool({});
        QCOMPARE(none.exitCode, 2);
        QVERIFY(none.err.startsWith("Usage: sprtool COMMAND"));
        QCOMPARE(none.out, QByteArray());
        const sprtoolRun unknown = sprtool({"print", design});
        QCOMPARE(unknown.exitCode, 2);
        QVERIFY2(unknown.err.startsWith("sprtool: unknown command \"print\"\n"), unknown.err);
    }

    void exitCodes_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("problem"); // begins the first line on standard error
        const QString absent = QStringLiteral("DIR/absent.spr");
        QTest::newRow("info") << QStringList{"info", "DESIGN"} << 0 << "";
        QTest::newRow("info --") << QStringList{"info", "--", "DESIGN"} << 0 << "";
        QTest::newRow("resave") << QStringList{"resave", "DESIGN", "DIR/out.spr"} << 0 << "";
        QTest::newRow("resave -o=") << QStringList{"resave", "--output=DIR/out.spr", "DESIGN"} << 0 << "";
        QTest::newRow("render") << QStringList{"render", "-o", "DIR/out.png", "--", "DESIGN"} << 0 << "";
        QTest::newRow("check clean") << QStringList{"check", "DIR/qronly.spr"} << 0 << "";
        QTest::newRow("check clean twice")
            << QStringList{"check", "DIR/qronly.spr", "DIR/qronly.spr"} << 0 << "";
        QTest::newRow("check findings") << QStringList{"check", "DIR/noheader.spr"} << 1 << "";
        QTest::newRow("check worst is 1")
            << QStringList{"check", "DIR/qronly.spr", "DIR/noheader.spr"} << 1 << "";
        QTest::newRow("info no file") << QStringList{"info"} << 2 << "sprtool info: missing argument FILE...";
        QTest::newRow("info unknown option")
            << QStringList{"info", "--all", "DESIGN"} << 2 << "sprtool info: unknown option \"--all\"";
        QTest::newRow("info absent") << QStringList{"info", absent} << 2
                                     << "sprtool info: cannot read DIR/absent.spr";
        QTest::newRow("info folder") << QStringList{"info", "DIR"} << 2 << "sprtool info: cannot read DIR";
        QTest::newRow("check absent")
            << QStringList{"check", absent} << 2 << "sprtool check: cannot read DIR/absent.spr";
        QTest::newRow("resave no output")
            << QStringList{"resave", "DESIGN"} << 2 << "sprtool resave: no output given";
        QTest::newRow("resave two outputs")
            << QStringList{"resave", "DESIGN", "DIR/out.spr", "-o", "DIR/o.spr"} << 2
            << "sprtool resave: output given twice";
        QTest::newRow("resave no folder") << QStringList{"resave", "DESIGN", "DIR/no/out.spr"} << 2
                                          << "sprtool resave: cannot write DIR/no/out.spr";
        QTest::newRow("resave onto a folder")
            << QStringList{"resave", "DESIGN", "DIR"} << 2 << "sprtool resave: cannot write DIR";
        QTest::newRow("render no output")
            << QStringList{"render", "DESIGN"} << 2 << "sprtool render: no output given";
        QTest::newRow("render two files") << QStringList{"render", "DESIGN", "DESIGN", "-o", "DIR/out.png"}
                                          << 2 << "sprtool render: unexpected argument \"DESIGN\"";
        QTest::newRow("render scale -1")
            << QStringList{"render", "DESIGN", "-o", "DIR/out.png", "--scale", "-1"} << 2
            << "sprtool render: invalid value \"-1\" for --scale";
        QTest::newRow("render scale twice")
            << QStringList{"render", "DESIGN", "-o", "DIR/out.png", "--scale", "1", "--scale=2"} << 2
            << "sprtool render: option --scale may be given only once";
        QTest::newRow("render too large")
            << QStringList{"render", "DESIGN", "-o", "DIR/out.png", "--scale", "1000"} << 2
            << "sprtool render: A picture of 2840000 × 300000 pixels is too large";
        QTest::newRow("render bad moment")
            << QStringList{"render", "DESIGN", "-o", "DIR/out.png", "--at", "tomorrow"} << 2
            << "sprtool render: invalid value \"tomorrow\" for --at";
        QTest::newRow("render counter too wide")
            << QStringList{"render", "DESIGN", "-o", "DIR/out.png", "--counter1=100000000"} << 2
            << "sprtool render: invalid value \"100000000\" for --counter1";
        QTest::newRow("render full device") << QStringList{"render", "DESIGN", "-o", "/dev/full"} << 2
                                            << "sprtool render: cannot write /dev/full";
    }

    // One table for every command; nothing is written on 1 or 2.
    void exitCodes()
    {
        QFETCH(QStringList, args);
        QFETCH(int, exitCode);
        QFETCH(QString, problem);
        args.replaceInStrings(QStringLiteral("DESIGN"), design);
        args.replaceInStrings(QStringLiteral("DIR"), dir.path());
        problem.replace(QStringLiteral("DESIGN"), design);
        problem.replace(QStringLiteral("DIR"), dir.path());
        const QStringList outputs{dir.filePath("out.spr"), dir.filePath("o.spr"), dir.filePath("out.png")};
        for (const QString &output : outputs)
            QFile::remove(output);
        const QStringList before = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
        const sprtoolRun r = sprtool(args);
        QCOMPARE(r.exitCode, exitCode);
        if (exitCode == 2) // after any font warnings
            QVERIFY2(r.errText().startsWith(problem) || r.errText().contains('\n' + problem), r.err);
        QStringList after = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
        if (exitCode != 0) {
            QCOMPARE(after, before); // neither the output nor a temporary file
        } else {
            for (const QString &output : outputs)
                after.removeOne(QFileInfo(output).fileName());
            QCOMPARE(after, before);
        }
    }

    // "-" reads standard input and writes standard output; a pipe of resaves keeps every byte.
    void standardStreams()
    {
        sprtoolOptions piped;
        piped.input = designBytes;
        const sprtoolRun resaved = sprtool({"resave", "-", "-"}, piped);
        QCOMPARE(resaved.exitCode, 0);
        QCOMPARE(resaved.out, designBytes);

        QProcess shell;
        shell.start("sh", {"-c", QStringLiteral("'%1' resave '%2' - | '%1' resave - - | '%1' resave - -o -")
                                     .arg(SPRTOOL_PATH, design)});
        QVERIFY(shell.waitForFinished(60000));
        QCOMPARE(shell.exitCode(), 0);
        QCOMPARE(shell.readAllStandardOutput(), designBytes);

        const sprtoolRun info = sprtool({"info", "-"}, piped);
        QCOMPARE(info.exitCode, 0);
        const QJsonObject object = QJsonDocument::fromJson(info.out).object();
        QCOMPARE(object["path"].toString(), QStringLiteral("-"));
        QCOMPARE(object["items"].toArray().size(), 5);

        const sprtoolRun check = sprtool({"check", "-"}, piped);
        QCOMPARE(check.exitCode, 1);
        QVERIFY2(check.out.contains("picture \"/udisk/bmp/\" not found"), check.out);

        const QString png = dir.filePath("streams.png");
        QCOMPARE(sprtool({"render", design, "-o", png}).exitCode, 0);
        const sprtoolRun rendered = sprtool({"render", "-", "-o", "-"}, piped);
        QCOMPARE(rendered.exitCode, 0);
        QFile file(png);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(rendered.out, file.readAll());

        const sprtoolRun twice = sprtool({"info", "-", design, "-"}, piped);
        QCOMPARE(twice.exitCode, 2);
        QVERIFY2(twice.errText().startsWith("sprtool info: standard input (-) can be read only once"),
                 twice.err);
        QCOMPARE(twice.out, QByteArray());
    }

    // A full standard output, a file size limit: exit 2, and no file or temporary file stays.
    void failedOutputsExitWithTwo_data()
    {
        QTest::addColumn<QString>("script"); // run by sh with $T the tool, $D the design, $O the output
        QTest::newRow("info to a full device") << "\"$T\" info \"$D\" > /dev/full";
        QTest::newRow("check to a full device") << "\"$T\" check \"$D\" > /dev/full";
        QTest::newRow("resave to a full device") << "\"$T\" resave \"$D\" - > /dev/full";
        QTest::newRow("render to a full device") << "\"$T\" render \"$D\" -o - > /dev/full";
        QTest::newRow("help to a full device") << "\"$T\" render --help > /dev/full";
        QTest::newRow("render beyond ulimit -f") << "ulimit -f 2; exec \"$T\" render \"$D\" -o \"$O\"";
        QTest::newRow("resave beyond ulimit -f") << "ulimit -f 1; exec \"$T\" resave \"$D\" \"$O\"";
    }

    void failedOutputsExitWithTwo()
    {
        QFETCH(QString, script);
        const QString out = dir.filePath("limited/out");
        QVERIFY(QDir(dir.path()).mkpath("limited"));
        QProcess shell;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("T", SPRTOOL_PATH);
        env.insert("D", design);
        env.insert("O", out);
        env.insert("LC_ALL", "C.UTF-8");
        env.insert("QT_QPA_PLATFORM", "offscreen");
        shell.setProcessEnvironment(env);
        shell.start("sh", {"-c", script});
        QVERIFY(shell.waitForFinished(60000));
        QCOMPARE(shell.exitStatus(), QProcess::NormalExit);
        QCOMPARE(shell.exitCode(), 2);
        const QByteArray err = shell.readAllStandardError();
        QVERIFY2(err.contains(": cannot write "), err);
        QCOMPARE(
            QDir(dir.filePath("limited")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
            QStringList());
    }

    // Several files: one JSON line or report per file, the worst exit code of them.
    void severalFiles()
    {
        const QString absent = dir.filePath("absent.spr");
        const QString noHeader = dir.filePath("noheader.spr");
        const sprtoolRun info = sprtool({"info", design, absent, clean});
        QCOMPARE(info.exitCode, 2);
        QVERIFY2(info.errText().startsWith("sprtool info: cannot read " + absent), info.err);
        const QList<QByteArray> lines = info.out.split('\n');
        QCOMPARE(lines.size(), 3); // two objects, each ending in a line end
        QCOMPARE(lines.at(2), QByteArray());
        QCOMPARE(QJsonDocument::fromJson(lines.at(0)).object()["path"].toString(), design);
        QCOMPARE(QJsonDocument::fromJson(lines.at(1)).object()["path"].toString(), clean);
        QCOMPARE(QJsonDocument::fromJson(lines.at(1)).object()["items"].toArray().size(), 4);

        const sprtoolRun check = sprtool({"check", noHeader, design});
        QCOMPARE(check.exitCode, 1);
        const QStringList report = QString::fromUtf8(check.out).split('\n', Qt::SkipEmptyParts);
        QVERIFY(!report.isEmpty());
        QVERIFY2(report.first().startsWith(noHeader + ":1: missing header"), qPrintable(report.first()));
        QVERIFY2(QRegularExpression("^" + QRegularExpression::escape(design) + ":\\d+: picture .* not found",
                                    QRegularExpression::MultilineOption)
                     .match(QString::fromUtf8(check.out))
                     .hasMatch(),
                 check.out);
        for (const QString &line : report)
            QVERIFY2(line.startsWith(noHeader + ':') || line.startsWith(design + ':'), qPrintable(line));
        QCOMPARE(sprtool({"check", noHeader, absent}).exitCode, 2);
    }

    // No display is needed, whatever platform the environment names.
    void noDisplayNeeded()
    {
        sprtoolOptions xcb;
        xcb.environment << "QT_QPA_PLATFORM=xcb";
        xcb.unset << "DISPLAY"
                  << "WAYLAND_DISPLAY";
        const QString png = dir.filePath("xcb.png");
        const sprtoolRun render = sprtool({"render", design, "-o", png}, xcb);
        QCOMPARE(render.exitCode, 0);
        QCOMPARE(QImage(png).size(), QSize(2840, 300));
        QCOMPARE(sprtool({"info", design}, xcb).exitCode, 0);
        QCOMPARE(sprtool({"barcode", "ean8", "1234567", "-o", "-"}, xcb).exitCode, 0);
    }

    // Without any font installed, render warns about each family and check reports it at its line.
    void missingFontsAreTold()
    {
        sprtoolOptions noFonts;
        noFonts.environment << "FONTCONFIG_FILE=" + writeEmptyFontconfig(dir.path());
        const QString png = dir.filePath("nofonts.png");
        const sprtoolRun render = sprtool({"render", clean, "-o", png}, noFonts);
        QCOMPARE(render.exitCode, 0);
        QVERIFY(QFile::exists(png));
        QVERIFY2(render.errText().contains("sprtool render: font \"simsun\" is not installed"), render.err);
        QVERIFY2(render.errText().contains("sprtool render: font \"arial\" is not installed"), render.err);
        QCOMPARE(render.err.count("simsun"), 1); // each family once

        const sprtoolRun check = sprtool({"check", clean}, noFonts);
        QCOMPARE(check.exitCode, 0);
        const QStringList lines = linesOf(cleanBytes);
        const int textFont = lines.indexOf(QRegularExpression("^[A-Za-z]+Font =simsun,.*")) + 1;
        QVERIFY(textFont > 0);
        QVERIFY2(
            check.out.contains(QStringLiteral("%1: note (this machine): font \"simsun\" is not installed")
                                   .arg(textFont)
                                   .toUtf8()),
            check.out);
        QVERIFY2(check.out.contains("note (this machine): font \"arial\" is not installed"), check.out);
    }

    // Every line info prints, over the corpus of designs, fits the published schema.
    void infoMatchesItsSchema()
    {
        QStringList files{design, clean};
        const QString oddHeight = dir.filePath("oddheight.spr");
        QStringList lines = linesOf(designBytes);
        setKey(lines, QStringLiteral("SceneHeight"), QStringLiteral("tall"));
        writeFile(oddHeight, fileOf(lines));
        files << oddHeight;
        // Every value unreadable: the keys keep their types, the reader's stand-ins fill them.
        for (const QString &odd : {QStringLiteral("?"), QStringLiteral("nan"), QStringLiteral("-1e400")}) {
            QStringList garbled = linesOf(designBytes);
            for (QString &line : garbled) {
                if (line.contains(QLatin1String(" =")))
                    line = line.section(QLatin1Char('='), 0, 0) + QLatin1Char('=') + odd;
            }
            const QString path = dir.filePath(QStringLiteral("garbled%1.spr").arg(files.size()));
            writeFile(path, fileOf(garbled));
            files << path;
        }
        for (const QString &folder :
             {QStringLiteral(SPR_TEST_DATA "/golden"), QStringLiteral(SPR_TEST_DATA "/fuzzfound"),
              QStringLiteral(SPR_TEST_DATA "/../../fuzz/corpus/fuzz_sprreader")}) {
            for (const QFileInfo &file : QDir(folder).entryInfoList({"*.spr"}, QDir::Files)) {
                // Files that are no design or beyond a reader limit are refused, never described.
                QGraphicsScene scene;
                sprReadResult read;
                loadSprFile(file.filePath(), scene, &read);
                QByteArray bytes;
                if (read.limitExceeded.isEmpty() && readSprFileBytes(file.filePath(), &bytes, nullptr) &&
                    probeSprData(bytes) == sprFileStatus::ok)
                    files << file.filePath();
            }
        }
        QVERIFY(files.size() > 10);
        const sprtoolRun info = sprtool(QStringList{"info"} + files);
        QCOMPARE(info.exitCode, 0);
        QCOMPARE(info.out.count('\n'), files.size());

        // The unreadable height is null beside its text, the same types as a readable one.
        const QJsonObject odd = QJsonDocument::fromJson(info.out.split('\n').at(2)).object();
        QCOMPARE(odd["path"].toString(), oddHeight);
        QVERIFY(odd["header"].toObject()["sceneHeight"].isNull());
        QCOMPARE(odd["header"].toObject()["sceneHeightText"].toString(), QStringLiteral("tall"));

        QProcess validator;
        validator.start("python3", {SPR_TEST_DATA "/validate_json_lines.py",
                                    SPR_TEST_DATA "/../../docs/sprtool-info.schema.json"});
        QVERIFY(validator.waitForStarted());
        validator.write(info.out);
        validator.closeWriteChannel();
        QVERIFY(validator.waitForFinished(60000));
        const QByteArray verdict = validator.readAllStandardOutput() + validator.readAllStandardError();
        QVERIFY2(validator.exitCode() == 0, verdict);
        QVERIFY2(verdict.contains(QByteArray::number(files.size()) + " lines, 0 violations"), verdict);
    }

    void languageFollowsTheLocale_data()
    {
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<QString>("message");
        QTest::newRow("zh") << QStringList{"LC_ALL=zh_CN.UTF-8"} << QString::fromUtf8("无法读取 ");
        QTest::newRow("tr") << QStringList{"LC_ALL=tr_TR.UTF-8"} << QString::fromUtf8(" okunamıyor: ");
        QTest::newRow("ar") << QStringList{"LC_ALL=ar_SA.UTF-8"} << QString::fromUtf8("تعذّرت قراءة ");
        QTest::newRow("en") << QStringList{"LC_ALL=en_GB.UTF-8"} << "cannot read ";
        QTest::newRow("de is English") << QStringList{"LC_ALL=de_DE.UTF-8"} << "cannot read ";
        QTest::newRow("C is English") << QStringList{"LC_ALL=C"} << "cannot read ";
        QTest::newRow("LANG") << QStringList{"LANG=tr_TR.UTF-8"} << QString::fromUtf8(" okunamıyor: ");
        QTest::newRow("LC_MESSAGES before LANG")
            << QStringList{"LC_MESSAGES=zh_TW.UTF-8", "LANG=ar_EG.UTF-8"} << QString::fromUtf8("无法读取 ");
        QTest::newRow("LC_ALL before all") << QStringList{"LC_ALL=ar", "LC_MESSAGES=zh_CN", "LANG=tr_TR"}
                                           << QString::fromUtf8("تعذّرت قراءة ");
    }

    void languageFollowsTheLocale()
    {
        QFETCH(QStringList, environment);
        QFETCH(QString, message);
        sprtoolOptions options;
        options.locale.clear();
        options.unset << "LC_ALL"
                      << "LC_MESSAGES"
                      << "LANG"
                      << "LANGUAGE";
        options.environment = environment;
        const sprtoolRun r = sprtool({"info", dir.filePath("absent.spr")}, options);
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.errText().contains(message), r.err);
    }

    // Symbols whose pictures take hundreds of megabytes (QR version 40 at scale 40, barcodes at the
    // largest module width and height the reader takes) cost a small file no more than the bound, as
    // long as nothing paints them; a render holds its output and about one such picture at a time. Run
    // before the largest inputs, which the child's peak would count.
    void largeSymbolsAreBounded()
    {
        const QByteArray bytes = hostileDesigns::largeSymbols();
        const QString path = dir.filePath(QStringLiteral("symbols.spr"));
        writeFile(path, bytes);
        const qint64 bound = 50 * qint64(bytes.size()) + (64 << 20);
        readingCommandsStayWithin(path, dir.filePath(QStringLiteral("symbols-out.spr")), bound);
        if (QTest::currentTestFailed())
            return;
        const qint64 output = 76000ll * 300 * 4;
        const qint64 qrPicture = qint64(177 * 40 + 80) * (177 * 40 + 80) * 4;
        const auto [exitCode, memory] = sprtoolMemory(
            {QStringLiteral("render"), path, QStringLiteral("-o"), dir.filePath("symbols.png")});
        QCOMPARE(exitCode, 0);
        QVERIFY2(!peaksMeasurable || memory <= bound + output + 3 * qrPicture,
                 qPrintable(QString::number(memory)));
    }

    // The reader's findings are in the locale's language too, not only sprtool's own texts.
    void checkFollowsTheLocale_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("finding"); // the whole report of a file without a header
        QTest::addColumn<QString>("budget");  // the finding of a picture beyond the budget
        QTest::newRow("zh")
            << "zh_CN.UTF-8"
            << QString::fromUtf8("1: 缺少文件头：第一行是 \"SceneWidth =0\"，不是“[FileInfo]”；"
                                 "不读取任何内容\n")
            << QString::fromUtf8(
                   "图片将超过读取器对单张图片 256 MiB 的限额：设计软件显示一个占位框而不绘制它");
        QTest::newRow("tr") << "tr_TR.UTF-8"
                            << QString::fromUtf8("1: başlık eksik: ilk satır \"[FileInfo]\" değil, "
                                                 "\"SceneWidth =0\"; hiçbir şey okunmaz\n")
                            << QString::fromUtf8(
                                   "resim, okuyucunun tek bir resim için ayırdığı 256 MiB sınırını "
                                   "aşardı: tasarımcı onu çizmek yerine bir yer tutucu çerçeve gösterir");
        QTest::newRow("ar") << "ar_EG.UTF-8"
                            << QString::fromUtf8("1: الترويسة مفقودة: السطر الأول هو \"SceneWidth =0\" وليس "
                                                 "\"[FileInfo]\"؛ لا يُقرأ أي شيء\n")
                            << QString::fromUtf8(
                                   "ستتجاوز الصورة الحد الذي يسمح به القارئ للصورة الواحدة وهو 256 "
                                   "MiB: يعرض المصمم إطارًا بديلًا بدلًا من رسمها");
        QTest::newRow("C")
            << "C.UTF-8"
            << "1: missing header: the first line is \"SceneWidth =0\", not \"[FileInfo]\"; "
               "nothing is read\n"
            << "the picture would be beyond the reader's budget of 256 MiB for one picture: the "
               "designer shows a placeholder frame instead of drawing it";
    }
    void checkFollowsTheLocale()
    {
        QFETCH(QString, locale);
        QFETCH(QString, finding);
        QFETCH(QString, budget);
        sprtoolOptions options;
        options.locale = locale;
        const sprtoolRun found = sprtool({"check", dir.filePath("noheader.spr")}, options);
        QCOMPARE(found.exitCode, 1);
        QCOMPARE(QString::fromUtf8(found.out), finding);

        QStringList lines = linesOf(qrOnlyBytes);
        QVERIFY(setKey(lines, "QRcodeScale", "2000000000") >= 0);
        const QString huge = dir.filePath("hugeqr.spr");
        writeFile(huge, fileOf(lines));
        const sprtoolRun placeholder = sprtool({"check", huge}, options);
        QCOMPARE(placeholder.exitCode, 1);
        QVERIFY2(placeholder.errText().isEmpty(), placeholder.err);
        QVERIFY2(QString::fromUtf8(placeholder.out).contains(QStringLiteral("6: ") + budget),
                 placeholder.out);
    }

    // A picture file of a few bytes that states a picture of hundreds of megabytes (a GIF of 9000 x 9000
    // pixels) is refused before it is decoded: the item shows "NO IMG" and the commands stay small.
    void pictureBombsAreNotDecoded()
    {
        QByteArray gif("GIF89a");
        for (quint16 side : {quint16(9000), quint16(9000)})
            gif += char(side & 0xFF), gif += char(side >> 8);
        gif += QByteArray("\x80\x00\x00\x00\x00\x00\xFF\xFF\xFF", 9); // two colours
        gif += QByteArray(",\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x4C\x01\x00;", 16);
        const QString bomb = dir.filePath(QStringLiteral("bomb.gif"));
        writeFile(bomb, gif);
        QStringList lines = linesOf(designBytes);
        setKey(lines, QStringLiteral("ImagePixPath"), bomb);
        const QString path = dir.filePath(QStringLiteral("bomb.spr"));
        writeFile(path, fileOf(lines));
        const sprtoolRun check = sprtool({"check", path});
        QVERIFY2(check.out.contains("cannot be read as a picture"), check.out);
        for (const QStringList &args :
             {QStringList{"info", path}, QStringList{"render", path, "-o", dir.filePath("bomb.png")}}) {
            const auto [exitCode, memory] = sprtoolMemory(args);
            QCOMPARE(exitCode, 0);
            QVERIFY2(!peaksMeasurable || memory < (150 << 20), qPrintable(QString::number(memory)));
        }
    }

    // Hostile values cost at most 50 times the file's size in memory, and every command ends (the
    // time goals are measured in bench/).
    void hostileInputIsBounded_data()
    {
        // A key of the test design given a long value; with no key, that many small counters; a time
        // format, one time item.
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("length");
        // The largest last: the child's peak counts what the test held when it started the child.
        QTest::newRow("1 MB QR date/time format") << "QRcodeTimeModeStr" << 1000000;
        QTest::newRow("1 MB date/time format") << "TimeMode" << 1000000;
        QTest::newRow("1 MB QR content") << "QRcodeContent" << 1000000;
        QTest::newRow("items at the limit, small counters") << QString() << sprReadLimits().maxItems;
        QTest::newRow("60 MB text content") << "TextContent" << 60000000;
    }
    void hostileInputIsBounded()
    {
        QFETCH(QString, key);
        QFETCH(int, length);
        QByteArray bytes = designBytes;
        if (key.isEmpty()) {
            bytes = hostileDesigns::counters(length);
        } else if (key == QLatin1String("TimeMode")) {
            bytes = hostileDesigns::timeItem(QByteArray(length, 'y'));
        } else {
            const int at = bytes.indexOf(key.toLatin1() + " =");
            QVERIFY(at >= 0);
            const int end = bytes.indexOf('\r', at);
            bytes.replace(at, end - at, key.toLatin1() + " =" + QByteArray(length, 'y'));
        }
        const QString path = dir.filePath(QStringLiteral("hostile.spr"));
        writeFile(path, bytes);
        readingCommandsStayWithin(path, dir.filePath(QStringLiteral("hostile-out.spr")),
                                  50 * qint64(bytes.size()) + (64 << 20));
        if (QTest::currentTestFailed())
            return;
        // Nothing shortened: every section written, a long value whole.
        QFile out(dir.filePath(QStringLiteral("hostile-out.spr")));
        QVERIFY(out.open(QIODevice::ReadOnly));
        const QByteArray written = out.readAll();
        QCOMPARE(written.count("\r\n["), bytes.count("\r\n["));
        if (!key.isEmpty())
            QVERIFY(written.contains(key.toLatin1() + " =" + QByteArray(length, 'y') + "\r\n"));
    }

    // Beyond the item limit a design is refused, never shortened: nothing is written.
    void resaveRefusesADesignBeyondTheItemLimit()
    {
        const QList<QByteArray> lines = designBytes.split('\n');
        const int text = lines.indexOf("[TextItemInfo]\r");
        QVERIFY(text > 0);
        QByteArray section;
        for (int i = text;
             i < lines.size() && !lines.at(i).isEmpty() && (i == text || !lines.at(i).startsWith('[')); ++i)
            section += lines.at(i) + '\n';
        const int count = sprReadLimits().maxItems + 10000;
        QByteArray crowded = "[FileInfo]\r\nSceneWidth =0\r\nSceneHeight =300\r\nDynamicItemNum =0\r\n"
                             "TotalItemNum =" +
                             QByteArray::number(count) + "\r\n";
        crowded += section.repeated(count);
        const QString in = dir.filePath(QStringLiteral("crowded.spr"));
        QFile file(in);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(crowded);
        file.close();
        const QString out = dir.filePath(QStringLiteral("crowded-out.spr"));
        const sprtoolRun resave = sprtool({QStringLiteral("resave"), in, out});
        QCOMPARE(resave.exitCode, 2);
        QVERIFY(resave.err.contains(QByteArray::number(sprReadLimits().maxItems)));
        QVERIFY(!QFile::exists(out));
    }

private:
    // check, info and resave of one design: each finishes and peaks at `bound` bytes at most.
    void readingCommandsStayWithin(const QString &path, const QString &resaved, qint64 bound)
    {
        for (const char *command : {"check", "info", "resave"}) {
            QStringList args{QString::fromLatin1(command), path};
            if (qstrcmp(command, "resave") == 0)
                args << resaved;
            const auto [exitCode, memory] = sprtoolMemory(args);
            QVERIFY2(exitCode == 0 || exitCode == 1, command);
            QVERIFY2(!peaksMeasurable || memory <= bound,
                     qPrintable(QStringLiteral("%1: %2 bytes").arg(QLatin1String(command)).arg(memory)));
        }
    }
    static void writeFile(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    }
    static QByteArray contentsOf(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir;
    QString design;
    QString clean;
    QByteArray designBytes;
    QByteArray cleanBytes;
    QByteArray qrOnlyBytes;
};

QTEST_MAIN(SprToolTest)
#include "test_sprtool.moc"
