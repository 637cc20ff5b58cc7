// The text under the bars is placed and rasterised by our own code so that a picture does not depend on
// the toolkit build: it must not depend on where a cell lands either, must keep the bars, and the raster
// and vector renderers must draw the same glyphs.
#include "barcodetext.h"

#include <QtTest>

namespace
{
QImage transparentPicture(const QSize &size = QSize(300, 90))
{
    QImage picture(size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(0);
    return picture;
}

QImage drawn(const QRect &cell, const QString &text, int pixelSize, QImage picture = transparentPicture())
{
    barcodeTextPainter(picture, pixelSize).draw(cell, text);
    return picture;
}

QRect inkOf(const QImage &picture)
{
    QRect ink;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixel(x, y) != 0)
                ink |= QRect(x, y, 1, 1);
    return ink;
}
void glyphCases()
{
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<QString>("text");
    // Digits at the sizes module widths 1 to 8 give, letters of Code 39/93/128 and characters that need a
    // fallback font or that no font has.
    for (int pixelSize : {25, 32, 53, 74})
        for (const char *text : {"590123", "CODE-93", "Hello", "*A%/+*", "中文", "\xe0\xb4\xb3"})
            QTest::addRow("%d px %s", pixelSize, text) << pixelSize << QString::fromUtf8(text);
}
} // namespace

class barcodeTextTest : public QObject
{
    Q_OBJECT
private slots:
    void sameWhereverTheCellLands_data() { glyphCases(); }
    void sameWhereverTheCellLands();
    void rasterAndVectorAgree_data() { glyphCases(); }
    void rasterAndVectorAgree();
    void centredAndClipped();
    void barsStayOnTop();
};

void barcodeTextTest::sameWhereverTheCellLands()
{
    QFETCH(int, pixelSize);
    QFETCH(QString, text);
    const QImage reference = drawn(QRect(0, 0, 200, 80), text, pixelSize, transparentPicture(QSize(200, 80)));
    QVERIFY(!inkOf(reference).isEmpty());
    for (const QPoint at : {QPoint(3, 5), QPoint(57, 1), QPoint(100, 10)}) {
        for (int twice = 0; twice < 2; ++twice) { // the second round draws from kept glyphs
            const QImage moved =
                drawn(QRect(at, QSize(200, 80)), text, pixelSize, transparentPicture(QSize(400, 100)));
            QCOMPARE(moved.copy(QRect(at, reference.size())), reference);
        }
    }
}

void barcodeTextTest::rasterAndVectorAgree()
{
    QFETCH(int, pixelSize);
    QFETCH(QString, text);
    const QRect cell(10, 4, 260, 80);
    QImage painted = transparentPicture();
    QPainter painter(&painted);
    barcodeTextPainter::paint(painter, cell, text, pixelSize);
    painter.end();
    const QImage raster = drawn(cell, text, pixelSize);
    // Same outlines at the same whole-pixel places; only where two glyphs' edges share a pixel may the
    // union of one fill differ from the glyphs composed one by one.
    int differing = 0;
    for (int y = 0; y < raster.height(); ++y)
        for (int x = 0; x < raster.width(); ++x)
            differing += qAbs(qAlpha(raster.pixel(x, y)) - qAlpha(painted.pixel(x, y))) > 2;
    QVERIFY2(differing <= 2 * raster.height(), qPrintable(QString::number(differing)));
    QCOMPARE(inkOf(raster), inkOf(painted));
}

void barcodeTextTest::centredAndClipped()
{
    for (int pixelSize : {25, 53, 74}) {
        const QRect cell(40, 10, 180, 70);
        const QRect ink = inkOf(drawn(cell, QStringLiteral("0123"), pixelSize));
        QVERIFY(cell.contains(ink));
        QVERIFY2(qAbs(ink.center().x() - cell.center().x()) <= 2, qPrintable(QString::number(pixelSize)));
        QVERIFY2(qAbs(ink.center().y() - cell.center().y()) <= pixelSize / 6 + 1,
                 qPrintable(QString::number(pixelSize)));
        // A cell narrower and lower than the text, with the same centre, shows the part of it inside.
        const QRect small = cell.adjusted(84, 30, -84, -30);
        const QImage whole = drawn(cell, QStringLiteral("8888"), pixelSize);
        QImage expected = transparentPicture();
        QPainter(&expected).drawImage(small, whole, small);
        QCOMPARE(drawn(small, QStringLiteral("8888"), pixelSize), expected);
    }
}

void barcodeTextTest::barsStayOnTop()
{
    QImage picture = transparentPicture();
    QPainter painter(&picture);
    painter.fillRect(QRect(20, 0, 6, 90), Qt::black);
    painter.fillRect(QRect(60, 0, 4, 90), Qt::white);
    painter.fillRect(QRect(100, 0, 30, 90), QColor(0, 0, 0, 90));
    painter.end();
    const QImage before = picture;
    const QImage after = drawn(QRect(0, 20, 300, 60), QStringLiteral("888888888"), 53, picture);
    QImage textOnly = drawn(QRect(0, 20, 300, 60), QStringLiteral("888888888"), 53);
    for (int y = 0; y < after.height(); ++y) {
        for (int x = 0; x < after.width(); ++x) {
            const QRgb d = before.pixel(x, y);
            if (qAlpha(d) == 255)
                QCOMPARE(after.pixel(x, y), d);
            else if (d == 0)
                QCOMPARE(after.pixel(x, y), textOnly.pixel(x, y));
            else
                QVERIFY(qAlpha(after.pixel(x, y)) >= qAlpha(d));
        }
    }
}

QTEST_MAIN(barcodeTextTest)
#include "test_barcode_text.moc"
