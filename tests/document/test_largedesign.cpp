// Large designs: what is saved, shown and checked does not depend on the design's size. Pictures are
// drawn only when asked for; these tests hold them to the pictures drawn at once, and a design at the
// reader's item limit to a byte-identical resave.
#include "designfixtures.h"
#include "mixeddesign.h"
#include "picturedifference.h"

#include "barcodeencoders.h"
#include "barcoderender.h"
#include "diagramqrcodeitem.h"
#include "diagramtimeitem.h"
#include "picturebudget.h"
#include "scanfindings.h"
#include "sprsections.h"

#include <QApplication>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsView>
#include <QPainter>
#include <QPixmap>
#include <QRandomGenerator>
#include <QStyleOptionGraphicsItem>
#include <QTextDocument>
#include <QtTest>

namespace
{

// The file the writer makes of a design read from bytes.
QByteArray resaved(const QByteArray &bytes)
{
    const readDesign design(bytes);
    return sprFileBytes(design.scene);
}

int countOf(const QByteArray &bytes, const QByteArray &needle)
{
    return bytes.count(needle);
}

QImage rendered(QGraphicsScene &scene, const QRectF &area)
{
    QImage picture(area.size().toSize(), QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    scene.render(&painter, QRectF(QPointF(), area.size()), area);
    painter.end();
    return picture;
}

} // namespace

class test_largedesign : public QObject
{
    Q_OBJECT

private slots:
    void designAtTheItemLimitResavesByteIdentically();
    void picturesAskedForLaterMatchPicturesDrawnAtOnce();
    void sizesAreKnownBeforeDrawing();
    void identicalSymbolsShareOnePicture();
    void paintingDrawsTheDeferredPictures();
    void picturesFarFromTheViewAreReleased();
    void scanVerdictsNeedNoKeptPicture_data();
    void scanVerdictsNeedNoKeptPicture();
    void barcodeRowsMatchTheirPicture();
    void qrSizeWithoutEncodingMatchesTheEncoder();
    void sharedTextPicturesMatchDrawingInPlace_data();
    void sharedTextPicturesMatchDrawingInPlace();
    void textsDifferingInSpacingGetTheirOwnPictures();
    void itemsWithoutADocumentMatchTheToolkit_data();
    void itemsWithoutADocumentMatchTheToolkit();
    void itemsWithoutADocumentFollowEditsAndEvents();
};

void test_largedesign::designAtTheItemLimitResavesByteIdentically()
{
    const int limit = sprReadLimits().maxItems;
    const QByteArray written = resaved(mixedDesign::designBytes(limit, 1));
    QCOMPARE(countOf(written, "\r\n["), limit);
    QCOMPARE(countOf(written, "BarHeight =0\r\n"), 0);
    QCOMPARE(countOf(written, "TotalItemNum =" + QByteArray::number(limit) + "\r\n"), 1);
    const QByteArray again = resaved(written);
    QCOMPARE(again.size(), written.size());
    QVERIFY(again == written);
}

void test_largedesign::picturesAskedForLaterMatchPicturesDrawnAtOnce()
{
    readDesign design(mixedDesign::designBytes(700, 2));
    QVERIFY(design.result.barcodeRefusals.isEmpty()); // every symbology, all content accepted
    int bars = 0, codes = 0;
    for (QGraphicsItem *item : design.scene.items()) {
        if (item->type() == barItemType) {
            auto *bar = static_cast<diagramBarItem *>(item);
            QVERIFY(bar->isDeferred());
            const QImage eager = diagramBarItem::createBarcodePixmap(bar, bar->content).toImage();
            QCOMPARE(bar->pixmap().toImage(), eager);
            QCOMPARE(bar->barPixmap.toImage(), eager);
            ++bars;
        } else if (item->type() == qrItemType) {
            auto *qr = static_cast<diagramQRCodeItem *>(item);
            QVERIFY(qr->isDeferred());
            const QImage eager = diagramQRCodeItem::createQRPixmap(qr->record()).toImage();
            QCOMPARE(qr->pixmap().toImage(), eager);
            QCOMPARE(qr->qrPixmap.toImage(), eager);
            ++codes;
        }
    }
    QCOMPARE(bars, 140);
    QCOMPARE(codes, 140);
}

void test_largedesign::sizesAreKnownBeforeDrawing()
{
    // Every symbology, text on and off, the QR levels and scales the generator varies, and a refused
    // content: the size (and so BarHeight and SceneWidth) is the same before and after drawing.
    readDesign design(mixedDesign::designBytes(350, 3));
    auto *refused = addBarcode(design.scene);
    refused->mode = 0;
    refused->content = QStringLiteral("12AB");
    refused->isTextOn = false;
    QVERIFY(refused->regenerateLater().has_value());
    int pictures = 0;
    for (QGraphicsItem *item : design.scene.items()) {
        auto *picture = dynamic_cast<deferredPixmapItem *>(item);
        if (!picture)
            continue;
        const QSize before = picture->pictureSize();
        const QRectF box = picture->boundingRect();
        QCOMPARE(picture->pixmap().size(), before);
        QCOMPARE(picture->boundingRect(), box);
        QVERIFY(!picture->isDeferred());
        ++pictures;
    }
    QCOMPARE(pictures, 141);
}

void test_largedesign::identicalSymbolsShareOnePicture()
{
    QGraphicsScene scene;
    auto *a = addBarcode(scene);
    auto *b = addBarcode(scene);
    QCOMPARE(a->pixmap().cacheKey(), b->pixmap().cacheKey());
    b->content = QStringLiteral("6901234567885");
    b->regenerate();
    QVERIFY(a->pixmap().cacheKey() != b->pixmap().cacheKey());
    auto *p = addQRCode(scene);
    auto *q = addQRCode(scene);
    QCOMPARE(p->pixmap().cacheKey(), q->pixmap().cacheKey());
    // A picture no item holds any more is drawn again when asked for, identically.
    const QImage first = p->pixmap().toImage();
    delete p;
    delete q;
    for (int i = 0; i < 600; ++i) { // enough new pictures for the store to drop unheld ones
        auto *other = addQRCode(scene);
        other->content = QString::number(i);
        other->regenerate();
    }
    QCOMPARE(addQRCode(scene)->pixmap().toImage(), first);
}

void test_largedesign::paintingDrawsTheDeferredPictures()
{
    const QByteArray bytes = mixedDesign::designBytes(200, 4);
    readDesign deferred(bytes);
    readDesign eager(bytes);
    for (QGraphicsItem *item : eager.scene.items())
        if (auto *picture = dynamic_cast<deferredPixmapItem *>(item))
            picture->pixmap();
    // Time items show the second they were read in, which may differ between the two scenes.
    const QDateTime moment(QDate(2024, 2, 29), QTime(23, 59, 58));
    for (QGraphicsScene *scene : {&deferred.scene, &eager.scene})
        for (QGraphicsItem *item : scene->items())
            if (auto *time = dynamic_cast<diagramTimeItem *>(item)) {
                time->dateTime = moment;
                time->showFields();
            }
    const QRectF area(0, 0, 3000, 300);
    // The first render makes the deferred pictures as it paints. Texts are drawn from their shared
    // pictures only from their second painting on, so both scenes are compared once they are.
    rendered(deferred.scene, area);
    const QImage fromEager = rendered(eager.scene, area);
    QCOMPARE(rendered(deferred.scene, area), fromEager);
    // Painted for an export, a deferred picture is made for that painting only.
    int drawn = 0;
    for (QGraphicsItem *item : deferred.scene.items(area, Qt::IntersectsItemBoundingRect)) {
        if (auto *picture = dynamic_cast<deferredPixmapItem *>(item)) {
            QVERIFY(picture->isDeferred());
            ++drawn;
        }
    }
    QVERIFY(drawn > 10);
    QCOMPARE(rendered(deferred.scene, area), fromEager);
}

// A view scrolled along the whole strip holds, away from where it shows, no more pictures than the
// budget allows; those it let go are made again when it comes back, the same pixels.
void test_largedesign::picturesFarFromTheViewAreReleased()
{
    readDesign design(mixedDesign::designBytes(2000, 2));
    QGraphicsView view(&design.scene);
    view.resize(800, 340);
    view.show();
    const qint64 oldLimit = pictureBudget::limit();
    const qint64 limit = 2 << 20;
    pictureBudget::setLimit(limit);
    const auto shownAt = [&](qreal x) {
        view.centerOn(x, 150);
        const QImage shown = view.viewport()->grab().toImage();
        QApplication::processEvents();
        return shown;
    };
    const auto pictures = [&](const QRectF &area) {
        QList<deferredPixmapItem *> found;
        for (QGraphicsItem *item : design.scene.items(area, Qt::IntersectsItemBoundingRect))
            if (auto *picture = dynamic_cast<deferredPixmapItem *>(item))
                found.append(picture);
        return found;
    };
    const QImage start = shownAt(400);
    const QRectF startArea = view.mapToScene(view.viewport()->rect()).boundingRect();
    const QList<deferredPixmapItem *> startPictures = pictures(startArea);
    QVERIFY(startPictures.size() > 5);
    for (const deferredPixmapItem *item : startPictures)
        QVERIFY(!item->isDeferred());
    for (qreal x = 400; x < stripLength; x += 600)
        shownAt(x);
    // Released: everything at the start, and all but the budget's worth away from the view.
    for (const deferredPixmapItem *item : startPictures)
        QVERIFY(item->isDeferred());
    const QRectF shown = view.mapToScene(view.viewport()->rect()).boundingRect();
    const QRectF near =
        shown.adjusted(-shown.width() / 2, -shown.height() / 2, shown.width() / 2, shown.height() / 2);
    qint64 farBytes = 0;
    int made = 0;
    for (deferredPixmapItem *item : pictures(design.scene.sceneRect())) {
        if (item->isDeferred())
            continue;
        ++made;
        if (!item->sceneBoundingRect().intersects(near))
            farBytes += qint64(item->pictureSize().width()) * item->pictureSize().height() * 4;
    }
    QVERIFY(made > 5);
    QVERIFY2(farBytes <= limit, qPrintable(QString::number(farBytes)));
    QVERIFY(pictureBudget::heldBytes() > 0);
    QCOMPARE(shownAt(400), start);
    for (const deferredPixmapItem *item : startPictures)
        QVERIFY(!item->isDeferred());
    pictureBudget::setLimit(oldLimit);
}

void test_largedesign::scanVerdictsNeedNoKeptPicture_data()
{
    QTest::addColumn<QString>("content");
    QTest::addColumn<int>("scale");
    QTest::addColumn<int>("version");
    QTest::addColumn<bool>("converse");
    QTest::newRow("scale 2") << "TALMOR_K3" << 2 << 1 << false;
    QTest::newRow("scale 4, converse") << "Lot 12345" << 4 << 2 << true;
    QTest::newRow("scale 13") << "https://example.com/a?b=1" << 13 << 0 << false;
    QTest::newRow("scale 40, version 12, converse") << QString(300, QLatin1Char('x')) << 40 << 12 << true;
    QTest::newRow("scale 0") << "TALMOR_K3" << 0 << 1 << false;
}

// The scan of a deferred symbol reads what its own picture reads, and leaves the picture undrawn.
void test_largedesign::scanVerdictsNeedNoKeptPicture()
{
    QFETCH(QString, content);
    QFETCH(int, scale);
    QFETCH(int, version);
    QFETCH(bool, converse);
    QGraphicsScene scene;
    auto *qr = addQRCode(scene);
    qr->content = content;
    qr->scale = scale;
    qr->version = version;
    qr->converse = converse;
    qr->regenerateLater();
    const symbolVerdict verdict = *itemVerdict(*qr);
    QVERIFY(qr->isDeferred());
    const symbolVerdict drawn =
        verifyQrCode(diagramQRCodeItem::createQRPixmap(qr->record()).toImage(), scale, converse, content);
    QCOMPARE(verdict.readable, drawn.readable);
    QCOMPARE(verdict.decoded, drawn.decoded);
    QCOMPARE(verdict.reason, drawn.reason);
    QCOMPARE(verdict.failedScanOnly, drawn.failedScanOnly);
    QCOMPARE(verdict.readable, scale > 0);

    auto *bar = addBarcode(scene);
    bar->lineWidth = scale > 0 ? scale : 1;
    bar->mode = 6;
    bar->content = content.left(40);
    bar->regenerateLater();
    const symbolVerdict barVerdict = *itemVerdict(*bar);
    QVERIFY(bar->isDeferred());
    const symbolVerdict barDrawn =
        verifyBarcode(bar->mode, bar->content, bar->symbol(bar->content), bar->naturalPixmap().toImage());
    QCOMPARE(barVerdict.readable, barDrawn.readable);
    QCOMPARE(barVerdict.decoded, barDrawn.decoded);
    QCOMPARE(barVerdict.notes, barDrawn.notes);
}

void test_largedesign::qrSizeWithoutEncodingMatchesTheEncoder()
{
    // Digits, upper-case letters, bytes and UTF-8 mixed, at every level and requested version, around
    // the versions' capacities: the size learnt without encoding is the encoder's.
    const QString alphabet =
        QStringLiteral("0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ $%*+-./:abcxyz_\u4E2D\u6587");
    QRandomGenerator random(15);
    for (int n = 0; n < 1500; ++n) {
        qrCodeRecord record;
        const int length = int(random.bounded(n % 10 == 0 ? 3000 : 300));
        const int run = 1 + int(random.bounded(alphabet.size()));
        QString content;
        for (int k = 0; k < length; ++k)
            content += alphabet.at(int(random.bounded(run)));
        record.content = content;
        record.level = int(random.bounded(5)) - (n % 50 == 0 ? 1 : 0);
        record.version = int(random.bounded(42));
        record.scale = 1;
        const QPixmap drawn = diagramQRCodeItem::createQRPixmap(record);
        QCOMPARE(diagramQRCodeItem::symbolModules(record), drawn.width());
    }
}

void test_largedesign::sharedTextPicturesMatchDrawingInPlace_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<qreal>("scale");
    QTest::addColumn<bool>("antialiased");
    QTest::addColumn<QPointF>("at");
    const QPointF whole(17, 23);
    QTest::newRow("counter") << "000000" << 150 << 1.0 << true << whole;
    QTest::newRow("time") << "2026/12/08 19:00:00" << 150 << 1.0 << true << whole;
    QTest::newRow("small, zoomed") << "Lot 12 A" << 40 << 2.0 << true << whole;
    QTest::newRow("zoomed out") << "Lot 12 A" << 150 << 0.25 << false << whole;
    QTest::newRow("chinese") << QString::fromUtf8("\u6279\u53F7 12") << 120 << 1.0 << true << whole;
    // The window's zoom puts most items between device pixels.
    QTest::newRow("window zoom") << "Lot 4711 A" << 150 << 0.58 << true << QPointF(17.38, 23.71);
    QTest::newRow("between pixels") << "000000" << 150 << 1.0 << true << QPointF(16.5, 22.0625);
}

