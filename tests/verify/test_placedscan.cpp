// The quiet-zone table against the decoder.
#include "symbologytable.h"

#include "barcodeencoders.h"
#include "barcoderender.h"

#include <QImage>
#include <QtTest>

namespace
{
const char *const contents[] = {"6901234567892", "1234567", "CODE-39", "CODE 93",
                                "03600029145",   "0123456", "Code 128"};

} // namespace

class placedScanTest : public QObject
{
    Q_OBJECT
private slots:
    void tableQuietZonesRead_data();
    void tableQuietZonesRead();
};

void placedScanTest::tableQuietZonesRead_data()
{
    QTest::addColumn<int>("mode");
    for (int mode = 0; mode < 7; ++mode)
        QTest::newRow(symbologyRowFor(scanSymbologyForMode(mode)).name) << mode;
}

// The table's quiet zones, counting what the picture holds itself, are enough for the decoder, and the
// table says which pictures hold part of theirs.
void placedScanTest::tableQuietZonesRead()
{
    QFETCH(int, mode);
    const symbologyRow &row = symbologyRowFor(scanSymbologyForMode(mode));
    const barcodeSymbol symbol = encodeBarcode(mode, {false, 2, 60}, QString::fromLatin1(contents[mode]));
    const symbolBars bars = symbolBarsOf(symbol);
    QCOMPARE(row.pictureHasQuietZone, bars.blankLeft() > 0);
    // Paper only up to the table's zone on both sides: it still reads.
    const QImage picture = renderBarcodePixmap(symbol).toImage();
    const int extra = 2 * qMax(0, qMax(row.quietLeft - bars.blankLeft(), row.quietRight - bars.blankRight()));
    const scanResult scanned = scanPicture(picture, row.symbology, extra, 2);
    QVERIFY(scanned.found);
}

QTEST_MAIN(placedScanTest)
#include "test_placedscan.moc"
