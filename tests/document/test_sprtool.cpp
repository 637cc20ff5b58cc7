// sprtool info, resave, render and check, run as the operator's scripts run them.
#include "designfixtures.h"
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
        addText(scene, QStringLiteral("A=1"), {10, 5})->setRotation(30);
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
        // A sound design is only told about the fonts this machine lacks (the text's and the digits').
        const sprtoolRun good = sprtool({QStringLiteral("check"), clean});
        QString fonts;
        for (const QString &family : {QStringLiteral("simsun"), QStringLiteral("arial")})
            fonts += fontWarningLine(QStringLiteral("check"), family);
        const QStringList goodReport = QString::fromUtf8(good.out).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(goodReport.size(), fonts.count('\n'));
        for (const QString &line : goodReport)
            QVERIFY2(line.contains(QStringLiteral("is not installed")), qPrintable(line));
        QCOMPARE(good.exitCode, goodReport.isEmpty() ? 0 : 1);

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

    void usageAndUnreadableInputExitWithTwo()
    {
        QCOMPARE(sprtool({QStringLiteral("info")}).exitCode, 2);
        QCOMPARE(sprtool({QStringLiteral("resave"), design}).exitCode, 2);
        QCOMPARE(sprtool({QStringLiteral("render"), design}).exitCode, 2);
        QCOMPARE(sprtool({QStringLiteral("render"), design, "-o", "x.png", "--scale", "-1"}).exitCode, 2);
        QCOMPARE(sprtool({QStringLiteral("render"), design, "-o", "x.png", "--scale", "1000"}).exitCode, 2);
        QCOMPARE(sprtool({QStringLiteral("check"), dir.filePath(QStringLiteral("absent.spr"))}).exitCode, 2);
        QCOMPARE(sprtool({QStringLiteral("info"), dir.path()}).exitCode, 2);
        QCOMPARE(sprtool({QStringLiteral("resave"), design, dir.filePath("no/folder/out.spr")}).exitCode, 2);
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
    QTemporaryDir dir;
    QString design;
    QString clean;
    QByteArray designBytes;
};

QTEST_MAIN(SprToolTest)
#include "test_sprtool.moc"
