// The print preview: what each item kind shows at a chosen moment and counter values, QR placeholders
// filled in (or refused when stale), and a canvas and file that come back exactly as they were.
#include "../document/designfixtures.h"
#include "printpreview.h"
#include "symbolverdict.h"

#include <QGraphicsEffect>
#include <QPainter>
#include <QtTest>

namespace
{
QDateTime at(const QString &iso)
{
    return QDateTime::fromString(iso, Qt::ISODate);
}

previewValues valuesAt(const QString &iso, int counter1 = 0, int counter2 = 0)
{
    previewValues values;
    values.moment = at(iso);
    values.counter1 = counter1;
    values.counter2 = counter2;
    return values;
}

QImage rendered(QGraphicsScene &scene)
{
    QImage image(3000, 300, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    scene.render(&painter, QRectF(0, 0, 3000, 300), QRectF(0, 0, 3000, 300));
    return image;
}

qrCodeRecord placeholderRecord(const QString &content, int cntMode, int cntPos, const QString &format,
                               int timePos)
{
    qrCodeRecord record;
    record.content = content;
    record.insertCnt = cntMode != 0 || cntPos != 0;
    record.cntMode = cntMode;
    record.insertCntPos = cntPos;
    record.insertTime = !format.isEmpty() || timePos != 0;
    record.timeModeStr = format;
    record.insertTimePos = timePos;
    return record;
}
} // namespace

class printPreviewTest : public QObject
{
    Q_OBJECT
private slots:
    void timeItems_data();
    void timeItems();
    void counterItems_data();
    void counterItems();
    void qrTexts_data();
    void qrTexts();
    void qrVersionGrows();
    void sceneComesBack();
    void staleQrCodeIsMarked();
    void gs1DigitalLinkFaultsAtTheMoment_data();
    void gs1DigitalLinkFaultsAtTheMoment();
};

void printPreviewTest::timeItems_data()
{
    QTest::addColumn<QString>("moment");
    QTest::addColumn<QString>("format");
    QTest::addColumn<int>("valid");
    QTest::addColumn<QString>("shown");
    QTest::newRow("leap day") << "2024-02-29T23:59:58"
                              << "yyyy/MM/dd hh:mm:ss" << 0 << "2024/02/29 23:59:58";
    QTest::newRow("leap day plus a year") << "2024-02-29T08:00:00"
                                          << "yyyy-MM-dd" << 12 << "2025-02-27";
    QTest::newRow("31 January plus a month, leap year") << "2024-01-31T00:00:00"
                                                        << "yyyy/MM/dd" << 1 << "2024/02/28";
    QTest::newRow("31 January plus a month") << "2023-01-31T00:00:00"
                                             << "yyyy/MM/dd" << 1 << "2023/02/27";
    QTest::newRow("month end to month end") << "2023-04-30T12:00:00"
                                            << "yyMMdd" << 1 << "230529";
    QTest::newRow("year end") << "2023-12-31T23:59:59"
                              << "yyyy/MM/dd hh:mm:ss" << 0 << "2023/12/31 23:59:59";
    QTest::newRow("negative validity") << "2024-03-31T00:00:00"
                                       << "yyyy/MM/dd" << -1 << "2024/02/28";
}

void printPreviewTest::timeItems()
{
    QFETCH(QString, moment);
    QFETCH(QString, format);
    QFETCH(int, valid);
    QFETCH(QString, shown);
    QGraphicsScene scene;
    diagramTimeItem *item = addTime(scene);
    item->mode = format;
    item->valid = valid;
    item->setPlainText(item->timeText(item->dateTime, item->valid));
    const QString before = item->toPlainText();
    QCOMPARE(previewItemText(*item, valuesAt(moment)), shown);
    scenePreview preview(scene);
    preview.show(valuesAt(moment));
    QCOMPARE(item->toPlainText(), shown);
    preview.restore();
    QCOMPARE(item->toPlainText(), before);
}

void printPreviewTest::counterItems_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("name");
    QTest::addColumn<int>("counter1");
    QTest::addColumn<int>("counter2");
    QTest::addColumn<QString>("shown");
    QTest::newRow("counter 1 padded") << 6 << 0 << 42 << 7 << "000042";
    QTest::newRow("counter 2 chosen by name") << 6 << 1 << 42 << 7 << "000007";
    QTest::newRow("wider than the digit count") << 3 << 0 << 12345 << 0 << "12345";
    QTest::newRow("highest value in 8 digits") << 8 << 1 << 0 << previewCounterMax << "99999999";
    QTest::newRow("highest value in 1 digit") << 1 << 0 << previewCounterMax << 0 << "99999999";
    QTest::newRow("zero") << 1 << 0 << 0 << 0 << "0";
}

