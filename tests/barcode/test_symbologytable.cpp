// The symbology table row by row: each row's encoder draws its symbology's published worked example
// module for module, its names and mode find the row again, its scanner format reads the symbol with no
// more paper than the row's quiet zones, and its refusals show the row's message.
#include "barcodetestsupport.h"
#include "symbologytable.h"
#include "symbolscan.h"

#include <QtTest>

namespace
{
// The published worked examples, by sprtool name: the content, the blank modules the picture holds
// before the first bar, and the modules from the first bar to the last.
struct workedExample {
    const char *cliName;
    const char *content;
    int firstBar;
    QByteArray modules;
};

const workedExample examples[] = {
    {"ean13", "5901234123457", 11,
     "10100010110100111011001100100110111101001110101010110011011011001000010101110010011101000100101"},
    {"ean8", "96385074", 7, "1010001011010111101111010110111010101001110111001010001001011100101"},
    {"upca", "036000291452", 9,
     "10100011010111101010111100011010001101000110101010110110011101001100110101110010011101101100101"},
    // UPC-E 123456 of number system 0: UPC-A 01234500006, check digit 5.
    {"upce", "01234565", 8, "101011001100100110111101001110101110010101111010101"},
    // Start and stop asterisks around the data, one narrow space between characters.
    {"code39", "CODE 39", 0,
     "100101101101011011010010101101011010010101011001011011010110010101001101011010110110010101010110010"
     "11010100101101101"},
    // Check characters C = E (14) and K = 0 (0), then stop and termination bar.
    {"code93", "CODE 93", 0,
     "1010111101101000101001011001100101001100100101110100101000010101010000101100100101000101001010111"
     "101"},
    // Start B, a to f, check value 97, stop.
    {"code128", "abcdef", 0,
     "1101001000010010110000100100001101000010110010000100110101100100001011000010011110101000110001110"
     "1011"},
};

const workedExample *exampleFor(const symbologyRow &row)
{
    for (const workedExample &example : examples)
        if (qstrcmp(example.cliName, row.cliName) == 0)
            return &example;
    return nullptr;
}

// A content every symbology refuses: a lower-case letter, then an apostrophe (which Code 128 refuses).
const QString refusedByAll = QStringLiteral("a'");

// Every test runs once per row of the table.
void everyRow()
{
    QTest::addColumn<int>("mode");
    for (const symbologyRow &row : barcodeSymbologies)
        QTest::newRow(row.name) << row.mode;
}
} // namespace

class symbologyTableTest : public QObject
{
    Q_OBJECT
private slots:
    void publishedExample_data() { everyRow(); }
    void publishedExample();
    void lookupsFindTheRow_data() { everyRow(); }
    void lookupsFindTheRow();
    void quietZonesRead_data() { everyRow(); }
    void quietZonesRead();
    void refusalsShowTheRowsText_data() { everyRow(); }
    void refusalsShowTheRowsText();
};

void symbologyTableTest::publishedExample()
{
    QFETCH(int, mode);
    const workedExample *example = exampleFor(barcodeSymbology(mode));
    QVERIFY2(example, "every row needs its symbology's published example");
    const moduleRow drawnRow = modulesOf(mode, QLatin1String(example->content));
    QCOMPARE(drawnRow.modules, example->modules);
    QCOMPARE(drawnRow.firstBar, example->firstBar);
}

void symbologyTableTest::lookupsFindTheRow()
{
    QFETCH(int, mode);
    const symbologyRow &row = barcodeSymbology(mode);
    QVERIFY(barcodeEncoderForMode(mode) == row.encoder);
    QCOMPARE(barcodeModeNamed(QLatin1String(row.cliName)), mode);
    QCOMPARE(barcodeModeNamed(QString::fromLatin1(row.cliName).toUpper()), mode);
    QCOMPARE(&symbologyRowFor(scanSymbologyForMode(mode)), &row);
    QVERIFY(row.panelName && row.refusalText && row.defaultContent);
    QCOMPARE(row.checkDigitOf != nullptr, row.checkDigitAt >= 0);
}

// The table's quiet zones, counting what the picture holds itself, are enough for the decoder, and the
// table says which pictures hold part of theirs.
void symbologyTableTest::quietZonesRead()
{
    QFETCH(int, mode);
    const symbologyRow &row = barcodeSymbology(mode);
    const barcodeSymbol symbol = encodeBarcode(mode, {false, 2, 60}, QLatin1String(row.defaultContent));
    QVERIFY(!symbol.refusal);
    const symbolBars bars = symbolBarsOf(symbol);
    QCOMPARE(row.pictureHasQuietZone, bars.blankLeft() > 0);
    // Paper only up to the table's zone on both sides: it still reads.
    const QImage picture = renderBarcodePixmap(symbol).toImage();
    const int extra = 2 * qMax(0, qMax(row.quietLeft - bars.blankLeft(), row.quietRight - bars.blankRight()));
    QVERIFY(scanPicture(picture, scanSymbologyForMode(mode), extra, 2).found);
}

void symbologyTableTest::refusalsShowTheRowsText()
{
    QFETCH(int, mode);
    const symbologyRow &row = barcodeSymbology(mode);
    const barcodeSymbol symbol = encodeBarcode(mode, {}, refusedByAll);
    QVERIFY(symbol.refusal);
    QCOMPARE(barcodeErrorMessage(*symbol.refusal), QCoreApplication::translate("QObject", row.refusalText));
    QVERIFY(!barcodeRefusedCharacter(*symbol.refusal, refusedByAll, symbol.encodedCharacters).isEmpty());
}

QTEST_MAIN(symbologyTableTest)
#include "test_symbologytable.moc"
