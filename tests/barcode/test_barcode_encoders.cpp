// The seven encoders through their public functions: sizes, heights, checks, text cells, refusals and
// the partial pictures refusals leave.
#include "barcodedrawing.h"
#include "barcodetestsupport.h"
#include "code128.h"
#include "code3993.h"
#include "eanupc.h"

#include <QPainter>
#include <QRandomGenerator>
#include <QtTest>
#include <climits>

namespace
{
const QString defaultContent = QStringLiteral("6901234567892");

// Everything outside area in the picture is untouched (transparent).
bool onlyInkWithin(const QImage &image, const QRect &area)
{
    return inkIn(image, image.rect()) == inkIn(image, area);
}

QImage withoutArea(QImage image, const QRect &area)
{
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(area, Qt::transparent);
    return image;
}
} // namespace

class barcodeEncodersTest : public QObject
{
    Q_OBJECT
private slots:
    void pictureSizes_data();
    void pictureSizes();
    void heightsAreTruncatedExtendedProducts();
    void guardHeights();
    void checkValues();
    void upcEExpansions_data();
    void upcEExpansions();
    void eanUpcRefusalsLeaveBlankPicture_data();
    void eanUpcRefusalsLeaveBlankPicture();
    void eanAcceptedContents();
    void eanTextCells();
    void linearTextCells();
    void code39PartialPictures();
    void code93PartialPicture();
    void code128PartialPictures();
    void charactersOutsideLatin1();
    void emptyContents();
    void longContentsUseFullLength();
    void unsizeablePicturesRefused_data();
    void unsizeablePicturesRefused();
    void arbitraryInputIsDrawnOrRefused();
};

void barcodeEncodersTest::pictureSizes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("content");
    QTest::addColumn<bool>("text");
    QTest::addColumn<int>("d");
    QTest::addColumn<int>("e");
    QTest::addColumn<QSize>("size");
    QTest::newRow("EAN-13 default") << int(ean13) << defaultContent << true << 5 << 230 << QSize(565, 275);
    QTest::newRow("EAN-13 text off") << int(ean13) << defaultContent << false << 5 << 230 << QSize(565, 230);
    QTest::newRow("EAN-13 d 1") << int(ean13) << defaultContent << true << 1 << 230 << QSize(113, 275);
    QTest::newRow("EAN-13 e 100") << int(ean13) << defaultContent << true << 5 << 100 << QSize(565, 119);
    QTest::newRow("EAN-13 e 101") << int(ean13) << defaultContent << true << 5 << 101 << QSize(565, 121);
    QTest::newRow("EAN-8") << int(ean8) << "1234567" << true << 5 << 230 << QSize(405, 275);
    QTest::newRow("UPC-A") << int(upca) << "03600029145" << true << 5 << 230 << QSize(565, 275);
    QTest::newRow("UPC-E") << int(upce) << "0123456" << true << 5 << 230 << QSize(335, 275);
    QTest::newRow("Code 39 ABC") << int(code39) << "ABC" << true << 5 << 230 << QSize(325, 275);
    QTest::newRow("Code 39 empty") << int(code39) << "" << true << 5 << 230 << QSize(130, 275);
    QTest::newRow("Code 39 default") << int(code39) << defaultContent << true << 5 << 230 << QSize(975, 275);
    QTest::newRow("Code 93 ABC") << int(code93) << "ABC" << true << 5 << 230 << QSize(357, 275);
    QTest::newRow("Code 93 default") << int(code93) << defaultContent << true << 5 << 230 << QSize(807, 275);
    QTest::newRow("Code 128 ABC") << int(code128) << "ABC" << true << 5 << 230 << QSize(340, 275);
    QTest::newRow("Code 128 empty") << int(code128) << "" << true << 5 << 230 << QSize(175, 275);
    QTest::newRow("Code 128 default")
        << int(code128) << defaultContent << true << 5 << 230 << QSize(890, 275);
}