void printPreviewTest::counterItems()
{
    QFETCH(int, mode);
    QFETCH(int, name);
    QFETCH(int, counter1);
    QFETCH(int, counter2);
    QFETCH(QString, shown);
    QGraphicsScene scene;
    diagramCntItem *item = addCounter(scene);
    item->mode = mode;
    item->name = name;
    item->setPlainText(item->counterText(item->value));
    diagramCnt2Item *second = addCounter2(scene);
    second->mode = mode;
    second->setPlainText(second->counterText(second->value));
    const QString before = item->toPlainText();
    scenePreview preview(scene);
    preview.show(valuesAt("2024-02-29T00:00:00", counter1, counter2));
    QCOMPARE(item->toPlainText(), shown);
    QCOMPARE(second->toPlainText(), paddedCounterText(counter2, mode));
    preview.restore();
    QCOMPARE(item->toPlainText(), before);
    QCOMPARE(second->toPlainText(), QString(mode, '0'));
}

void printPreviewTest::qrTexts_data()
{
    QTest::addColumn<QString>("content");
    QTest::addColumn<int>("cntMode");
    QTest::addColumn<int>("cntPos");
    QTest::addColumn<QString>("format");
    QTest::addColumn<int>("timePos");
    QTest::addColumn<int>("counter");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("stale");
    QTest::newRow("counter and date")
        << "LOT000yyyy/MM/dd" << 3 << 3 << "yyyy/MM/dd" << 6 << 42 << "LOT0422024/02/29" << false;
    QTest::newRow("date before counter")
        << "yyMMdd-0000" << 4 << 7 << "yyMMdd" << 0 << 5 << "240229-0005" << false;
    QTest::newRow("counter wider than its run")
        << "LOT000yyyy/MM/dd" << 3 << 3 << "yyyy/MM/dd" << 6 << 123456 << "LOT1234562024/02/29" << false;
    QTest::newRow("counter only") << "N00000000" << 8 << 1 << "" << 0 << previewCounterMax << "N99999999"
                                  << false;
    QTest::newRow("time only") << "hh:mm" << 0 << 0 << "hh:mm" << 0 << 0 << "23:59" << false;
    QTest::newRow("counter run edited")
        << "LOT0X0yyyy/MM/dd" << 3 << 3 << "yyyy/MM/dd" << 6 << 42 << "LOT0X0yyyy/MM/dd" << true;
    QTest::newRow("format edited") << "LOT000yyyy-MM-dd" << 3 << 3 << "yyyy/MM/dd" << 6 << 42
                                   << "LOT000yyyy-MM-dd" << true;
    QTest::newRow("position past the end") << "LOT" << 3 << 3 << "" << 0 << 1 << "LOT" << true;
    QTest::newRow("width out of range") << "LOT000000000" << 9 << 3 << "" << 0 << 1 << "LOT000000000" << true;
    QTest::newRow("overlapping placeholders") << "00yy" << 2 << 0 << "0yy" << 1 << 1 << "00yy" << true;
}

void printPreviewTest::qrTexts()
{
    QFETCH(QString, content);
    QFETCH(int, cntMode);
    QFETCH(int, cntPos);
    QFETCH(QString, format);
    QFETCH(int, timePos);
    QFETCH(int, counter);
    QFETCH(QString, text);
    QFETCH(bool, stale);
    const qrPreviewText filled = previewQrText(placeholderRecord(content, cntMode, cntPos, format, timePos),
                                               valuesAt("2024-02-29T23:59:00", counter));
    QCOMPARE(filled.text, text);
    QCOMPARE(filled.stale, stale);
}

// A filled-in text that no longer fits the symbol the canvas shows: the preview symbol is larger and
// reads as the substituted text.
void printPreviewTest::qrVersionGrows()
{
    QGraphicsScene scene;
    diagramQRCodeItem *item = addQRCode(scene);
    // One counter digit at the highest error correction: the eight digits of the value need version 2.
    static_cast<qrCodeRecord &>(*item) = placeholderRecord("qr-0", 1, 3, "", 0);
    item->level = 3;
    item->regenerate();
    const QSize canvasSize = item->pixmap().size();
    QCOMPARE(diagramQRCodeItem::symbolModules(item->record()), 21);

    scenePreview preview(scene);
    preview.show(valuesAt("2024-02-29T12:34:56", previewCounterMax));
    const QString expected = "qr-99999999";
    qrCodeRecord filled = item->record();
    filled.content = expected;
    QCOMPARE(diagramQRCodeItem::symbolModules(filled), 25);
    QVERIFY(item->pixmap().width() > canvasSize.width());
    const symbolVerdict verdict = verifyQrCode(item->pixmap().toImage(), item->scale, false, expected);
    QVERIFY2(verdict.readable, qPrintable(verdict.reason));
    QCOMPARE(verdict.decoded, expected);
    preview.restore();
    QCOMPARE(item->pixmap().size(), canvasSize);
    QCOMPARE(verifyQrCode(item->pixmap().toImage(), item->scale, false, item->content).decoded,
             item->content);
}

