// Symbols read where they are printed: neighbours at and inside the quiet zones, covering items, the
// strip's edges and turned symbols, each verdict naming its cause.
#include "../document/designfixtures.h"
#include "mixeddesign.h"
#include "placedscan.h"
#include "scanfindings.h"
#include "sprdocument.h"
#include "symbologytable.h"

#include "sprtoolprocess.h"

#include "barcodeencoders.h"
#include "barcoderender.h"

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

namespace
{
// placementKeepsQuietZones' kinds beyond the barcode modes.
constexpr int qrKind = barcodeModeCount;

diagramBarItem *barcodeAt(QGraphicsScene &scene, int mode, int d, QPointF pos, qreal rotation = 0)
{
    diagramBarItem *bar = addBarcode(scene, pos);
    bar->mode = mode;
    bar->content = QLatin1String(barcodeSymbology(mode).defaultContent);
    bar->lineWidth = d;
    bar->lineHeight = 200;
    bar->regenerate();
    bar->setRotation(rotation);
    return bar;
}

// A solid black block, as a picture item, with its right edge (or its left edge) at x.
diagramImageItem *blockAt(QGraphicsScene &scene, const QString &file, double edge, bool rightEdge,
                          double y = 0)
{
    diagramImageItem *block = addImage(scene, file);
    const double width = block->pictureSize().width();
    block->setPos(rightEdge ? edge - width : edge, y);
    return block;
}
} // namespace

class placedScanTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void neighbours_data();
    void neighbours();
    void underOrOver_data();
    void underOrOver();
    void qrNeighbours_data();
    void qrNeighbours();
    void turnedSymbol();
    void placementKeepsQuietZones_data();
    void placementKeepsQuietZones();
    void printedSizeAtDefault();
    void inkSpreadMargin_data();
    void inkSpreadMargin();
    void sprtoolAgrees_data();
    void sprtoolAgrees();
    void stripAgrees_data();
    void stripAgrees();

private:
    QTemporaryDir dir;
    QString blockFile;
};

void placedScanTest::initTestCase()
{
    QVERIFY(dir.isValid());
    QImage black(40, 300, QImage::Format_RGB32);
    black.fill(Qt::black);
    blockFile = dir.filePath("block.bmp");
    QVERIFY(black.save(blockFile));
}

void placedScanTest::neighbours_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("side"); // -1 left, 1 right, 0 over the bars
    QTest::addColumn<int>("shortBy");
    QTest::addColumn<bool>("readable");
    for (int mode = 0; mode < barcodeModeCount; ++mode) {
        const char *name = symbologyRowFor(scanSymbologyForMode(mode)).name;
        QTest::addRow("%s left at zone", name) << mode << -1 << 0 << true;
        QTest::addRow("%s left one module in", name) << mode << -1 << 1 << false;
        QTest::addRow("%s right at zone", name) << mode << 1 << 0 << true;
        QTest::addRow("%s right one module in", name) << mode << 1 << 1 << false;
        QTest::addRow("%s covered", name) << mode << 0 << 0 << false;
    }
}

void placedScanTest::neighbours()
{
    QFETCH(int, mode);
    QFETCH(int, side);
    QFETCH(int, shortBy);
    QFETCH(bool, readable);
    const int d = 3;
    QGraphicsScene scene;
    setUpDesignScene(scene);
    diagramBarItem *bar = barcodeAt(scene, mode, d, {600, 20});
    const symbolBars bars = symbolBarsOf(bar->symbol(bar->content));
    const symbologyRow &row = symbologyRowFor(scanSymbologyForMode(mode));
    const int required = side < 0 ? row.quietLeft : row.quietRight;
    const int gap = (required - shortBy) * d;
    if (side < 0)
        blockAt(scene, blockFile, 600 + bars.first * d - gap, true);
    else if (side > 0)
        blockAt(scene, blockFile, 600 + bars.end * d + gap, false);
    else
        blockAt(scene, blockFile, 600 + (bars.first + bars.end) / 2 * d, false);
    const placedVerdict placed = *verifyInPlace(scene, *bar);
    QVERIFY(itemVerdict(*bar)->readable);
    QCOMPARE(placed.verdict.readable, readable);
    if (readable) {
        QVERIFY(placed.verdict.reason.isEmpty());
        QCOMPARE(placed.verdict.decoded, placed.verdict.expected);
    } else if (side == 0) {
        QCOMPARE(placed.verdict.reason, QStringLiteral("被图片项目遮盖"));
    } else {
        QCOMPARE(
            placed.verdict.reason,
            QStringLiteral("静区：图片项目在 %1 个模块处，需要 %2").arg(required - shortBy).arg(required));
        QCOMPARE((side < 0 ? placed.left : placed.right).found, double(required - shortBy));
    }
}