void barcodeEncodersTest::pictureSizes()
{
    QFETCH(int, mode);
    QFETCH(QString, content);
    QFETCH(bool, text);
    QFETCH(int, d);
    QFETCH(int, e);
    QFETCH(QSize, size);
    errorRecorder errors;
    const QImage image = drawn(mode, content, text, d, e);
    QCOMPARE(image.size(), size);
    QVERIFY(errors.codes.isEmpty());
    QVERIFY(inkIn(image, image.rect()) > 0);
}

void barcodeEncodersTest::heightsAreTruncatedExtendedProducts()
{
    QCOMPARE(barcodePictureHeight(230, true), 275);
    QCOMPARE(barcodePictureHeight(230, false), 230);
    QCOMPARE(barcodeGuardHeight(230), 248);
    QCOMPARE(barcodeTextHeight(230), 46);
    QCOMPARE(barcodePictureHeight(100, true), 119);
    QCOMPARE(barcodeGuardHeight(100), 108);
    QCOMPARE(barcodeTextHeight(100), 20);
    QCOMPARE(barcodePictureHeight(101, true), 121);
    // The stored 1.2 lies just below 1.2, the stored 1.08 and 0.2 just above their decimals.
    for (int e = 1; e <= 5000; ++e) {
        if (e % 5 == 0)
            QCOMPARE(barcodePictureHeight(e, true), 6 * e / 5 - 1);
        QCOMPARE(barcodeGuardHeight(e), e * 108 / 100);
        QCOMPARE(barcodeTextHeight(e), e / 5);
    }
}

void barcodeEncodersTest::guardHeights()
{
    // First module of the EAN-13 start guard (11d) against a dark data module of UPC-A (last module of
    // its first digit, 18d): guards run into the text band, data bars stop at e.
    const QImage withText = drawn(ean13, defaultContent);
    QVERIFY(isDark(withText, 57, 247));
    QCOMPARE(qAlpha(withText.pixel(57, 248)), 0);
    QCOMPARE(qAlpha(withText.pixel(57, 274)), 0);
    const QImage noText = drawn(ean13, defaultContent, false);
    QVERIFY(isDark(noText, 57, 229));
    const QImage upc = drawn(upca, "03600029145");
    QVERIFY(isDark(upc, 92, 229));
    QCOMPARE(qAlpha(upc.pixel(92, 230)), 0);
    QVERIFY(isDark(upc, 47, 247)); // start guard at 9d
}

void barcodeEncodersTest::checkValues()
{
    QCOMPARE(eanUpcCheckDigit("690123456789"), '2');
    QCOMPARE(eanUpcCheckDigit("1234567"), '0');
    QCOMPARE(eanUpcCheckDigit("03600029145"), '2');
    QCOMPARE(code93CheckValues({10, 11, 12}), std::make_pair(17, 20));
    QCOMPARE(code93CheckValues({6, 9, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 2}), std::make_pair(22, 12));
    QCOMPARE(code93CheckValues({}), std::make_pair(0, 0));
    QCOMPARE(code128CheckValue({33, 34, 35}), 1);
    QCOMPARE(code128CheckValue({}), 1);
    QCOMPARE(code128CheckValue({0}), 1);
    QCOMPARE(code128CheckValue({21, 40}), 102);
    std::vector<int> defaultValues;
    for (QChar c : defaultContent)
        defaultValues.push_back(c.unicode() - 32);
    QCOMPARE(code128CheckValue(defaultValues), 73);
    QCOMPARE(code39Value('A'), 10);
    QCOMPARE(code39Value('%'), 42);
    QCOMPARE(code39Value('*'), -1);
    QCOMPARE(code39Value('a'), -1);
    QCOMPARE(code39Value('\0'), -1);
}

void barcodeEncodersTest::upcEExpansions_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QByteArray>("expansion");
    QTest::addColumn<char>("check");
    const char *const expansions[10] = {"01200000345", "01210000345", "01220000345", "01230000045",
                                        "01234000005", "01234500005", "01234500006", "01234500007",
                                        "01234500008", "01234500009"};
    for (int last = 0; last <= 9; ++last) {
        const QByteArray content = "012345" + QByteArray::number(last);
        QTest::newRow(content) << content << QByteArray(expansions[last])
                               << eanUpcCheckDigit(QByteArray(expansions[last]));
    }
}