// The shared picture drawn as the item would be drawn in place, compared pixel by pixel.
void test_largedesign::sharedTextPicturesMatchDrawingInPlace()
{
    QFETCH(QString, text);
    QFETCH(int, pixelSize);
    QFETCH(qreal, scale);
    QFETCH(bool, antialiased);
    QFETCH(QPointF, at);
    diagramTextItem item;
    item.itemFont.setPixelSize(pixelSize);
    item.content = text;
    item.showFields();
    // The same text with a document of its own, drawn by the toolkit as it is.
    diagramTextItem twin;
    twin.itemFont = item.itemFont;
    twin.content = text;
    twin.showFields();
    twin.document();
    twin.setDefaultTextColor(Qt::black);
    const QSize size = (item.boundingRect().size() * scale).toSize() + QSize(40, 40);
    // On a picture (glyph pictures) and on a pixmap (shared text pictures from the second paint on).
    for (const bool onPixmap : {false, true}) {
        auto painted = [&](bool inPlace) {
            QImage image(size, QImage::Format_ARGB32_Premultiplied);
            QPixmap pixmap(size);
            image.fill(Qt::white);
            pixmap.fill(Qt::white);
            QPainter painter;
            onPixmap && !inPlace ? painter.begin(&pixmap) : painter.begin(&image);
            painter.setRenderHint(QPainter::TextAntialiasing, antialiased);
            painter.translate(at);
            painter.scale(scale, scale);
            QStyleOptionGraphicsItem option;
            if (inPlace)
                twin.QGraphicsTextItem::paint(&painter, &option, nullptr);
            else
                item.paint(&painter, &option, nullptr);
            painter.end();
            return onPixmap && !inPlace ? pixmap.toImage().convertToFormat(image.format()) : image;
        };
        const QImage direct = painted(true);
        // Every paint after the first the same, and each the toolkit's drawing but for rounding. Where
        // glyph edges meet, or a glyph lies elsewhere on the device, the toolkit's coverage rounds
        // differently: an edge moved by 1/64 pixel (four levels) on a handful of pixels.
        const QImage first = painted(false);
        QCOMPARE(painted(false), painted(false));
        for (const QImage &kept : {first, painted(false)}) {
            const auto [differing, most] = differenceOf(kept, direct);
            QVERIFY2(most <= 4, qPrintable(QStringLiteral("a pixel differs by %1 levels").arg(most)));
            QVERIFY2(differing * 1000 <= direct.width() * direct.height(),
                     qPrintable(QStringLiteral("%1 pixels differ").arg(differing)));
        }
    }
}

