// Text cells under the bars are reused from earlier drawings; they must give exactly the pixels that
// drawing each piece in place does (centred, clipped to its cell, destination-over).
#include "barcodetext.h"

#include <QtTest>

namespace
{
// The same scene every time: two opaque bars and a half-transparent patch reaching into the text.
QImage startingPicture()
{
    QImage picture(300, 90, QImage::Format_ARGB32_Premultiplied);
    picture.fill(0);
    QPainter painter(&picture);
    painter.fillRect(QRect(20, 0, 6, 90), Qt::black);
    painter.fillRect(QRect(150, 0, 4, 90), Qt::white);
    painter.fillRect(QRect(60, 40, 30, 20), QColor(0, 0, 0, 90));
    return picture;
}

void drawInPlace(QImage &picture, const QRect &cell, const QString &text, int pixelSize)
{
    QPainter painter(&picture);
    painter.setCompositionMode(QPainter::CompositionMode_DestinationOver);
    QFont font = painter.font();
    font.setFamily(QStringLiteral("arial"));
    font.setPixelSize(pixelSize);
    font.setCapitalization(QFont::SmallCaps);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0);
    painter.setFont(font);
    painter.setPen(QColor(Qt::black));
    painter.drawText(cell, Qt::AlignCenter, text);
}
} // namespace

class barcodeTextTest : public QObject
{
    Q_OBJECT
private slots:
    void sameAsDrawnInPlace_data();
    void sameAsDrawnInPlace();
};

void barcodeTextTest::sameAsDrawnInPlace_data()
{
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<QSize>("cell");
    for (int pixelSize : {25, 32, 53, 60, 67, 74})
        for (QSize cell : {QSize(10, 3), QSize(35, 20), QSize(45, 46), QSize(50, 46)})
            QTest::addRow("%d px in %dx%d", pixelSize, cell.width(), cell.height()) << pixelSize << cell;
}

void barcodeTextTest::sameAsDrawnInPlace()
{
    QFETCH(int, pixelSize);
    QFETCH(QSize, cell);
    const QStringList texts = {"0", "7", "W", "<", ">", "*", "!", "g", "~", "%", QString::fromUtf8("中")};
    // Left-edge positions, interior ones, overlapping neighbours (8 apart) and one past the right edge.
    const int positions[] = {0, 1, 2, 3, 5, 8, 13, 21, 40, 48, 56, 97, 150, 158, 280};
    for (int twice = 0; twice < 2; ++twice) { // the second round draws from kept cells
        QImage reused = startingPicture();
        QImage inPlace = startingPicture();
        barcodeTextPainter painter(reused, pixelSize);
        int k = 0;
        for (int x : positions) {
            const QRect rect(QPoint(x, 70 - cell.height() / 2), cell);
            const QString &text = texts[k++ % texts.size()];
            painter.draw(rect, text);
            drawInPlace(inPlace, rect, text, pixelSize);
        }
        QCOMPARE(reused, inPlace);
    }
}

QTEST_MAIN(barcodeTextTest)
#include "test_barcode_text.moc"