// The strip as printed decides: a block the symbol's opaque modules hide is not printed over its bars,
// while one painted over them covers it.
void placedScanTest::underOrOver_data()
{
    QTest::addColumn<bool>("over");
    QTest::addColumn<QString>("reason");
    QTest::newRow("under") << false << QString();
    QTest::newRow("over") << true << QStringLiteral("被图片项目遮盖");
}

void placedScanTest::underOrOver()
{
    QFETCH(bool, over);
    QFETCH(QString, reason);
    QGraphicsScene scene;
    setUpDesignScene(scene);
    if (!over)
        blockAt(scene, blockFile, 700, false);
    diagramBarItem *bar = barcodeAt(scene, 6, 3, {600, 20}); // Code 128
    if (over)
        blockAt(scene, blockFile, 700, false);
    const placedVerdict placed = *verifyInPlace(scene, *bar);
    QCOMPARE(placed.verdict.reason, reason);
    QCOMPARE(placed.verdict.readable, reason.isEmpty());
}

void placedScanTest::qrNeighbours_data()
{
    QTest::addColumn<bool>("converse");
    QTest::addColumn<int>("shortBy");
    QTest::addColumn<QString>("reason");
    QTest::newRow("at zone") << false << 0 << QString();
    QTest::newRow("one module in") << false << 1 << QStringLiteral("静区：图片项目在 3 个模块处，需要 4");
    QTest::newRow("converse at zone") << true << 0 << QString();
    // Over the dark border only, the block prints nothing the symbol does not: it sits in the zone.
    QTest::newRow("converse on its border")
        << true << 5 << QStringLiteral("静区：图片项目在 0 个模块处，需要 4");
    QTest::newRow("converse overlapping") << true << 8 << QStringLiteral("被图片项目遮盖");
}

void placedScanTest::qrNeighbours()
{
    QFETCH(bool, converse);
    QFETCH(int, shortBy);
    QFETCH(QString, reason);
    QGraphicsScene scene;
    setUpDesignScene(scene);
    diagramQRCodeItem *qr = addQRCode(scene, {400, 10});
    qr->scale = 8;
    qr->converse = converse;
    qr->regenerate();
    blockAt(scene, blockFile, 400 - (4 - shortBy) * 8, true);
    const placedVerdict placed = *verifyInPlace(scene, *qr);
    QCOMPARE(placed.verdict.reason, reason);
    QCOMPARE(placed.verdict.readable, reason.isEmpty());
    if (reason.isEmpty())
        QCOMPARE(placed.verdict.decoded, qr->content);
}

// Turned a quarter, the quiet zones lie above and below on the strip; a symbol reaching past the strip's
// bottom is cut.
void placedScanTest::turnedSymbol()
{
    QGraphicsScene scene;
    setUpDesignScene(scene);
    diagramBarItem *bar = barcodeAt(scene, 6, 2, {500, 10}, 90);
    QVERIFY(verifyInPlace(scene, *bar)->verdict.readable);
    const symbolBars bars = symbolBarsOf(bar->symbol(bar->content));
    // The left quiet zone is above the bars: a block ending 2 modules above them.
    diagramImageItem *block = addImage(scene, blockFile);
    block->setRotation(90);
    block->setPos(500, 10 + bars.first * 2 - 2 * 2 - 40);
    const placedVerdict near = *verifyInPlace(scene, *bar);
    QCOMPARE(near.verdict.reason, QStringLiteral("静区：图片项目在 2 个模块处，需要 10"));
    delete block;
    bar->setPos(500, 150);
    const placedVerdict cut = *verifyInPlace(scene, *bar);
    QVERIFY(itemVerdict(*bar)->readable);
    QCOMPARE(cut.verdict.reason, QStringLiteral("被纸带边缘截断"));
}

void placedScanTest::inkSpreadMargin_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("d");
    for (const int mode : {0, 2, 6})
        for (const int d : {2, 3, 6})
            QTest::addRow("%s d %d", symbologyRowFor(scanSymbologyForMode(mode)).name, d) << mode << d;
}

// The margin against the decoder reading the symbol's own bars drawn wider, run by run: it reads at the
// margin and not one dot beyond (unless the margin is the largest tried).
void placedScanTest::inkSpreadMargin()
{
    QFETCH(int, mode);
    QFETCH(int, d);
    QGraphicsScene scene;
    setUpDesignScene(scene);
    diagramBarItem *bar = barcodeAt(scene, mode, d, {600, 20});
    const placedVerdict placed = *verifyInPlace(scene, *bar);
    QVERIFY(placed.verdict.readable);
    QVERIFY(placed.inkGrowDots >= 0 && placed.inkGrowDots <= qMax(1, d - 1));
    const barcodeSymbol symbol = bar->symbol(bar->content);
    const auto grownReads = [&](int dots) {
        QImage picture = renderBarcodePixmap(symbol).toImage();
        QPainter painter(&picture);
        for (const barcodeRun &run : symbol.runs)
            if (run.dark)
                painter.fillRect(QRect(run.module * d - dots, 0, run.count * d + 2 * dots, run.height),
                                 Qt::black);
        painter.end();
        const symbologyRow &row = symbologyRowFor(scanSymbologyForMode(mode));
        return scanPicture(picture, scanSymbologyForMode(mode), row.quietLeft * d, d).found;
    };
    QVERIFY(grownReads(placed.inkGrowDots));
    if (placed.inkGrowDots < d - 1)
        QVERIFY(!grownReads(placed.inkGrowDots + 1));
}

