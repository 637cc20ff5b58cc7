// The pattern tables against the symbologies' own reference material, read back from the pictures.
// The expected modules come from the published character tables (transcribed below in the notation
// they are printed in: module strings for EAN/UPC, element widths for the others); none of them were
// taken from this program's output. Each symbology's published worked example is checked with its row
// of the symbology table (test_symbologytable).
#include "barcodetestsupport.h"

#include <QtTest>
#include <cstring>

namespace
{
// EAN/UPC number sets A (odd parity), B (even parity) and C, digit 0 to 9.
const char *const setA[10] = {"0001101", "0011001", "0010011", "0111101", "0100011",
                              "0110001", "0101111", "0111011", "0110111", "0001011"};
const char *const setB[10] = {"0100111", "0110011", "0011011", "0100001", "0011101",
                              "0111001", "0000101", "0010001", "0001001", "0010111"};
const char *const setC[10] = {"1110010", "1100110", "1101100", "1000010", "1011100",
                              "1001110", "1010000", "1000100", "1001000", "1110100"};
// EAN-13: number sets of the left half by the leading digit (A odd, B even).
const char *const ean13Sets[10] = {"AAAAAA", "AABABB", "AABBAB", "AABBBA", "ABAABB",
                                   "ABBAAB", "ABBBAA", "ABABAB", "ABABBA", "ABBABA"};
// UPC-E, number system 0: parity of the six digits by the check digit (E even, O odd).
const char *const upcEParities[10] = {"EEEOOO", "EEOEOO", "EEOOEO", "EEOOOE", "EOEEOO",
                                      "EOOEEO", "EOOOEE", "EOEOEO", "EOEOOE", "EOOEOE"};

// Code 39: bar, space, bar, ... of each character, n narrow, w wide; the last row is the start/stop
// character.
const char code39Characters[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%*";
const char *const code39Elements[44] = {
    "nnnwwnwnn", "wnnwnnnnw", "nnwwnnnnw", "wnwwnnnnn", "nnnwwnnnw", "wnnwwnnnn", "nnwwwnnnn", "nnnwnnwnw",
    "wnnwnnwnn", "nnwwnnwnn", "wnnnnwnnw", "nnwnnwnnw", "wnwnnwnnn", "nnnnwwnnw", "wnnnwwnnn", "nnwnwwnnn",
    "nnnnnwwnw", "wnnnnwwnn", "nnwnnwwnn", "nnnnwwwnn", "wnnnnnnww", "nnwnnnnww", "wnwnnnnwn", "nnnnwnnww",
    "wnnnwnnwn", "nnwnwnnwn", "nnnnnnwww", "wnnnnnwwn", "nnwnnnwwn", "nnnnwnwwn", "wwnnnnnnw", "nwwnnnnnw",
    "wwwnnnnnn", "nwnnwnnnw", "wwnnwnnnn", "nwwnwnnnn", "nwnnnnwnw", "wwnnnnwnn", "nwwnnnwnn", "nwnwnwnnn",
    "nwnwnnnwn", "nwnnnwnwn", "nnnwnwnwn", "nwnnwnwnn",
};

// Code 93: element widths in modules of the values 0 to 44 (the characters above, then the first
// shift character), and the start/stop character.
const char *const code93Widths[45] = {
    "131112", "111213", "111312", "111411", "121113", "121212", "121311", "111114", "131211",
    "141111", "211113", "211212", "211311", "221112", "221211", "231111", "112113", "112212",
    "112311", "122112", "132111", "111123", "111222", "111321", "121122", "131121", "212112",
    "212211", "211122", "211221", "221121", "222111", "112122", "112221", "122121", "123111",
    "121131", "311112", "311211", "321111", "112131", "113121", "211131", "121221", "312111",
};
const char code93StartStop[] = "111141";

// Code 128: element widths of the values 0 to 105, and the stop character with its final bar.
const char *const code128Widths[106] = {
    "212222", "222122", "222221", "121223", "121322", "131222", "122213", "122312", "132212", "221213",
    "221312", "231212", "112232", "122132", "122231", "113222", "123122", "123221", "223211", "221132",
    "221231", "213212", "223112", "312131", "311222", "321122", "321221", "312212", "322112", "322211",
    "212123", "212321", "232121", "111323", "131123", "131321", "112313", "132113", "132311", "211313",
    "231113", "231311", "112133", "112331", "132131", "113123", "113321", "133121", "313121", "211331",
    "231131", "213113", "213311", "213131", "311123", "311321", "331121", "312113", "312311", "332111",
    "314111", "221411", "431111", "111224", "111422", "121124", "121421", "141122", "141221", "112214",
    "112412", "122114", "122411", "142112", "142211", "241211", "221114", "413111", "241112", "134111",
    "111242", "121142", "121241", "114212", "124112", "124211", "411212", "421112", "421211", "212141",
    "214121", "412121", "111143", "111341", "131141", "114113", "114311", "411113", "411311", "113141",
    "114131", "311141", "411131", "211412", "211214", "211232",
};
const char code128Stop[] = "2331112";
constexpr int code128StartB = 104;

// Modules of alternating bars and spaces, bar first, from their widths ('1' to '4').
QByteArray fromWidths(const char *widths)
{
    QByteArray modules;
    for (int k = 0; widths[k]; ++k)
        modules += QByteArray(widths[k] - '0', k % 2 ? '0' : '1');
    return modules;
}

// A Code 39 character at a wide-to-narrow ratio of 2.
QByteArray code39Modules(char c)
{
    const char *elements = code39Elements[std::strchr(code39Characters, c) - code39Characters];
    QByteArray modules;
    for (int k = 0; elements[k]; ++k)
        modules += QByteArray(elements[k] == 'w' ? 2 : 1, k % 2 ? '0' : '1');
    return modules;
}

QByteArray digitModules(char set, char digit)
{
    const char *const *table = set == 'A' ? setA : set == 'B' ? setB : setC;
    return table[digit - '0'];
}

// The check digit of the GS1 mod 10 scheme: weights 3 and 1 alternating from the rightmost digit.
char gs1CheckDigit(const QByteArray &digits)
{
    int sum = 0;
    for (int k = 0; k < digits.size(); ++k)
        sum += (digits[k] - '0') * ((digits.size() - k) % 2 ? 3 : 1);
    return char('0' + (10 - sum % 10) % 10);
}

// The Code 128 check value of code set B data values: start value plus position-weighted values,
// modulo 103.
int code128Check(const QByteArray &content)
{
    int sum = code128StartB;
    for (int k = 0; k < content.size(); ++k)
        sum += (content[k] - 32) * (k + 1);
    return sum % 103;
}

} // namespace

class barcodePatternsTest : public QObject
{
    Q_OBJECT
private slots:
    void ean13LeadingDigitSets();
    void eanUpcDigitSets();
    void upcENumberSystemZeroParities_data();
    void upcENumberSystemZeroParities();
    void code39CharacterTable();
    void code93CharacterTable();
    void code128CharacterTable();
    void code128CheckCharacters();
};

// Every leading digit selects its row of number sets; the right half and the check digit use set C.
void barcodePatternsTest::ean13LeadingDigitSets()
{
    for (char lead = '0'; lead <= '9'; ++lead) {
        for (int shift = 0; shift < 10; shift += 3) {
            QByteArray digits(1, lead);
            for (int k = 1; k < 12; ++k)
                digits += char('0' + (k * 7 + shift + lead) % 10);
            digits += gs1CheckDigit(digits);
            QByteArray expected = "101";
            for (int k = 1; k <= 6; ++k)
                expected += digitModules(ean13Sets[lead - '0'][k - 1], digits[k]);
            expected += "01010";
            for (int k = 7; k <= 12; ++k)
                expected += digitModules('C', digits[k]);
            expected += "101";
            QCOMPARE(modulesOf(ean13, QString::fromLatin1(digits)).modules, expected);
        }
    }
}

// EAN-8 and UPC-A: set A on the left, set C on the right, every digit in every place.
void barcodePatternsTest::eanUpcDigitSets()
{
    for (int shift = 0; shift < 10; ++shift) {
        QByteArray ean8Digits;
        for (int k = 0; k < 7; ++k)
            ean8Digits += char('0' + (k + shift) % 10);
        ean8Digits += gs1CheckDigit(ean8Digits);
        QByteArray expected = "101";
        for (int k = 0; k < 8; ++k)
            expected += (k == 4 ? "01010" : "") + digitModules(k < 4 ? 'A' : 'C', ean8Digits[k]);
        QCOMPARE(modulesOf(ean8, QString::fromLatin1(ean8Digits)).modules, expected + "101");

        QByteArray upcDigits;
        for (int k = 0; k < 11; ++k)
            upcDigits += char('0' + (3 * k + shift) % 10);
        upcDigits += gs1CheckDigit(upcDigits);
        expected = "101";
        for (int k = 0; k < 12; ++k)
            expected += (k == 6 ? "01010" : "") + digitModules(k < 6 ? 'A' : 'C', upcDigits[k]);
        QCOMPARE(modulesOf(upca, QString::fromLatin1(upcDigits)).modules, expected + "101");
    }
}

void barcodePatternsTest::upcENumberSystemZeroParities_data()
{
    // One content for each check digit 0 to 9 (number system, six digits, check digit).
    QTest::addColumn<QByteArray>("content");
    for (const char *content : {"03055930", "01788891", "02264032", "04006213", "01947274", "01234565",
                                "01630516", "01551327", "01313758", "02105659"})
        QTest::newRow(content) << QByteArray(content);
}

void barcodePatternsTest::upcENumberSystemZeroParities()
{
    QFETCH(QByteArray, content);
    const char *parity = upcEParities[content[7] - '0'];
    QByteArray expected = "101";
    for (int k = 1; k <= 6; ++k)
        expected += digitModules(parity[k - 1] == 'E' ? 'B' : 'A', content[k]);
    expected += "010101";
    // The check digit is computed, so the symbol is the same without it.
    QCOMPARE(modulesOf(upce, QString::fromLatin1(content)).modules, expected);
    QCOMPARE(modulesOf(upce, QString::fromLatin1(content.left(7))).modules, expected);
}

void barcodePatternsTest::code39CharacterTable()
{
    const QByteArray data(code39Characters, 43);
    QByteArray expected = code39Modules('*');
    for (char c : data)
        expected += '0' + code39Modules(c);
    expected += '0' + code39Modules('*');
    QCOMPARE(modulesOf(code39, QString::fromLatin1(data)).modules, expected);
    QCOMPARE(modulesOf(code39, QString()).modules, code39Modules('*') + '0' + code39Modules('*'));
}

void barcodePatternsTest::code93CharacterTable()
{
    const QByteArray data(code39Characters, 43);
    const QByteArray modules = modulesOf(code93, QString::fromLatin1(data)).modules;
    QCOMPARE(modules.left(9), fromWidths(code93StartStop));
    for (int i = 0; i < data.size(); ++i)
        QCOMPARE(modules.mid(9 * (i + 1), 9), fromWidths(code93Widths[i]));
    QCOMPARE(modules.right(10), fromWidths(code93StartStop) + '1');
    QCOMPARE(modules.size(), 9 * (data.size() + 4) + 1);
    // The check characters of "1%": C = (1 * 2 + 42 * 1) mod 47 = 44, the first shift character, and
    // K = (1 * 3 + 42 * 2 + 44 * 1) mod 47 = 37.
    const QByteArray shift = modulesOf(code93, QStringLiteral("1%")).modules;
    QCOMPARE(shift.mid(27, 9), fromWidths(code93Widths[44]));
    QCOMPARE(shift.mid(36, 9), fromWidths(code93Widths[37]));
}

void barcodePatternsTest::code128CharacterTable()
{
    // Code set B: every printable ASCII character the encoder takes (it refuses ' and \).
    QByteArray data;
    for (char c = ' '; c <= '~'; ++c) {
        if (c != '\'' && c != '\\')
            data += c;
    }
    const QByteArray modules = modulesOf(code128, QString::fromLatin1(data)).modules;
    QCOMPARE(modules.left(11), fromWidths(code128Widths[code128StartB]));
    for (int i = 0; i < data.size(); ++i)
        QCOMPARE(modules.mid(11 * (i + 1), 11), fromWidths(code128Widths[data[i] - 32]));
    QCOMPARE(modules.mid(11 * (data.size() + 1), 11), fromWidths(code128Widths[code128Check(data)]));
    QCOMPARE(modules.right(13), fromWidths(code128Stop));
    QCOMPARE(modules.size(), 11 * (data.size() + 2) + 13);
}

// Values 95 to 102 are not reachable as code set B data here, only as check characters: a two-character
// content for each check value.
void barcodePatternsTest::code128CheckCharacters()
{
    for (int value = 0; value < 103; ++value) {
        QByteArray content;
        for (char a = ' '; a <= '~' && content.isEmpty(); ++a) {
            for (char b = ' '; b <= '~'; ++b) {
                const QByteArray pair = QByteArray(1, a) + b;
                if (!pair.contains('\'') && !pair.contains('\\') && code128Check(pair) == value) {
                    content = pair;
                    break;
                }
            }
        }
        QVERIFY(!content.isEmpty());
        const QByteArray modules = modulesOf(code128, QString::fromLatin1(content)).modules;
        QCOMPARE(modules.mid(33, 11), fromWidths(code128Widths[value]));
    }
}

QTEST_MAIN(barcodePatternsTest)
#include "test_barcode_patterns.moc"
