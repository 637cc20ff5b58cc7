#include "diagramimageitem.h"

#include <QBitmap>
#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

namespace
{

// Black and white as they are seen on the canvas, whatever the picture's depth.
QImage look(const QPixmap &picture)
{
    return picture.toImage().convertToFormat(QImage::Format_RGB32);
}

int blackPixels(const QImage &image, const QRect &area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += qGray(image.pixel(x, y)) < 128;
    return count;
}

// A 100 x 50 picture: white with a black square in the left part and a grey band that the
// conversion to one bit must resolve.
QString writeTestPicture(const QTemporaryDir &dir, const char *format)
{
    QImage image(100, 50, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.fillRect(10, 10, 30, 30, Qt::black);
    painter.fillRect(60, 0, 20, 50, QColor(90, 90, 90));
    painter.end();
    const QString path = dir.filePath(QStringLiteral("picture.") + QString::fromLatin1(format).toLower());
    image.save(path, format);
    return path;
}

// A BMP header announcing 15000 x 15000 pixels (225 million), with no pixel data behind it.
QString writeHugeBmpHeader(const QTemporaryDir &dir)
{
    QByteArray header(54, '\0');
    auto put32 = [&header](int at, quint32 v) {
        for (int i = 0; i < 4; ++i)
            header[at + i] = char((v >> (8 * i)) & 0xff);
    };
    header[0] = 'B';
    header[1] = 'M';
    put32(2, 54);
    put32(10, 54);
    put32(14, 40);
    put32(18, 15000);
    put32(22, 15000);
    header[26] = 1;
    header[28] = 24;
    const QString path = dir.filePath(QStringLiteral("huge.bmp"));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(header);
    return path;
}

// A real JPEG whose frame header is rewritten to announce 20000 x 20000 pixels.
QString writeHugeJpegHeader(const QTemporaryDir &dir)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QImage(16, 16, QImage::Format_RGB32).save(&buffer, "JPG");
    for (int at = 2; at + 9 < data.size();) {
        const auto byte = [&data](int i) { return int(quint8(data.at(i))); };
        if (byte(at + 1) == 0xC0 || byte(at + 1) == 0xC2) {
            for (int field : {at + 5, at + 7}) {
                data[field] = char(20000 >> 8);
                data[field + 1] = char(20000 & 0xff);
            }
            break;
        }
        at += 2 + (byte(at + 2) << 8 | byte(at + 3));
    }
    const QString path = dir.filePath(QStringLiteral("huge.jpg"));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(data);
    return path;
}

} // namespace

class test_imageitem : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(dir.isValid()); }
    void newItemShowsPlaceholder();
    void chosenFileLoadsAsOneBit_data();
    void chosenFileLoadsAsOneBit();
    void resizeStartsFromSource();
    void invertTwiceReturnsToFirstLook();
    void unreadableOrOversizedGivesEmptyPicture();

private:
    QTemporaryDir dir;
};

void test_imageitem::newItemShowsPlaceholder()
{
    diagramImageItem item;
    QCOMPARE(item.type(), 65544);
    QVERIFY(item.flags() & QGraphicsItem::ItemIsSelectable);
    QVERIFY(item.flags() & QGraphicsItem::ItemIsMovable);
    QVERIFY(item.pixPath.isEmpty());
    QVERIFY(!item.isColorConverse);
    QVERIFY(item.pixmap().isNull());

    item.showPlaceholder();
    QCOMPARE(item.pixmap().size(), QSize(240, 240));
    QCOMPARE(item.sourcePixmap.size(), QSize(240, 240));
    const QImage shown = look(item.pixmap());
    // The text sits in the middle band; the corners and the top and bottom stay white.
    QVERIFY(blackPixels(shown, QRect(20, 100, 200, 40)) > 100);
    QCOMPARE(blackPixels(shown, QRect(0, 0, 240, 60)), 0);
    QCOMPARE(blackPixels(shown, QRect(0, 180, 240, 60)), 0);
    QVERIFY(item.pixPath.isEmpty());
}