void barcodeEncodersTest::upcEExpansions()
{
    QFETCH(QByteArray, content);
    QFETCH(QByteArray, expansion);
    QCOMPARE(upcEExpansion(content), expansion);
    QCOMPARE(upcEExpansion(content + "9"), expansion); // the check-digit place is never read
    QCOMPARE(eanUpcCheckDigit(upcEExpansion("0123456")), '5');
    QCOMPARE(eanUpcCheckDigit(upcEExpansion("0123451")), '4');
    QCOMPARE(eanUpcCheckDigit(upcEExpansion("0123453")), '1');
    QCOMPARE(eanUpcCheckDigit(upcEExpansion("0123454")), '3');
    QVERIFY(upcEExpansion("012345").isEmpty());
    QVERIFY(upcEExpansion("012345x").isEmpty());
}

void barcodeEncodersTest::eanUpcRefusalsLeaveBlankPicture_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("content");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("width");
    QTest::newRow("EAN-13 12 digits") << int(ean13) << "690123456789" << 1 << 565;
    QTest::newRow("EAN-13 empty") << int(ean13) << "" << 1 << 565;
    QTest::newRow("EAN-13 letter in first 12") << int(ean13) << "69012345678A9" << 1 << 565;
    QTest::newRow("EAN-8 6 digits") << int(ean8) << "123456" << 2 << 405;
    QTest::newRow("EAN-8 empty") << int(ean8) << "" << 2 << 405;
    QTest::newRow("EAN-8 letter") << int(ean8) << "123A567" << 2 << 405;
    QTest::newRow("UPC-A 10 digits") << int(upca) << "0360002914" << 5 << 565;
    QTest::newRow("UPC-A space") << int(upca) << "03600 29145" << 5 << 565;
    QTest::newRow("UPC-E 6 digits") << int(upce) << "012345" << 6 << 335;
    QTest::newRow("UPC-E last data not a digit") << int(upce) << "012345:" << 6 << 335;
    QTest::newRow("UPC-E non Latin-1") << int(upce) << QString::fromUtf8("01234中6") << 6 << 335;
}

void barcodeEncodersTest::eanUpcRefusalsLeaveBlankPicture()
{
    QFETCH(int, mode);
    QFETCH(QString, content);
    QFETCH(int, code);
    QFETCH(int, width);
    errorRecorder errors;
    const QImage image = drawn(mode, content);
    QCOMPARE(errors.codes, QVector<int>{code});
    QCOMPARE(image.size(), QSize(width, 275));
    QCOMPARE(inkIn(image, image.rect()), 0);
}

void barcodeEncodersTest::eanAcceptedContents()
{
    errorRecorder errors;
    // The 13th character is replaced by the computed check digit, so a wrong one changes nothing.
    QCOMPARE(drawn(ean13, "6901234567891"), drawn(ean13, defaultContent));
    QCOMPARE(drawn(ean13, "690123456789X"), drawn(ean13, defaultContent));
    // Characters after the 13th are ignored for bars and text.
    QCOMPARE(drawn(ean13, "69012345678925555555"), drawn(ean13, defaultContent));
    QCOMPARE(drawn(ean8, "123456709999"), drawn(ean8, "12345670"));
    QCOMPARE(drawn(upca, "0360002914529"), drawn(upca, "036000291452"));
    QCOMPARE(drawn(upce, "012345659"), drawn(upce, "01234565"));
    QVERIFY(errors.codes.isEmpty());
}