void placedScanTest::placementKeepsQuietZones_data()
{
    QTest::addColumn<int>("first");  // -1 text, a barcode mode, or qrKind
    QTest::addColumn<int>("second"); // the same, placed at the design's right edge
    QTest::newRow("barcode after text") << -1 << 0;
    QTest::newRow("text after barcode") << 6 << -1;
    QTest::newRow("QR code after barcode") << 0 << qrKind;
    QTest::newRow("barcode after QR code") << qrKind << 2;
    QTest::newRow("text after text: unchanged") << -1 << -1;
}

// New and pasted items go to the design's right edge, moved on only as far as quiet zones ask.
void placedScanTest::placementKeepsQuietZones()
{
    QFETCH(int, first);
    QFETCH(int, second);
    QGraphicsScene scene;
    setUpDesignScene(scene);
    const auto make = [&](int kind) -> QGraphicsItem * {
        if (kind < 0)
            return addText(scene, "MW");
        if (kind == qrKind)
            return addQRCode(scene);
        return barcodeAt(scene, kind, 3, {});
    };
    make(first);
    const double edge = designRightEdge(scene);
    QGraphicsItem *added = make(second);
    scene.removeItem(added);
    const QPointF pos = clearOfQuietZones(scene, *added, {edge, 0});
    scene.addItem(added);
    for (QGraphicsItem *item : scene.items()) {
        if (const std::optional<placedVerdict> placed = verifyInPlace(scene, *item))
            QVERIFY2(placed->verdict.readable, qPrintable(placed->verdict.reason));
    }
    if (first < 0 && second < 0)
        QCOMPARE(pos.x(), edge);
}

// A 3-dot EAN-13 on the default printer (300 dots over 12.7 mm): 0.127 mm modules, below the minimum.
void placedScanTest::printedSizeAtDefault()
{
    QGraphicsScene scene;
    setUpDesignScene(scene);
    diagramBarItem *bar = barcodeAt(scene, 0, 3, {600, 20});
    const printedSize size = printedSizeOf(*bar, *verifyInPlace(scene, *bar), PrinterResolution());
    QCOMPARE(qRound(size.xDimensionMm * 1000), 127);
    QCOMPARE(qRound(size.alongMm * 100), qRound(339 * 12.7 / 3));
    QCOMPARE(qRound(size.acrossMm * 100), qRound(barcodePictureHeight(200, true) * 12.7 / 3));
    QVERIFY(size.belowMinimum);
}

void placedScanTest::sprtoolAgrees_data()
{
    QTest::addColumn<double>("textGap"); // pixels between the text's box and the bars
    QTest::addColumn<QString>("dotsPerMm");
    QTest::addColumn<double>("xDimensionMm");
    QTest::addColumn<bool>("belowMinimum");
    QTest::newRow("crowded") << 6.0 << "10" << 0.6 << false;
    QTest::newRow("clear") << 120.0 << "12,10" << 0.6 << false;
    QTest::newRow("clear, module below the minimum") << 120.0 << "10,30" << 0.2 << true;
}

