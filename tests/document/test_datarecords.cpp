// Data-file records through sprtool: every record of every data-file item checked, with the item, the
// file and the line named.
#include "sprtoolprocess.h"

#include <QDir>
#include <QFile>
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

QByteArray design(const char *section, const QString &path, int first, int last)
{
    QByteArray item(section);
    item.replace("{path}", path.toUtf8()).replace("{first}", QByteArray::number(first));
    item.replace("{last}", QByteArray::number(last));
    const QByteArray text = "[FileInfo]\nSceneWidth =2000\nSceneHeight =300\nDynamicItemNum =0\n"
                            "TotalItemNum =1\n" +
                            item;
    return QByteArray(text).replace("\n", "\r\n");
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
};

QTEST_MAIN(DataRecordsTest)
#include "test_datarecords.moc"