void barcodeEncodersTest::eanTextCells()
{
    const QImage ean = drawn(ean13, defaultContent);
    // Text band starts at e + 2: the two rows below the data bars hold only the guards.
    const int guards[3][2] = {{55, 70}, {280, 305}, {515, 530}};
    int guardInk = 0;
    for (const auto &g : guards)
        guardInk += inkIn(ean, QRect(g[0], 230, g[1] - g[0], 2));
    QCOMPARE(inkIn(ean, QRect(0, 230, 565, 2)), guardInk);
    QVERIFY(inkIn(ean, QRect(10, 232, 45, 43)) > 0);  // leading digit from 2d, 9d wide
    QVERIFY(inkIn(ean, QRect(470, 249, 45, 26)) > 0); // computed check digit from 94d

    // EAN-8 with exactly 7 characters shows no check digit; the bars include it.
    const QImage seven = drawn(ean8, "1234567");
    const QImage eight = drawn(ean8, "12345670");
    const QRect checkCell(320, 232, 35, 43);
    QCOMPARE(inkIn(seven, checkCell), 0);
    QVERIFY(inkIn(eight, checkCell) > 0);
    QCOMPARE(withoutArea(seven, checkCell), withoutArea(eight, checkCell));
    QVERIFY(inkIn(seven, QRect(0, 249, 35, 26)) > 0);   // "<"
    QVERIFY(inkIn(seven, QRect(375, 249, 30, 26)) > 0); // ">", cut off at the right edge

    // UPC-A's computed check digit sits in the right quiet zone (105d), UPC-E's at 60d.
    QVERIFY(inkIn(drawn(upca, "036000291452"), QRect(525, 232, 35, 43)) > 0);
    QCOMPARE(inkIn(drawn(upca, "03600029145"), QRect(525, 232, 35, 43)), 0);
    QVERIFY(inkIn(drawn(upce, "01234565"), QRect(300, 232, 35, 43)) > 0);
    QCOMPARE(inkIn(drawn(upce, "0123456"), QRect(300, 232, 35, 43)), 0);
}

void barcodeEncodersTest::linearTextCells()
{
    const QRect band(0, 232, 100000, 43);
    const QImage c39 = drawn(code39, "ABC");
    for (int j = 0; j < 5; ++j)
        QVERIFY(inkIn(c39, QRect(65 * j, 232, 65, 43)) > 0);
    // Code 93: 40-pixel cells from 118; Code 128: 50-pixel cells from 110, 8d apart.
    const QImage c93 = drawn(code93, "ABC");
    QVERIFY(onlyInkWithin(withoutArea(c93, QRect(0, 0, 357, 230)), QRect(118, 232, 120, 43)));
    for (int i = 0; i < 3; ++i)
        QVERIFY(inkIn(c93, QRect(118 + 40 * i, 232, 40, 43)) > 0);
    const QImage c128 = drawn(code128, "ABC");
    QVERIFY(onlyInkWithin(withoutArea(c128, QRect(0, 0, 340, 230)), QRect(110, 232, 130, 43)));
    for (int i = 0; i < 3; ++i)
        QVERIFY(inkIn(c128, QRect(110 + 40 * i, 232, 40, 43)) > 0);
    // No text below an empty Code 93 or Code 128, and none at all with the text off.
    QCOMPARE(inkIn(drawn(code93, ""), band), 0);
    QCOMPARE(inkIn(drawn(code128, ""), band), 0);
    QCOMPARE(drawn(code128, "ABC", false).height(), 230);
}

void barcodeEncodersTest::code39PartialPictures()
{
    errorRecorder errors;
    const QImage lower = drawn(code39, "abc");
    QCOMPARE(lower.size(), QSize(325, 275));
    QCOMPARE(inkIn(lower, lower.rect()), 0);
    // AB*C stops at the asterisk: only A and B, no start, stop or text.
    const QImage partial = drawn(code39, "AB*C");
    const QImage full = drawn(code39, "ABXC");
    QVERIFY(sameArea(partial, full, QRect(65, 0, 130, 230)));
    QVERIFY(onlyInkWithin(partial, QRect(65, 0, 130, 230)));
    QCOMPARE(errors.codes, (QVector<int>{3, 3}));
}

