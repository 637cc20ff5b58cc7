#include "diagramqrcodeitem.h"
#include "qrdecode.h"

#include <QPainter>
#include <QStyleOptionGraphicsItem>
#include <QtTest>
#include <climits>

namespace
{

qrCodeRecord recordWith(const QString &content, int level, int version, int scale, bool converse)
{
    qrCodeRecord record;
    record.content = content;
    record.level = level;
    record.version = version;
    record.scale = scale;
    record.converse = converse;
    return record;
}

QImage paintedItem(diagramQRCodeItem &item, QStyle::State state)
{
    QImage canvas(item.pixmap().size(), QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    QStyleOptionGraphicsItem option;
    option.state = state;
    option.exposedRect = item.boundingRect();
    item.paint(&painter, &option, nullptr);
    painter.end();
    return canvas;
}

} // namespace

class test_qrcodeitem : public QObject
{
    Q_OBJECT

private slots:
    void newItemHasDefaultsAndNoPicture();
    void picturesScanToTheirContent_data();
    void picturesScanToTheirContent();
    void converseHasDarkBorderAndPlainTouchesEdge();
    void noSymbolGivesEmptyPictureAndKeepsValues_data();
    void noSymbolGivesEmptyPictureAndKeepsValues();
    void regenerateStoresAndShowsTheSameSymbol();
    void selectionDoesNotChangeTheLook();
};

void test_qrcodeitem::newItemHasDefaultsAndNoPicture()
{
    diagramQRCodeItem item;
    QCOMPARE(item.type(), 65546);
    QCOMPARE(item.content, QStringLiteral("TALMOR_K3"));
    QCOMPARE(item.level, 2);
    QCOMPARE(item.scale, 13);
    QCOMPARE(item.version, 1);
    QVERIFY(!item.converse && !item.insertCnt && !item.insertTime && !item.isInsVariable);
    QCOMPARE(item.cntMode, 0);
    QCOMPARE(item.extStartLine, 1u);
    QCOMPARE(item.extEndLine, 1u);
    QCOMPARE(item.extCurLine, 1u);
    QVERIFY(item.flags() & QGraphicsItem::ItemIsSelectable);
    QVERIFY(item.flags() & QGraphicsItem::ItemIsMovable);
    QVERIFY(item.pixmap().isNull());
    QVERIFY(item.qrPixmap.isNull());
}

void test_qrcodeitem::picturesScanToTheirContent_data()
{
    QTest::addColumn<QString>("content");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("version");
    QTest::addColumn<int>("scale");
    QTest::addColumn<bool>("converse");
    QTest::addColumn<int>("side");
    QTest::addColumn<QString>("readLevel");

    QTest::newRow("defaults") << "TALMOR_K3" << 2 << 1 << 13 << false << 273 << "Q";
    QTest::newRow("defaults inverted") << "TALMOR_K3" << 2 << 1 << 13 << true << 299 << "Q";
    QTest::newRow("numeric at L") << "01234567890123456789" << 0 << 1 << 13 << false << 273 << "L";
    QTest::newRow("alphanumeric at M") << "HELLO WORLD $%*+-./:" << 1 << 1 << 13 << false << 273 << "M";
    QTest::newRow("8-bit at H") << "a~{b}|c" << 3 << 1 << 13 << false << 273 << "H";
    QTest::newRow("utf-8 chinese") << QString::fromUtf8("二维码测试") << 2 << 2 << 10 << false << 250 << "Q";
    QTest::newRow("mixed segments") << QString::fromUtf8("HTTP://X.CN/0123456789?q=中文") << 1 << 1 << 8
                                    << false << 25 * 8 << "M";
    QTest::newRow("level 7 means Q") << "123" << 7 << 1 << 13 << false << 273 << "Q";
    QTest::newRow("negative level means Q") << "123" << -1 << 1 << 13 << false << 273 << "Q";
    QTest::newRow("scale 1 version 5") << "TALMOR_K3" << 2 << 5 << 1 << false << 37 << "Q";
    QTest::newRow("scale 1 version 5 inverted") << "TALMOR_K3" << 2 << 5 << 1 << true << 39 << "Q";
    // 25 bytes need version 3 (29 modules) at level Q; the library raises the requested version.
    QTest::newRow("version raised") << "abcdefghijklmnopqrstuvwxy" << 2 << 1 << 13 << false << 29 * 13 << "Q";
    QTest::newRow("largest numeric symbol")
        << QString(7089, QLatin1Char('7')) << 0 << 40 << 1 << false << 177 << "L";
    QTest::newRow("version 0 picks smallest") << "A" << 2 << 0 << 13 << false << 273 << "Q";
}

void test_qrcodeitem::picturesScanToTheirContent()
{
    QFETCH(QString, content);
    QFETCH(int, level);
    QFETCH(int, version);
    QFETCH(int, scale);
    QFETCH(bool, converse);
    QFETCH(int, side);
    QFETCH(QString, readLevel);

    const QPixmap picture =
        diagramQRCodeItem::createQRPixmap(recordWith(content, level, version, scale, converse));
    QCOMPARE(picture.size(), QSize(side, side));
    QCOMPARE(picture.depth() == 1, converse);
    const decodedQr read = decodeQr(picture.toImage(), 4 * scale, converse);
    QVERIFY(read.found);
    QCOMPARE(read.text, content);
    QCOMPARE(read.level, readLevel);
}

void test_qrcodeitem::converseHasDarkBorderAndPlainTouchesEdge()
{
    const QImage inverted = diagramQRCodeItem::createQRPixmap(recordWith("TALMOR_K3", 2, 5, 1, true))
                                .toImage()
                                .convertToFormat(QImage::Format_RGB32);
    const QRgb dark = qRgb(0, 0, 0);
    for (int i = 0; i < inverted.width(); ++i) {
        QCOMPARE(inverted.pixel(i, 0), dark);
        QCOMPARE(inverted.pixel(i, inverted.height() - 1), dark);
        QCOMPARE(inverted.pixel(0, i), dark);
        QCOMPARE(inverted.pixel(inverted.width() - 1, i), dark);
    }
    // Inside the border the finder pattern's dark outer ring is shown light.
    QCOMPARE(inverted.pixel(1, 1), qRgb(255, 255, 255));

    const QImage plain = diagramQRCodeItem::createQRPixmap(qrCodeRecord()).toImage();
    QCOMPARE(plain.pixel(0, 0), dark);
    QCOMPARE(plain.pixel(plain.width() - 1, 0), dark);
    QCOMPARE(plain.pixel(0, plain.height() - 1), dark);
}

void test_qrcodeitem::noSymbolGivesEmptyPictureAndKeepsValues_data()
{
    QTest::addColumn<QString>("content");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("version");
    QTest::addColumn<int>("scale");
    QTest::addColumn<bool>("converse");

    QTest::newRow("scale 0") << "TALMOR_K3" << 2 << 1 << 0 << false;
    QTest::newRow("negative scale") << "TALMOR_K3" << 2 << 1 << -13 << true;
    QTest::newRow("most negative scale") << "TALMOR_K3" << 2 << 1 << INT_MIN << true;
    QTest::newRow("version 41") << "TALMOR_K3" << 2 << 41 << 13 << false;
    QTest::newRow("negative version") << "TALMOR_K3" << 2 << -1 << 13 << false;
    QTest::newRow("empty content") << "" << 2 << 1 << 13 << false;
    QTest::newRow("beyond version 40 at H") << QString(3000, QLatin1Char('a')) << 3 << 1 << 1 << false;
    QTest::newRow("ten million characters") << QString(10'000'000, QLatin1Char('7')) << 0 << 1 << 1 << false;
    QTest::newRow("wider than 20000 pixels") << "TALMOR_K3" << 2 << 1 << 1000 << false;
    QTest::newRow("border makes it too wide") << "TALMOR_K3" << 2 << 1 << 910 << true;
    QTest::newRow("version 40 too wide") << "TALMOR_K3" << 2 << 40 << 200 << false;
    QTest::newRow("largest scale") << "TALMOR_K3" << 2 << 1 << INT_MAX << true;
}

void test_qrcodeitem::noSymbolGivesEmptyPictureAndKeepsValues()
{
    QFETCH(QString, content);
    QFETCH(int, level);
    QFETCH(int, version);
    QFETCH(int, scale);
    QFETCH(bool, converse);

    diagramQRCodeItem item;
    static_cast<qrCodeRecord &>(item) = recordWith(content, level, version, scale, converse);
    item.setPixmap(diagramQRCodeItem::createQRPixmap(qrCodeRecord()));
    item.regenerate();
    QVERIFY(item.qrPixmap.isNull());
    QVERIFY(item.pixmap().isNull());
    QCOMPARE(item.scale, scale);
    QCOMPARE(item.version, version);
    QCOMPARE(item.content, content);

    // The item stays usable: a sound value afterwards gives a symbol again.
    item.scale = 2;
    item.version = 1;
    item.content = QStringLiteral("123");
    item.regenerate();
    QCOMPARE(item.pixmap().width(), 21 * 2 + (converse ? 4 : 0));
}

void test_qrcodeitem::regenerateStoresAndShowsTheSameSymbol()
{
    diagramQRCodeItem item;
    item.content = QStringLiteral("123");
    item.regenerate();
    QCOMPARE(item.pixmap().toImage(), item.qrPixmap.toImage());
    const decodedQr read = decodeQr(item.pixmap().toImage(), 52);
    QCOMPARE(read.text, QStringLiteral("123"));

    item.converse = true;
    item.regenerate();
    QCOMPARE(item.pixmap().size(), QSize(299, 299));
    QCOMPARE(decodeQr(item.pixmap().toImage(), 52, true).text, QStringLiteral("123"));
}

void test_qrcodeitem::selectionDoesNotChangeTheLook()
{
    diagramQRCodeItem item;
    item.regenerate();
    const QImage plain = paintedItem(item, QStyle::State_None);
    const QImage selected = paintedItem(item, QStyle::State_Selected | QStyle::State_HasFocus);
    QCOMPARE(selected, plain);
    QCOMPARE(plain, item.pixmap().toImage().convertToFormat(QImage::Format_RGB32));
}

QTEST_MAIN(test_qrcodeitem)
#include "test_qrcodeitem.moc"