// check and info give the verdict the designer gives, with the section's line and the module in mm.
void placedScanTest::sprtoolAgrees()
{
    QFETCH(double, textGap);
    QFETCH(QString, dotsPerMm);
    QFETCH(double, xDimensionMm);
    QFETCH(bool, belowMinimum);
    QGraphicsScene scene;
    setUpDesignScene(scene);
    diagramBarItem *bar = barcodeAt(scene, 0, 6, {600, 20});
    diagramTextItem *text = addText(scene, "MW");
    text->setPos(600 + 66 - textGap - text->boundingRect().width(), 0);
    const placedVerdict placed = *verifyInPlace(scene, *bar);
    QCOMPARE(placed.verdict.readable, textGap >= 66);
    const QString path = dir.filePath("design.spr");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    const QByteArray bytes = sprFileBytes(scene);
    file.write(bytes);
    file.close();
    const int barLine = linesOf(bytes).indexOf("[BarItemInfo]") + 1;

    const sprtoolRun check = runSprtool({"check", "--dots-per-mm", dotsPerMm, path});
    QCOMPARE(check.exitCode, placed.verdict.readable && !belowMinimum ? 0 : 1);
    const QString small =
        QStringLiteral("%1: module %2 mm, symbol").arg(barLine).arg(xDimensionMm, 0, 'f', 3);
    QCOMPARE(QString::fromUtf8(check.out).contains(small), belowMinimum);
    QCOMPARE(check.out.contains("below the EAN-13 minimum of 0.264 mm (GS1 General Specifications"),
             belowMinimum);
    const QString finding =
        QStringLiteral("%1: barcode scans on its own but not where it is printed: quiet zone: "
                       "text item at %2 modules, needs 11")
            .arg(barLine)
            .arg(std::floor(placed.left.found * 10) / 10);
    QCOMPARE(QString::fromUtf8(check.out).contains(finding), !placed.verdict.readable);

    const sprtoolRun info = runSprtool({"info", "--dots-per-mm", dotsPerMm, path});
    QCOMPARE(info.exitCode, 0);
    QJsonObject item;
    for (const QJsonValue value : QJsonDocument::fromJson(info.out)["items"].toArray())
        if (value["kind"] == "barcode")
            item = value.toObject();
    const QJsonObject scan = item["scan"].toObject();
    QCOMPARE(scan["readable"].toBool(), placed.verdict.readable);
    QCOMPARE(scan["decodedText"].toString(), placed.verdict.decoded);
    QCOMPARE(item["decodedText"].isNull(), !placed.verdict.readable);
    QCOMPARE(scan["cause"].toString(), placed.verdict.readable ? QString() : QStringLiteral("quietZone"));
    QCOMPARE(scan["quietZoneModules"]["left"]["found"].toDouble(), std::round(placed.left.found * 100) / 100);
    QCOMPARE(scan["quietZoneModules"]["left"]["required"].toInt(), 11);
    QCOMPARE(scan["xDimensionMm"].toDouble(), xDimensionMm);
    QCOMPARE(scan["inkSpreadDots"].isNull(), !placed.verdict.readable);
    QCOMPARE(scan["inkSpreadDots"]["grow"].toInt(-1), placed.inkGrowDots);
    QCOMPARE(scan["inkSpreadDots"]["shrink"].toInt(-1), placed.inkShrinkDots);
}

void placedScanTest::stripAgrees_data()
{
    QTest::addColumn<int>("variant");
    QTest::addColumn<qreal>("rotation"); // of one barcode and one QR code laid over the design
    QTest::newRow("crowded") << 0 << 0.0;
    QTest::newRow("crowded, other contents, turned symbols") << 1 << 90.0;
    QTest::newRow("crowded, symbols turned a little") << 2 << 7.0;
}

// check and info take every symbol's surroundings from one painted strip: the verdict is the one the
// symbol composed on its own gets, in crowds, at the strip's start and end, turned and on half dots.
void placedScanTest::stripAgrees()
{
    QFETCH(int, variant);
    QFETCH(qreal, rotation);
    QGraphicsScene scene;
    setUpDesignScene(scene);
    readSprData(mixedDesign::designBytes(150, variant), scene);
    barcodeAt(scene, 0, 3, {0, 40}, rotation);
    barcodeAt(scene, 6, 2, {5400.5, 20});
    diagramQRCodeItem *qr = addQRCode(scene, QPointF(double(designRightEdge(scene)) - 100, 150));
    qr->scale = 5;
    qr->regenerate();
    qr->setRotation(rotation);
    const placedStrip strip(scene);
    int compared = 0;
    for (const QGraphicsItem *item : scene.items()) {
        const std::optional<placedVerdict> alone = verifyInPlace(scene, *item);
        const std::optional<placedVerdict> cut = verifyInPlace(strip, *item);
        QCOMPARE(cut.has_value(), alone.has_value());
        if (!alone)
            continue;
        ++compared;
        const QString where = QStringLiteral("at %1, %2").arg(item->x()).arg(item->y());
        QVERIFY2(cut->verdict.readable == alone->verdict.readable, qPrintable(where));
        QCOMPARE(cut->verdict.decoded, alone->verdict.decoded);
        QCOMPARE(cut->verdict.reason, alone->verdict.reason);
        QCOMPARE(int(cut->cause), int(alone->cause));
        QCOMPARE(int(cut->failure), int(alone->failure));
        QCOMPARE(cut->coveredBy, alone->coveredBy);
        QCOMPARE(cut->left.found, alone->left.found);
        QCOMPARE(cut->right.found, alone->right.found);
        QCOMPARE(cut->inkGrowDots, alone->inkGrowDots);
        QCOMPARE(cut->inkShrinkDots, alone->inkShrinkDots);
    }
    QCOMPARE(compared, 60 + 3);
}

QTEST_MAIN(placedScanTest)
#include "test_placedscan.moc"