void test_imageitem::chosenFileLoadsAsOneBit_data()
{
    QTest::addColumn<QByteArray>("format");
    QTest::newRow("bmp") << QByteArray("BMP");
    QTest::newRow("jpeg") << QByteArray("JPG");
}

void test_imageitem::chosenFileLoadsAsOneBit()
{
    QFETCH(QByteArray, format);
    const QString path = writeTestPicture(dir, format.constData());
    diagramImageItem item;
    item.showPlaceholder();
    item.setPictureFile(path);
    QCOMPARE(item.pixPath, path);
    QCOMPARE(item.pixmap().size(), QSize(100, 50));
    QCOMPARE(item.pixmap().depth(), 1);
    QCOMPARE(item.sourcePixmap.depth(), 1);
    const QImage shown = look(item.pixmap());
    QCOMPARE(shown.pixel(25, 25), qRgb(0, 0, 0));
    QCOMPARE(shown.pixel(50, 25), qRgb(255, 255, 255));
    // Grey is dithered: part of the band black, part white.
    const int greyBlack = blackPixels(shown, QRect(62, 2, 16, 46));
    QVERIFY(greyBlack > 0 && greyBlack < 16 * 46);
    QVERIFY(!item.isColorConverse);
}

void test_imageitem::resizeStartsFromSource()
{
    diagramImageItem item;
    item.setPictureFile(writeTestPicture(dir, "BMP"));
    item.setShownWidth(200);
    QCOMPARE(item.pixmap().size(), QSize(200, 50));
    QCOMPARE(look(item.pixmap()).pixel(50, 25), qRgb(0, 0, 0)); // the square, stretched
    item.setShownHeight(120);
    QCOMPARE(item.pixmap().size(), QSize(200, 120));
    QCOMPARE(item.sourcePixmap.size(), QSize(100, 50));
    item.setShownWidth(0);
    QVERIFY(item.pixmap().isNull());
}

void test_imageitem::invertTwiceReturnsToFirstLook()
{
    diagramImageItem item;
    item.setPictureFile(writeTestPicture(dir, "BMP"));
    const QImage first = look(item.pixmap());

    item.invertColors();
    QVERIFY(item.isColorConverse);
    QCOMPARE(item.sourcePixmap.size(), QSize(240, 240));
    QCOMPARE(item.pixmap().size(), QSize(100, 50));
    QImage swapped = first;
    swapped.invertPixels();
    QCOMPARE(look(item.pixmap()), swapped);

    item.invertColors();
    QVERIFY(item.isColorConverse);
    QCOMPARE(look(item.pixmap()), first);

    diagramImageItem empty;
    empty.invertColors();
    QVERIFY(empty.pixmap().isNull());
}

void test_imageitem::unreadableOrOversizedGivesEmptyPicture()
{
    const QString missing = dir.filePath(QStringLiteral("missing.bmp"));
    const QString huge = writeHugeBmpHeader(dir);
    const QString hugeJpeg = writeHugeJpegHeader(dir);
    // The headers alone are readable: the refusal comes from the announced size.
    QCOMPARE(QImageReader(huge).size(), QSize(15000, 15000));
    QCOMPARE(QImageReader(hugeJpeg).size(), QSize(20000, 20000));
    for (const QString &path : {missing, huge, hugeJpeg}) {
        diagramImageItem item;
        item.showPlaceholder();
        item.setPictureFile(path);
        QVERIFY(item.pixmap().isNull());
        QVERIFY(item.sourcePixmap.isNull());
        QCOMPARE(item.pixPath, path);
        QVERIFY(diagramImageItem::loadImagePixmap(path).isNull());
        QVERIFY(diagramImageItem::readPictureFile(path).isNull());
    }
}

QTEST_MAIN(test_imageitem)
#include "test_imageitem.moc"