// Two texts alike but for their letter spacing, each painted often enough to come from a picture.
void test_largedesign::textsDifferingInSpacingGetTheirOwnPictures()
{
    diagramCntItem narrow, wide;
    wide.itemFont.setLetterSpacing(QFont::AbsoluteSpacing, 30);
    narrow.showFields();
    wide.showFields();
    QVERIFY(wide.boundingRect().width() > narrow.boundingRect().width());
    // On a picture from glyph pictures, on a pixmap from shared text pictures once painted before.
    for (const bool onImage : {true, false}) {
        auto painted = [onImage](diagramCntItem &item) {
            const QSize size = item.boundingRect().size().toSize();
            QImage image(size, QImage::Format_ARGB32_Premultiplied);
            QPixmap pixmap(size);
            image.fill(Qt::white);
            pixmap.fill(Qt::white);
            QPainter painter;
            onImage ? painter.begin(&image) : painter.begin(&pixmap);
            painter.setRenderHint(QPainter::TextAntialiasing);
            QStyleOptionGraphicsItem option;
            item.paint(&painter, &option, nullptr);
            painter.end();
            return onImage ? image : pixmap.toImage();
        };
        const QImage first = painted(wide);
        for (int i = 0; i < 3; ++i)
            painted(narrow);
        QCOMPARE(painted(wide), first);
        QVERIFY(painted(wide) == painted(wide));
    }
}