void barcodeEncodersTest::code93PartialPicture()
{
    errorRecorder errors;
    // Refused at the lower-case w: start, HELLO and the space are drawn (7 characters of 9 modules).
    const QImage partial = drawn(code93, "HELLO world");
    QCOMPARE(errors.codes, QVector<int>{3});
    QCOMPARE(partial.width(), 717);
    const QImage full = drawn(code93, "HELLO WORLD");
    QVERIFY(sameArea(partial, full, QRect(0, 0, 315, 230)));
    QVERIFY(onlyInkWithin(partial, QRect(0, 0, 315, 230)));
}

void barcodeEncodersTest::code128PartialPictures()
{
    errorRecorder errors;
    const QImage apostrophe = drawn(code128, "AB'C");
    QVERIFY(sameArea(apostrophe, drawn(code128, "ABXC"), QRect(0, 0, 165, 230)));
    QVERIFY(onlyInkWithin(apostrophe, QRect(0, 0, 165, 230)));
    const QImage backslash = drawn(code128, "A\\BC");
    QVERIFY(sameArea(backslash, drawn(code128, "AXBC"), QRect(0, 0, 110, 230)));
    QVERIFY(onlyInkWithin(backslash, QRect(0, 0, 110, 230)));
    const QImage control = drawn(code128, QStringLiteral("A\tB"));
    QVERIFY(onlyInkWithin(control, QRect(0, 0, 110, 230)));
    QCOMPARE(errors.codes, (QVector<int>{7, 7, 7}));
    drawn(code128, "az09~ !{|}");
    QCOMPARE(errors.codes.size(), 3);
}

void barcodeEncodersTest::charactersOutsideLatin1()
{
    errorRecorder errors;
    // Code 128 encodes a Chinese character as '?' and shows it as itself.
    const QImage chinese = drawn(code128, QString::fromUtf8("A中"));
    const QImage question = drawn(code128, "A?");
    QVERIFY(errors.codes.isEmpty());
    QVERIFY(sameArea(chinese, question, QRect(0, 0, chinese.width(), 230)));
    QVERIFY(chinese != question);
    drawn(code39, QString::fromUtf8("中"));
    drawn(code93, QString::fromUtf8("A中"));
    QCOMPARE(errors.codes, (QVector<int>{3, 3}));
}

void barcodeEncodersTest::emptyContents()
{
    errorRecorder errors;
    // Empty Code 93: both checks are 0, drawn as the pattern of the value 0 ("0").
    const QImage empty93 = drawn(code93, "");
    const QImage zero93 = drawn(code93, "0");
    QCOMPARE(modulesAt(empty93, 5, 115, 9, 9), modulesAt(zero93, 5, 115, 9, 9));
    QCOMPARE(modulesAt(empty93, 5, 115, 18, 9), modulesAt(zero93, 5, 115, 9, 9));
    QCOMPARE(modulesAt(empty93, 5, 115, 36, 1), QByteArray("1")); // termination bar
    QCOMPARE(empty93.width(), 222);
    // Empty Code 128: check value 1, the pattern of "!".
    QCOMPARE(modulesAt(drawn(code128, ""), 5, 115, 11, 11), modulesAt(drawn(code128, "!"), 5, 115, 11, 11));
    QCOMPARE(modulesAt(drawn(code39, ""), 5, 115, 0, 13), modulesAt(drawn(code39, ""), 5, 115, 13, 13));
    QVERIFY(errors.codes.isEmpty());
}