void printPreviewTest::sceneComesBack()
{
    QGraphicsScene scene;
    setUpDesignScene(scene);
    addText(scene, "Input text", {0, 0});
    diagramTimeItem *time = addTime(scene, {600, 0});
    time->valid = 12;
    time->setPlainText(time->timeText(time->dateTime, time->valid));
    addCounter(scene, {1300, 0});
    addCounter2(scene, {1900, 0});
    addBarcode(scene, {0, 100});
    diagramQRCodeItem *qr = addQRCode(scene, {2400, 0});
    static_cast<qrCodeRecord &>(*qr) = placeholderRecord("LOT000yyyy/MM/dd", 3, 3, "yyyy/MM/dd", 6);
    qr->regenerate();
    addImage(scene, {}, {2700, 0});

    const QByteArray file = sprFileBytes(scene);
    const QImage canvas = rendered(scene);
    QStringList texts;
    for (QGraphicsItem *item : scene.items())
        if (auto *text = dynamic_cast<textFamilyItem *>(item))
            texts << text->toPlainText();

    scenePreview preview(scene);
    preview.show(valuesAt("2024-02-29T10:00:00", 12, 34));
    QVERIFY(rendered(scene) != canvas);
    QCOMPARE(sprFileBytes(scene), file);
    // Shown again with other values, then put back.
    preview.show(valuesAt("2023-12-31T23:59:59", 99999999, 0));
    QCOMPARE(sprFileBytes(scene), file);
    preview.restore();
    QCOMPARE(rendered(scene), canvas);
    QCOMPARE(sprFileBytes(scene), file);
    QStringList after;
    for (QGraphicsItem *item : scene.items())
        if (auto *text = dynamic_cast<textFamilyItem *>(item))
            after << text->toPlainText();
    QCOMPARE(after, texts);
    QVERIFY(!preview.isShown());
}

void printPreviewTest::staleQrCodeIsMarked()
{
    QGraphicsScene scene;
    diagramQRCodeItem *qr = addQRCode(scene);
    static_cast<qrCodeRecord &>(*qr) = placeholderRecord("LOT0X0", 3, 3, "", 0);
    qr->regenerate();
    const QImage before = qr->pixmap().toImage();
    scenePreview preview(scene);
    preview.show(valuesAt("2024-02-29T10:00:00", 5));
    QCOMPARE(preview.staleItems(), QList<QGraphicsItem *>{qr});
    QVERIFY(qr->graphicsEffect());
    QVERIFY(!qr->toolTip().isEmpty());
    QCOMPARE(qr->pixmap().toImage(), before);
    preview.restore();
    QVERIFY(!qr->graphicsEffect());
    QVERIFY(qr->toolTip().isEmpty());
    QVERIFY(preview.staleItems().isEmpty());
}

// A production date from the time placeholder against a fixed expiry: the same design is sound on one
// day and faulty on the next; a fixed impossible expiry is faulty on every day.
void printPreviewTest::gs1DigitalLinkFaultsAtTheMoment_data()
{
    QTest::addColumn<QString>("expiry");
    QTest::addColumn<QString>("moment");
    QTest::addColumn<bool>("faulty");
    QTest::newRow("made on the expiry day") << "280229"
                                            << "2028-02-29T23:59:00" << false;
    QTest::newRow("made the day after") << "280229"
                                        << "2028-03-01T00:00:00" << true;
    QTest::newRow("day 00 covers the month") << "280200"
                                             << "2028-02-29T12:00:00" << false;
    QTest::newRow("no 29 February in 2027") << "270229"
                                            << "2027-01-01T00:00:00" << true;
    QTest::newRow("31 April") << "280431"
                              << "2028-01-01T00:00:00" << true;
}

void printPreviewTest::gs1DigitalLinkFaultsAtTheMoment()
{
    QFETCH(QString, expiry);
    QFETCH(QString, moment);
    QFETCH(bool, faulty);
    QGraphicsScene scene;
    diagramQRCodeItem *qr = addQRCode(scene);
    const QString content = "https://id.gs1.org/01/09501101020917/21/0000?11=yyMMdd&17=" + expiry;
    static_cast<qrCodeRecord &>(*qr) =
        placeholderRecord(content, 4, content.indexOf("0000"), "yyMMdd", content.indexOf("yyMMdd"));
    qr->regenerate();
    scenePreview preview(scene);
    preview.show(valuesAt(moment, 17));
    QCOMPARE(preview.gs1FaultyItems().size(), faulty ? 1 : 0);
    QCOMPARE(qr->graphicsEffect() != nullptr, faulty);
    QCOMPARE(qr->toolTip().contains("(17)"), faulty);
    preview.restore();
    QVERIFY(!qr->graphicsEffect());
    QVERIFY(preview.gs1FaultyItems().isEmpty());
}

QTEST_MAIN(printPreviewTest)
#include "test_printpreview.moc"