void test_largedesign::itemsWithoutADocumentMatchTheToolkit_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<qreal>("spacing");
    QTest::addColumn<bool>("selected");
    QTest::newRow("default text") << "Input text" << 150 << 0.0 << false;
    QTest::newRow("empty") << "" << 150 << 0.0 << false;
    QTest::newRow("spaces and tab") << "  a=b\t==c " << 60 << 2.0 << false;
    QTest::newRow("chinese") << QString::fromUtf8("\u6279\u53F7 12\u5E74") << 120 << 0.0 << true;
    QTest::newRow("negative spacing") << "000123" << 150 << -12.0 << true;
    QTest::newRow("long") << QString("Lot 42 ").repeated(700) << 20 << 0.0 << false;
    QTest::newRow("two lines") << "first\nsecond" << 80 << 0.0 << true;
}

// Measured and drawn by the shared toolkit item, an item without a document of its own has the size,
// shape and pixels of one with its document, selected or not, in both selection looks.
void test_largedesign::itemsWithoutADocumentMatchTheToolkit()
{
    QFETCH(QString, text);
    QFETCH(int, pixelSize);
    QFETCH(qreal, spacing);
    QFETCH(bool, selected);
    auto shown = [&](textFamilyItem &item, bool own) {
        item.itemFont.setPixelSize(pixelSize);
        item.itemFont.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
        if (own)
            item.document();
        item.showText(text);
    };
    auto painted = [&](textFamilyItem &item) {
        QImage picture((item.boundingRect().size() + QSizeF(20, 20)).toSize(),
                       QImage::Format_ARGB32_Premultiplied);
        picture.fill(Qt::white);
        QPainter painter(&picture);
        painter.translate(5.5, 7.25); // off the pixel grid: drawn in place, never from a shared picture
        QStyleOptionGraphicsItem option;
        option.state = selected ? QStyle::State_Selected : QStyle::State_None;
        option.exposedRect = item.boundingRect();
        item.paint(&painter, &option, nullptr);
        return picture;
    };
    diagramTextItem lean, own;
    diagramCnt2Item leanFramed, ownFramed;
    shown(lean, false);
    shown(own, true);
    shown(leanFramed, false);
    shown(ownFramed, true);
    QCOMPARE(lean.hasOwnDocument(), text.contains('\n'));
    QVERIFY(own.hasOwnDocument());
    QCOMPARE(lean.boundingRect(), own.boundingRect());
    QCOMPARE(lean.shape(), own.shape());
    QCOMPARE(lean.toPlainText(), own.toPlainText());
    QCOMPARE(lean.font(), own.font());
    QCOMPARE(painted(lean), painted(own));
    QCOMPARE(lean.defaultTextColor(), own.defaultTextColor());
    QCOMPARE(painted(leanFramed), painted(ownFramed));
}

