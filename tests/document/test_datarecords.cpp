// Data-file records through sprtool: every record of every data-file item checked, with the item, the
// file and the line named.
#include "sprtoolprocess.h"
#include "symbologytable.h"
#include "symbolscan.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace
{
// One section per item, as the writer writes them; {path}, {first} and {last} are filled in.
const char barSection[] = "[BarItemInfo]\nBarAtX =0\nBarAtY =0\nBarHeight =275\nBarRotate =0\n"
                          "BarContent =6901234567892\nBarMode =0\nBarIsTextOn =1\nBarLineWidth =5\n"
                          "BarIsExtVariable =1\nBarIsAllPrinted =0\nBarExtDataStartLine ={first}\n"
                          "BarExtDataEndLine ={last}\nBarExtDataFilePath ={path}\nBarExtDataCurLine =1\n"
                          "BarLineHeight =230\n";
const char qrSection[] = "[QRcodeItemInfo]\nQRcodeAtX =700\nQRcodeAtY =0\nQRcodeRotate =0\nQRcodeContent =x\n"
                         "QRcodeLevel =2\nQRcodeScale =5\nQRcodeVersion =1\nQRcodeConverse =0\n"
                         "QRcodeInsertCnt =0\nQRcodeCntMode =0\nQRcodeInsertCntPos =0\nQRcodeInsertTime =0\n"
                         "QRcodeTimeModeStr =\nQRcodeInsertTimePos =0\nQRcodeIsInsVariable =0\n"
                         "QRcodeIsExtVariable =1\nQRcodeExtStartLine ={first}\nQRcodeExtEndLine ={last}\n"
                         "QRcodeExtFilePath ={path}\nQRcodeIsAllPrinted =0\nQRcodeExtCurLine =1\n"
                         "QRcodeIsUartVariable =0\n";
const char textSection[] = "[TextItemInfo]\nTextAtX =1000\nTextAtY =0\nTextRotate =0\n"
                           "TextFont =DejaVu Sans,-1,100,5,50,0,0,0,0,0\nTextFontSize =100\nTextSpace =0\n"
                           "TextContent =x\nTextIsExtVariable =1\nTextIsAllPrinted =0\n"
                           "TextExtDataStartLine ={first}\nTextExtDataEndLine ={last}\n"
                           "TextExtDataFilePath ={path}\nTextExtDataCurLine =1\n";

QByteArray filled(const char *section, const QString &path, int first, int last)
{
    QByteArray item(section);
    item.replace("{path}", path.toUtf8()).replace("{first}", QByteArray::number(first));
    return item.replace("{last}", QByteArray::number(last));
}

QByteArray designOf(const QList<QByteArray> &items)
{
    QByteArray text = "[FileInfo]\nSceneWidth =2000\nSceneHeight =300\nDynamicItemNum =0\nTotalItemNum =" +
                      QByteArray::number(items.size()) + "\n";
    for (const QByteArray &item : items)
        text += item;
    return text.replace("\n", "\r\n");
}

QByteArray design(const char *section, const QString &path, int first, int last)
{
    return designOf({filled(section, path, first, last)});
}

QByteArray imageSection(const QString &path)
{
    return "[ImageItemInfo]\nImageAtX =900\nImageAtY =0\nImageWidth =20\nImageHeight =10\nImageRotate =0\n"
           "ImagePixPath =" +
           path.toUtf8() + "\nImageIsColorConverse =0\n";
}

// Every file below dir with its bytes, to see that a refused pack changed nothing.
QMap<QString, QByteArray> tree(const QString &dir)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(dir, QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        files.insert(path, file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<dir>"));
    }
    return files;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The 1-based line of the design that starts with key.
int lineOf(const QByteArray &design, const char *key)
{
    const QList<QByteArray> lines = design.split('\n');
    for (int i = 0; i < lines.size(); ++i)
        if (lines.at(i).startsWith(key))
            return i + 1;
    return 0;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// sprtool's lines without the notes about this machine's fonts.
QStringList findingLines(const QByteArray &out)
{
    QStringList lines;
    for (const QString &line : QString::fromUtf8(out).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        if (!line.contains(QLatin1String("(this machine)")))
            lines << line;
    return lines;
}
} // namespace

class DataRecordsTest : public QObject
{
    Q_OBJECT

private slots:
    void checkNamesEveryRecord_data()
    {
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("last");
        QTest::addColumn<QByteArray>("records"); // written as data.txt; "-" is given on standard input
        QTest::addColumn<QString>("dataOption");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("expected"); // {key} is the line of the item's path key

        const QByteArray ean = "5901234123457\n5901234123458\r\n12345\n\n\xff\xfe\n";
        const QString key = "{key}: BarExtDataFilePath \"data.txt\"";
        QTest::newRow("barcode lines")
            << QByteArray(barSection) << "data.txt" << 1 << 6 << ean << QString() << 1
            << QStringList{
                   key + ": last line 6 is past the end of the data file (5 lines)",
                   key + " line 2 \"5901234123458\": the typed check digit 8 differs from the computed 7, "
                         "which the barcode holds",
                   key + " line 3 \"12345\": refused (1): Barcode format error,the barcode is 13 - bit "
                         "Arabic numerals!",
                   key + " line 4: empty line",
                   key + " line 5: not UTF-8 text",
                   "data files: 5 lines checked, 4 refused"};
        QTest::newRow("range within the file")
            << QByteArray(barSection) << "data.txt" << 1 << 1 << ean << QString() << 0
            << QStringList{"data files: 1 lines checked, 0 refused"};
        QTest::newRow("missing file")
            << QByteArray(barSection) << "/nowhere/serials.txt" << 1 << 1 << ean << QString() << 1
            << QStringList{"{key}: BarExtDataFilePath \"/nowhere/serials.txt\": data file not found",
                           "data files: 0 lines checked, 0 refused"};
        QTest::newRow("found beside the design by its name")
            << QByteArray(barSection) << "/udisk/data.txt" << 2 << 2 << ean << QString() << 1
            << QStringList{
                   "{key}: BarExtDataFilePath \"/udisk/data.txt\" line 2 \"5901234123458\": the typed "
                   "check digit 8 differs from the computed 7, which the barcode holds",
                   "data files: 1 lines checked, 1 refused"};
        QTest::newRow("data from standard input")
            << QByteArray(barSection) << "/nowhere/serials.txt" << 1 << 2 << QByteArray("-") << "-" << 1
            << QStringList{
                   "{key}: BarExtDataFilePath \"/nowhere/serials.txt\" (replaced by \"-\") line 2 "
                   "\"ABC\": refused (1): Barcode format error,the barcode is 13 - bit Arabic numerals! "
                   "Character 1, \"A\", cannot be encoded in this symbology.",
                   "data files: 2 lines checked, 1 refused"};
        QTest::newRow("no range")
            << QByteArray(barSection) << "data.txt" << 3 << 2 << ean << QString() << 1
            << QStringList{key + ": first line 3 and last line 2 are no range of lines (lines count from 1)",
                           "data files: 0 lines checked, 0 refused"};
        QTest::newRow("QR records") << QByteArray(qrSection) << "data.txt" << 1 << 2
                                    << QByteArray("LOT-1\nhttps://example.com/01/1\n") << QString() << 0
                                    << QStringList{"data files: 2 lines checked, 0 refused"};
        QTest::newRow("text characters the font lacks")
            << QByteArray(textSection) << "data.txt" << 1 << 2 << QByteArray("A1\nB\xee\x80\x80\n")
            << QString() << 1
            << QStringList{
                   "{key}: TextExtDataFilePath \"data.txt\" line 2 \"B\xee\x80\x80\": font DejaVu Sans "
                   "has no character \"\xee\x80\x80\"",
                   "data files: 2 lines checked, 1 refused"};
    }

    void checkNamesEveryRecord()
    {
        QFETCH(QByteArray, section);
        QFETCH(QString, path);
        QFETCH(int, first);
        QFETCH(int, last);
        QFETCH(QByteArray, records);
        QFETCH(QString, dataOption);
        QFETCH(int, exitCode);
        QFETCH(QStringList, expected);
        QTemporaryDir dir;
        const QByteArray bytes = design(section.constData(), path, first, last);
        QVERIFY(writeFile(dir.filePath("d.spr"), bytes));
        QStringList args{"check", dir.filePath("d.spr")};
        sprtoolOptions options;
        if (dataOption == "-") {
            args << "--data"
                 << "-";
            options.input = "5901234123457\nABC\n";
        } else {
            QVERIFY(writeFile(dir.filePath("data.txt"), records));
        }
        const sprtoolRun run = runSprtool(args, options);
        QCOMPARE(run.exitCode, exitCode);
        const int keyLine = lineOf(bytes, section.startsWith("[Bar")  ? "BarExtDataFilePath"
                                          : section.startsWith("[QR") ? "QRcodeExtFilePath"
                                                                      : "TextExtDataFilePath");
        expected.replaceInStrings("{key}", QString::number(keyLine));
        QCOMPARE(findingLines(run.out), expected);
    }

    // Two pictures and a data file: the design as resave writes it, each picture's own bytes under bmp/,
    // the data file beside the design; a second pack of the same design changes nothing.
    void packWritesThePrinterDisk()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("a") && QDir(dir.path()).mkpath("b"));
        QVERIFY(QImage(20, 10, QImage::Format_Mono).save(dir.filePath("a/logo.bmp")));
        QVERIFY(QImage(8, 8, QImage::Format_Mono).save(dir.filePath("b/mark.bmp")));
        QVERIFY(writeFile(dir.filePath("serials.txt"), "5901234123457\n"));
        const QString spr = dir.filePath("label.spr");
        QVERIFY(writeFile(
            spr, designOf({imageSection(dir.filePath("a/logo.bmp")), imageSection(dir.filePath("b/mark.bmp")),
                           filled(barSection, "serials.txt", 1, 1)})));
        const QString disk = dir.filePath("disk");
        const sprtoolRun run = runSprtool({"pack", spr, "-o", disk});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QByteArray("label.spr\nbmp/logo.bmp\nbmp/mark.bmp\nserials.txt\n"));
        QCOMPARE(fileBytes(disk + "/label.spr"), runSprtool({"resave", spr, "-"}).out);
        QCOMPARE(fileBytes(disk + "/bmp/logo.bmp"), fileBytes(dir.filePath("a/logo.bmp")));
        QCOMPARE(fileBytes(disk + "/bmp/mark.bmp"), fileBytes(dir.filePath("b/mark.bmp")));
        QCOMPARE(fileBytes(disk + "/serials.txt"), QByteArray("5901234123457\n"));
        // The packed design opens with its pictures: nothing for check to say about them.
        QCOMPARE(runSprtool({"check", disk + "/label.spr"}).exitCode, 0);
        QCOMPARE(runSprtool({"pack", spr, "-o", disk}).exitCode, 0);
    }

    void packRefusalsWriteNothing_data()
    {
        QTest::addColumn<QStringList>("pictures"); // relative to the test folder; made unless "missing"
        QTest::addColumn<QString>("dataPath");     // of a barcode item, empty for none
        QTest::addColumn<QString>("script");       // sh; $T sprtool, $D the design, $O the disk
        QTest::addColumn<QString>("error");
        const QString pack = "exec \"$T\" pack \"$D\" -o \"$O\"";
        QTest::newRow("name clash") << QStringList{"a/logo.bmp", "b/logo.bmp"} << QString() << pack
                                    << "two different files would have the same name \"bmp/logo.bmp\"";
        QTest::newRow("clash folds case") << QStringList{"a/logo.bmp", "b/LOGO.bmp"} << QString() << pack
                                          << "two different files would have the same name";
        QTest::newRow("missing picture")
            << QStringList{"a/logo.bmp", "missing/gone.bmp"} << QString() << pack << "gone.bmp\" not found";
        QTest::newRow("missing data file") << QStringList{} << "lost.txt" << pack << "\"lost.txt\" not found";
        QTest::newRow("name FAT cannot hold") << QStringList{"a/lo?go.bmp"} << QString() << pack
                                              << "a character a USB disk (FAT) does not allow \"?\"";
        QTest::newRow("existing file") << QStringList{"a/logo.bmp"} << QString()
                                       << "mkdir -p \"$O\" && echo old > \"$O/label.spr\" && " + pack
                                       << "already holds label.spr; --force replaces";
        QTest::newRow("full target") << QStringList{"a/big.bmp"} << QString() << "ulimit -f 8; " + pack
                                     << "cannot write";
    }

    void packRefusalsWriteNothing()
    {
        QFETCH(QStringList, pictures);
        QFETCH(QString, dataPath);
        QFETCH(QString, script);
        QFETCH(QString, error);
        QTemporaryDir dir;
        QList<QByteArray> items;
        for (const QString &picture : pictures) {
            QVERIFY(QDir(dir.path()).mkpath(QFileInfo(picture).path()));
            const int width = picture.contains("big") ? 400 : picture.contains("b/") ? 30 : 20;
            if (!picture.startsWith("missing"))
                QVERIFY(QImage(width, width * 2, QImage::Format_RGB32).save(dir.filePath(picture), "BMP"));
            items << imageSection(dir.filePath(picture));
        }
        if (!dataPath.isEmpty())
            items << filled(barSection, dataPath, 1, 1);
        QVERIFY(writeFile(dir.filePath("label.spr"), designOf(items)));
        const QString disk = dir.filePath("disk");
        QVERIFY(QDir(dir.path()).mkpath("disk"));
        QVERIFY(writeFile(disk + "/keep.txt", "kept"));
        QProcess shell;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("T", SPRTOOL_PATH);
        env.insert("D", dir.filePath("label.spr"));
        env.insert("O", disk);
        env.insert("LC_ALL", "C.UTF-8");
        shell.setProcessEnvironment(env);
        shell.start("sh", {"-c", script.replace("exec ", "cp -r \"$O\" \"$O.before\" && exec ")});
        QVERIFY(shell.waitForFinished(60000));
        QCOMPARE(shell.exitCode(), 2);
        const QByteArray err = shell.readAllStandardError();
        QVERIFY2(err.contains(error.toUtf8()), err);
        QMap<QString, QByteArray> before = tree(disk + ".before");
        QMap<QString, QByteArray> after;
        const QMap<QString, QByteArray> now = tree(disk);
        for (auto it = now.cbegin(); it != now.cend(); ++it)
            after.insert(QString(it.key()).replace(disk, disk + ".before"), it.value());
        QCOMPARE(after, before);
        // What --force is for: the same pack replaces the file.
        if (error.contains("--force")) {
            QCOMPARE(runSprtool({"pack", dir.filePath("label.spr"), "-o", disk, "--force"}).exitCode, 0);
            QVERIFY(fileBytes(disk + "/label.spr").startsWith("[FileInfo]"));
        }
    }

    // render --record N draws line N as the item's content, from the item's file or from --data -.
    void renderDrawsARecord()
    {
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("data.txt"), "5901234123457\n4006381333931\n"));
        QVERIFY(writeFile(dir.filePath("d.spr"), design(barSection, "data.txt", 1, 2)));
        QByteArray plain = design(barSection, "data.txt", 1, 2);
        plain.replace("BarIsExtVariable =1", "BarIsExtVariable =0").replace("6901234567892", "4006381333931");
        QVERIFY(writeFile(dir.filePath("plain.spr"), plain));
        const QByteArray expected = runSprtool({"render", dir.filePath("plain.spr"), "-o", "-"}).out;
        QVERIFY(!expected.isEmpty());
        QCOMPARE(runSprtool({"render", dir.filePath("d.spr"), "--record", "2", "-o", "-"}).out, expected);
        sprtoolOptions piped;
        piped.input = "1\n4006381333931\n";
        QCOMPARE(
            runSprtool({"render", dir.filePath("d.spr"), "--record", "9", "--data", "-", "-o", "-"}, piped)
                .out,
            expected);
        QCOMPARE(runSprtool({"render", dir.filePath("d.spr"), "--record", "0", "-o", "-"}).exitCode, 2);
        // A record that cannot be read draws nothing and says why once, whatever the pages.
        QVERIFY(writeFile(dir.filePath("short.spr"), design(barSection, "data.txt", 1, 5)));
        const sprtoolRun past = runSprtool(
            {"render", dir.filePath("short.spr"), "--records", "2-5", "-o", dir.filePath("p.pdf")});
        QCOMPARE(past.exitCode, 0);
        QCOMPARE(past.errText().count("the item is not drawn"), 1);
        QVERIFY2(past.errText().contains(
                     "data file \"data.txt\" line 3: the data file has only 2 lines; the item is not drawn"),
                 past.err);
    }

    // render --records A-B: one PDF page per record, each read back as a scanner reads it; the QR code's
    // range ends at line 2, so the third page holds it there.
    void renderRecordsWritesAProof()
    {
        if (QStandardPaths::findExecutable("pdftoppm").isEmpty())
            QSKIP("pdftoppm (poppler-utils) is not installed");
        QTemporaryDir dir;
        const QStringList lines{"5901234123457", "4006381333931", "9780201379624"};
        QVERIFY(writeFile(dir.filePath("data.txt"), lines.join("\n").toUtf8() + "\n"));
        QVERIFY(writeFile(dir.filePath("d.spr"), designOf({filled(barSection, "data.txt", 1, 3),
                                                           filled(qrSection, "data.txt", 1, 2)})));
        const QString pdf = dir.filePath("proof.pdf");
        const sprtoolRun run = runSprtool({"render", dir.filePath("d.spr"), "--records", "1-3", "-o", pdf});
        QCOMPARE(run.exitCode, 0);
        QProcess raster;
        raster.start("pdftoppm", {"-r", "72", "-png", pdf, dir.filePath("page")});
        QVERIFY(raster.waitForFinished(60000) && raster.exitCode() == 0);
        QCOMPARE(QDir(dir.path()).entryList({"page-*.png"}).size(), 3);
        for (int page = 1; page <= 3; ++page) {
            const QImage picture(dir.filePath(QString("page-%1.png").arg(page)));
            QVERIFY(!picture.isNull());
            QCOMPARE(scanPicture(picture.copy(0, 0, 600, 300),
                                 scanSymbologyForMode(barcodeModeNamed("ean13")), 60, 5)
                         .text,
                     lines.at(page - 1));
            QCOMPARE(
                scanPicture(picture.copy(700, 0, picture.width() - 700, 300), scanSymbology::qrCode, 20, 5)
                    .text,
                lines.at(qMin(page, 2) - 1));
        }
    }

    // A range is a PDF of lines counted from 1, first before last; nothing is written otherwise.
    void renderRecordsRefusals_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("error");
        const QString onlyPdf = "only PDF has pages";
        const QString noRange = "two line numbers A-B";
        QTest::newRow("PNG") << QStringList{"--records", "1-3"} << "proof.png" << onlyPdf;
        QTest::newRow("SVG") << QStringList{"--records", "1-3"} << "proof.svg" << onlyPdf;
        QTest::newRow("standard output") << QStringList{"--records", "1-3"} << "-" << onlyPdf;
        QTest::newRow("reversed") << QStringList{"--records", "3-1"} << "proof.pdf" << noRange;
        QTest::newRow("from 0") << QStringList{"--records", "0-2"} << "proof.pdf" << noRange;
        QTest::newRow("one number") << QStringList{"--records", "2"} << "proof.pdf" << noRange;
        QTest::newRow("with --record") << QStringList{"--records", "1-2", "--record", "1"} << "proof.pdf"
                                       << "--record or --records";
        QTest::newRow("too many pages") << QStringList{"--records", "1-100001"} << "proof.pdf"
                                        << "at most 100000 pages";
    }

    void renderRecordsRefusals()
    {
        QFETCH(QStringList, options);
        QFETCH(QString, output);
        QFETCH(QString, error);
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("data.txt"), "5901234123457\n"));
        QVERIFY(writeFile(dir.filePath("d.spr"), design(barSection, "data.txt", 1, 1)));
        const QString target = output == "-" ? output : dir.filePath(output);
        const sprtoolRun run =
            runSprtool(QStringList{"render", dir.filePath("d.spr"), "-o", target} + options);
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.errText().contains(error), run.err);
        QVERIFY(run.out.isEmpty());
        QVERIFY(!QFile::exists(target));
    }

    // info says of each data-file item whether its file was found, as stored or beside the design, and
    // how many lines it has; the line passes the published schema.
    void infoTellsTheDataFile_data()
    {
        QTest::addColumn<QString>("stored"); // {dir} is the design's folder
        QTest::addColumn<bool>("isExtVariable");
        QTest::addColumn<bool>("fromStdin");
        QTest::addColumn<QByteArray>("expected"); // {dir} as above
        QTest::newRow("as stored") << "{dir}/data.txt" << true << false
                                   << QByteArray(R"({"found":true,"foundPath":"{dir}/data.txt","lines":3})");
        QTest::newRow("beside the design")
            << "/udisk/data.txt" << true << false
            << QByteArray(R"({"found":true,"foundPath":"{dir}/data.txt","lines":3})");
        QTest::newRow("missing") << "lost.txt" << true << false
                                 << QByteArray(R"({"found":false,"foundPath":null,"lines":null})");
        QTest::newRow("design on standard input: only as stored")
            << "/udisk/data.txt" << true << true
            << QByteArray(R"({"found":false,"foundPath":null,"lines":null})");
        QTest::newRow("no data file") << "{dir}/data.txt" << false << false << QByteArray("null");
    }

    void infoTellsTheDataFile()
    {
        QFETCH(QString, stored);
        QFETCH(bool, isExtVariable);
        QFETCH(bool, fromStdin);
        QFETCH(QByteArray, expected);
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("data.txt"), "5901234123457\n\n4006381333931"));
        stored.replace("{dir}", dir.path());
        QByteArray bytes = designOf({filled(barSection, stored, 1, 3), filled(qrSection, stored, 1, 3),
                                     filled(textSection, stored, 1, 3)});
        if (!isExtVariable)
            bytes.replace("IsExtVariable =1", "IsExtVariable =0");
        QVERIFY(writeFile(dir.filePath("d.spr"), bytes));
        sprtoolOptions options;
        if (fromStdin)
            options.input = bytes;
        const sprtoolRun run = runSprtool({"info", fromStdin ? "-" : dir.filePath("d.spr")}, options);
        QCOMPARE(run.exitCode, 0);
        const QJsonArray items = QJsonDocument::fromJson(run.out).object()["items"].toArray();
        QCOMPARE(items.size(), 3);
        expected.replace("{dir}", dir.path().toUtf8());
        for (const QJsonValue &item : items) {
            const QJsonValue dataFile = item.toObject()["dataFile"];
            QCOMPARE(dataFile.isObject() ? QJsonDocument(dataFile.toObject()).toJson(QJsonDocument::Compact)
                                         : QByteArray(dataFile.isNull() ? "null" : "absent"),
                     expected);
        }
        QProcess validator;
        validator.start("python3", {SPR_TEST_DATA "/validate_json_lines.py",
                                    SPR_TEST_DATA "/../../docs/sprtool-info.schema.json"});
        QVERIFY(validator.waitForStarted());
        validator.write(run.out);
        validator.closeWriteChannel();
        QVERIFY(validator.waitForFinished(60000));
        QVERIFY2(validator.exitCode() == 0,
                 validator.readAllStandardOutput() + validator.readAllStandardError());
    }

    // check names two different pictures that would be one file on the printer's disk.
    void checkNamesPictureClashes()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("a") && QDir(dir.path()).mkpath("b"));
        QVERIFY(QImage(20, 10, QImage::Format_Mono).save(dir.filePath("a/logo.bmp")));
        QVERIFY(QImage(30, 10, QImage::Format_Mono).save(dir.filePath("b/logo.bmp")));
        const QByteArray bytes =
            designOf({imageSection(dir.filePath("a/logo.bmp")), imageSection(dir.filePath("b/logo.bmp"))});
        QVERIFY(writeFile(dir.filePath("d.spr"), bytes));
        const sprtoolRun run = runSprtool({"check", dir.filePath("d.spr")});
        QCOMPARE(run.exitCode, 1);
        const int second = int(bytes.left(bytes.lastIndexOf("ImagePixPath")).count('\n')) + 1;
        QCOMPARE(
            findingLines(run.out),
            QStringList{QString("%1: two different files would have the same name \"bmp/logo.bmp\" on the "
                                "printer's disk: \"%2\" and \"%3\"")
                            .arg(second)
                            .arg(dir.filePath("a/logo.bmp"), dir.filePath("b/logo.bmp"))});
    }
};

QTEST_MAIN(DataRecordsTest)
#include "test_datarecords.moc"