void barcodeEncodersTest::longContentsUseFullLength()
{
    errorRecorder errors;
    const QString a300(300, QLatin1Char('A'));
    const QImage c39 = drawn(code39, a300 + "B");
    QCOMPARE(c39.width(), 13 * 5 * 303);
    QCOMPARE(modulesAt(c39, 5, 115, 13 * 301, 13), modulesAt(drawn(code39, "B"), 5, 115, 13, 13));
    const QImage c93 = drawn(code93, a300 + "B");
    QCOMPARE(c93.width(), 5 * (9 * 301 + 45) - 3);
    QCOMPARE(modulesAt(c93, 5, 115, 9 * 301, 9), modulesAt(drawn(code93, "B"), 5, 115, 9, 9));
    const QImage c128 = drawn(code128, a300 + "B");
    QCOMPARE(c128.width(), 5 * (11 * 301 + 35));
    QCOMPARE(modulesAt(c128, 5, 115, 11 * 301, 11), modulesAt(drawn(code128, "B"), 5, 115, 11, 11));
    // The widest Code 128 that still fits the strip at d = 5.
    QCOMPARE(drawn(code128, QString(1450, QLatin1Char('x'))).width(), 79925);
    QVERIFY(errors.codes.isEmpty());
}

void barcodeEncodersTest::unsizeablePicturesRefused_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("content");
    QTest::addColumn<int>("d");
    QTest::addColumn<int>("e");
    for (int mode = 0; mode < barcodeModeCount; ++mode) {
        const QString content = mode == code39 || mode == code93 ? "ABC" : defaultContent;
        const QByteArray name = QByteArray::number(mode);
        QTest::newRow(name + " d 0") << mode << content << 0 << 230;
        QTest::newRow(name + " d -5") << mode << content << -5 << 230;
        QTest::newRow(name + " d max") << mode << content << INT_MAX << 230;
        QTest::newRow(name + " d 80000") << mode << content << 80000 << 230;
        QTest::newRow(name + " e 0") << mode << content << 5 << 0;
        QTest::newRow(name + " e -230") << mode << content << 5 << -230;
        QTest::newRow(name + " e max") << mode << content << 5 << INT_MAX;
        QTest::newRow(name + " e 80001") << mode << content << 1 << 80001;
    }
    QTest::newRow("Code 128 past the strip") << int(code128) << QString(1452, QLatin1Char('x')) << 5 << 230;
    QTest::newRow("Code 39 huge") << int(code39) << QString(1 << 20, QLatin1Char('A')) << 5 << 230;
    QTest::newRow("Code 93 huge") << int(code93) << QString(1 << 20, QLatin1Char('a')) << 5 << 230;
    QTest::newRow("larger than the strip") << int(ean13) << defaultContent << 5 << 50000;
}

void barcodeEncodersTest::unsizeablePicturesRefused()
{
    QFETCH(int, mode);
    QFETCH(QString, content);
    QFETCH(int, d);
    QFETCH(int, e);
    errorRecorder errors;
    const QPixmap picture = drawnPixmap(mode, content, true, d, e);
    QVERIFY(picture.isNull());
    QCOMPARE(errors.codes, QVector<int>{0});
}

// Any content and any module or bar size: a picture of the promised size, or a refusal; never more than
// one refusal per picture.
void barcodeEncodersTest::arbitraryInputIsDrawnOrRefused()
{
    QRandomGenerator random(4242);
    for (int round = 0; round < 700; ++round) {
        QString content;
        const int length = random.bounded(40);
        for (int k = 0; k < length; ++k) {
            const int kind = random.bounded(4);
            const ushort unit = kind == 0   ? ushort(random.bounded(0x10000))
                                : kind == 1 ? ushort(random.bounded(256))
                                            : ushort('0' + random.bounded(10));
            content += QChar(unit);
        }
        const int mode = round % barcodeModeCount;
        const int d = random.bounded(-2, 9);
        const int e = random.bounded(-2, 400);
        errorRecorder errors;
        const QPixmap picture = drawnPixmap(mode, content, random.bounded(2), d, e);
        QVERIFY(errors.codes.size() <= 1);
        if (d < 1 || e < 1) {
            QVERIFY(picture.isNull());
            QCOMPARE(errors.codes, QVector<int>{0});
        } else {
            QVERIFY(!picture.isNull());
            QVERIFY(picture.width() % d == 0 || mode == code93);
        }
    }
}

QTEST_MAIN(barcodeEncodersTest)
#include "test_barcode_encoders.moc"