// Edits move the item in the scene's index as the toolkit's would, and the first event that reaches its
// text control gives the item its own document with what it showed.
void test_largedesign::itemsWithoutADocumentFollowEditsAndEvents()
{
    QGraphicsScene scene(0, 0, 4000, 300);
    auto *counter = new diagramCntItem;
    scene.addItem(counter);
    counter->showFields();
    const QRectF shortBox = counter->sceneBoundingRect();
    const QPointF beyond(shortBox.right() + 100, shortBox.center().y());
    QVERIFY(!scene.items(beyond).contains(counter));
    counter->setPlainText(QString(20, QLatin1Char('0')));
    QVERIFY(scene.items(beyond).contains(counter));
    counter->itemFont.setPixelSize(20);
    counter->setFont(counter->itemFont);
    QVERIFY(!scene.items(beyond).contains(counter));
    QVERIFY(!counter->hasOwnDocument());
    // Activating the window reaches every item and needs no document.
    for (const QEvent::Type type : {QEvent::WindowActivate, QEvent::WindowDeactivate}) {
        QEvent activation(type);
        QApplication::sendEvent(&scene, &activation);
    }
    QVERIFY(!counter->hasOwnDocument());

    const QRectF before = counter->boundingRect();
    QGraphicsSceneMouseEvent press(QEvent::GraphicsSceneMousePress);
    press.setButton(Qt::RightButton);
    press.setButtons(Qt::RightButton);
    press.setScenePos(counter->sceneBoundingRect().center());
    QApplication::sendEvent(&scene, &press);
    QVERIFY(counter->hasOwnDocument());
    QCOMPARE(counter->boundingRect(), before);
    QCOMPARE(counter->toPlainText(), QString(20, QLatin1Char('0')));
    QCOMPARE(counter->font().pixelSize(), 20);
    QCOMPARE(counter->document()->toPlainText(), counter->toPlainText());
    counter->setPlainText(QStringLiteral("7"));
    QCOMPARE(counter->QGraphicsTextItem::toPlainText(), QStringLiteral("7"));
}

