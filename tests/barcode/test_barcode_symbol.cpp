// The symbol model: refusals and how far a symbol got, the runs and heights, and the painter renderer
// against the raster one.
#include "barcodetestsupport.h"

#include <QPainter>
#include <QtTest>

class barcodeSymbolTest : public QObject
{
    Q_OBJECT
private slots:
    void refusalsAndProgress_data();
    void refusalsAndProgress();
    void guardRunsAreTaller();
    void painterMatchesRasterBars();
    void paintedOnAnImageIsThePicture();
};

void barcodeSymbolTest::refusalsAndProgress_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("content");
    QTest::addColumn<int>("refusal"); // -1 none
    QTest::addColumn<int>("encoded");
    QTest::newRow("EAN-13 default") << int(ean13) << "6901234567892" << -1 << 12;
    QTest::newRow("EAN-13 empty") << int(ean13) << "" << 1 << 0;
    QTest::newRow("Code 39 AB*C") << int(code39) << "AB*C" << 3 << 2;
    QTest::newRow("Code 39 abc") << int(code39) << "abc" << 3 << 0;
    QTest::newRow("Code 93 HELLO world") << int(code93) << "HELLO world" << 3 << 6;
    QTest::newRow("Code 128 apostrophe") << int(code128) << "ab'c" << 7 << 2;
    QTest::newRow("Code 128 empty") << int(code128) << "" << -1 << 0;
}

void barcodeSymbolTest::refusalsAndProgress()
{
    QFETCH(int, mode);
    QFETCH(QString, content);
    QFETCH(int, refusal);
    QFETCH(int, encoded);
    const barcodeSymbol symbol = encodeBarcode(mode, {}, content);
    QCOMPARE(symbol.refusal ? int(*symbol.refusal) : -1, refusal);
    QCOMPARE(symbol.encodedCharacters, encoded);
}

void barcodeSymbolTest::guardRunsAreTaller()
{
    const barcodeSymbol symbol = encodeBarcode(ean13, {}, QStringLiteral("6901234567892"));
    QCOMPARE(symbol.size, QSize(565, 275));
    QVERIFY(!symbol.runs.empty());
    const barcodeRun &start = symbol.runs.front();
    QCOMPARE(start.module, 11);
    QVERIFY(start.dark);
    QCOMPARE(start.height, 248);
    int modules = 0;
    for (const barcodeRun &run : symbol.runs) {
        QVERIFY(run.height == 230 || run.height == 248);
        modules += run.count;
    }
    QCOMPARE(modules, 95); // 113 less the two quiet zones
    QCOMPARE(int(symbol.cells.size()), 13);
    QCOMPARE(encodeBarcode(ean13, {false, 5, 230}, QStringLiteral("6901234567892")).cells.size(), size_t(0));
    QVERIFY(encodeBarcode(barcodeModeCount, {}, QStringLiteral("1")).size.isEmpty());
}

// Without text both renderers must give the same pixels at 1:1.
void barcodeSymbolTest::painterMatchesRasterBars()
{
    for (const symbologyRow &row : barcodeSymbologies) {
        for (int d : {1, 3, 5}) {
            const barcodeSymbol symbol =
                encodeBarcode(row.mode, {false, d, 57}, QLatin1String(row.defaultContent));
            const QImage raster =
                renderBarcodePixmap(symbol).toImage().convertToFormat(QImage::Format_ARGB32);
            QImage painted(symbol.size, QImage::Format_ARGB32);
            painted.fill(0);
            QPainter painter(&painted);
            paintBarcode(painter, symbol);
            painter.end();
            QCOMPARE(painted, raster);
        }
    }
}

// Painted on an image on whole pixels, text included, the symbol is its own picture: the strip a
// verification composes shows what the item shows.
void barcodeSymbolTest::paintedOnAnImageIsThePicture()
{
    for (const symbologyRow &row : barcodeSymbologies) {
        for (int d : {1, 3}) {
            const barcodeSymbol symbol =
                encodeBarcode(row.mode, {true, d, 57}, QLatin1String(row.defaultContent));
            const QPoint at(7, 5);
            QImage painted(symbol.size + QSize(14, 10), QImage::Format_ARGB32);
            painted.fill(Qt::white);
            QImage picture = painted;
            QPainter painter(&painted);
            paintBarcode(painter, symbol, at);
            painter.end();
            painter.begin(&picture);
            painter.drawPixmap(at, renderBarcodePixmap(symbol));
            painter.end();
            QVERIFY2(painted == picture, row.name);
        }
    }
}

QTEST_MAIN(barcodeSymbolTest)
#include "test_barcode_symbol.moc"