// Rows drawn alone, for a scan, are those rows of the whole picture: every symbology, text on and off,
// bands at the top, in the middle, at the bars' foot and across the text.
void test_largedesign::barcodeRowsMatchTheirPicture()
{
    int compared = 0;
    for (int mode = 0; mode < barcodeModeCount; ++mode) {
        for (const bool text : {true, false}) {
            for (const int d : {1, 3}) {
                const QString content = mixedDesign::barcodeContent(mode, 4711 * d);
                const barcodeSymbol symbol = encodeBarcode(mode, {text, d, 60 + 7 * mode}, content);
                QVERIFY(!symbol.refusal);
                const QImage whole = renderBarcodePixmap(symbol).toImage();
                const int e = symbol.options.e;
                for (const int top : {0, e / 2 - 1, e - 3, e - 1, qMax(0, whole.height() - 3)}) {
                    QCOMPARE(renderBarcodeRows(symbol, top, 3), whole.copy(0, top, whole.width(), 3));
                    ++compared;
                }
                const symbolVerdict alone = verifyBarcodeSymbol(mode, content, symbol);
                const symbolVerdict drawn = verifyBarcode(mode, content, symbol, whole);
                QVERIFY(alone.readable);
                QCOMPARE(alone.decoded, drawn.decoded);
                QCOMPARE(alone.notes, drawn.notes);
                QCOMPARE(alone.failedScanOnly, drawn.failedScanOnly);
            }
        }
    }
    QCOMPARE(compared, 7 * 2 * 2 * 5);
}

QTEST_MAIN(test_largedesign)
#include "test_largedesign.moc"
