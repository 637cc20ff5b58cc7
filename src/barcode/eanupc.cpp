#include "eanupc.h"

#include "barcodedrawing.h"

namespace
{
// Number sets A (odd parity, L), B (even parity, G) and C (right-hand, R); first module leftmost.
const char *const setL[10] = {"0001101", "0011001", "0010011", "0111101", "0100011",
                              "0110001", "0101111", "0111011", "0110111", "0001011"};
const char *const setG[10] = {"0100111", "0110011", "0011011", "0100001", "0011101",
                              "0111001", "0000101", "0010001", "0001001", "0010111"};
const char *const setR[10] = {"1110010", "1100110", "1101100", "1000010", "1011100",
                              "1001110", "1010000", "1000100", "1001000", "1110100"};
const char normalGuard[] = "101";
const char centreGuard[] = "01010";
const char upcEEndGuard[] = "010101";
// EAN-13 left-half number sets, selected by the leading digit.
const char *const ean13Parity[10] = {"LLLLLL", "LLGLGG", "LLGGLG", "LLGGGL", "LGLLGG",
                                     "LGGLLG", "LGGGLL", "LGLGLG", "LGLGGL", "LGGLGL"};
// UPC-E number sets (number system 0 table), selected by the check digit: even parity G, odd L.
const char *const upcEParity[10] = {"GGGLLL", "GGLGLL", "GGLLGL", "GGLLLG", "GLGGLL",
                                    "GLLGGL", "GLLLGG", "GLGLGL", "GLGLLG", "GLLGLG"};
// Which content positions the UPC-E expansion takes, by the last data digit; -1 stands for a zero.
const int upcEExpansionRule[10][11] = {
    {0, 1, 2, -1, -1, -1, -1, -1, 3, 4, 5}, {0, 1, 2, 6, -1, -1, -1, -1, 3, 4, 5},
    {0, 1, 2, 6, -1, -1, -1, -1, 3, 4, 5},  {0, 1, 2, 3, -1, -1, -1, -1, -1, 4, 5},
    {0, 1, 2, 3, 4, -1, -1, -1, -1, -1, 5}, {0, 1, 2, 3, 4, 5, -1, -1, -1, -1, 6},
    {0, 1, 2, 3, 4, 5, -1, -1, -1, -1, 6},  {0, 1, 2, 3, 4, 5, -1, -1, -1, -1, 6},
    {0, 1, 2, 3, 4, 5, -1, -1, -1, -1, 6},  {0, 1, 2, 3, 4, 5, -1, -1, -1, -1, 6},
};

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Only called with validated digits, so the tables are never indexed outside 0 to 9.
const char *digitPattern(char set, char digit)
{
    const char *const *table = set == 'G' ? setG : set == 'R' ? setR : setL;
    return table[digit - '0'];
}

// The content needs at least minLength characters, the first count of them digits; on failure the blank
// symbol is refused with nothing placed.
bool leadingDigits(const QByteArray &content, int minLength, int count)
{
    bool ok = content.size() >= minLength;
    for (int k = 0; ok && k < count; ++k)
        ok = isDigit(content[k]);
    return ok;
}

// One text piece: the content character as typed, or the computed check digit at the check position.
QString piece(const QString &content, int k, int checkIndex, char check)
{
    return k == checkIndex ? QString(QChar(check)) : QString(content.at(k));
}
} // namespace

char eanUpcCheckDigit(const QByteArray &digits)
{
    int sum = 0;
    for (int k = 0; k < digits.size(); ++k)
        sum += (digits[k] - '0') * ((digits.size() - k) % 2 ? 3 : 1);
    return char('0' + (10 - sum % 10) % 10);
}

QByteArray upcEExpansion(const QByteArray &digits)
{
    for (int k = 0; k < 7; ++k) {
        if (k >= digits.size() || !isDigit(digits[k]))
            return {};
    }
    QByteArray expanded(11, '0');
    for (int k = 0; k < 11; ++k) {
        const int from = upcEExpansionRule[digits[6] - '0'][k];
        if (from >= 0)
            expanded[k] = digits[from];
    }
    return expanded;
}

char upcECheckDigit(const QByteArray &digits)
{
    return eanUpcCheckDigit(upcEExpansion(digits.left(7)));
}

barcodeSymbol encodeEan13(const barcodeOptions &options, const QString &content)
{
    symbolBuilder pic(options, 113);
    if (!pic.ok())
        return pic.finish(0);
    const int d = options.d;
    const QByteArray c = content.toLatin1();
    if (!leadingDigits(c, 13, 12))
        return pic.refuse(1, 0);
    const char check = eanUpcCheckDigit(c.left(12));
    const char *parity = ean13Parity[c[0] - '0'];
    pic.paint(11, normalGuard, true);
    for (int k = 1; k <= 6; ++k)
        pic.paint(14 + 7 * (k - 1), digitPattern(parity[k - 1], c[k]));
    pic.paint(56, centreGuard, true);
    for (int k = 7; k <= 11; ++k)
        pic.paint(61 + 7 * (k - 7), digitPattern('R', c[k]));
    pic.paint(96, digitPattern('R', check));
    pic.paint(103, normalGuard, true);
    for (int k = 0; k < qMin(content.size(), 13); ++k) {
        const int x = k == 0 ? 2 : k <= 6 ? 13 + 7 * (k - 1) : k <= 11 ? 59 + 7 * (k - 7) : 94;
        pic.text(x * d, 9 * d, piece(content, k, 12, check));
    }
    return pic.finish(12);
}

barcodeSymbol encodeEan8(const barcodeOptions &options, const QString &content)
{
    symbolBuilder pic(options, 81);
    if (!pic.ok())
        return pic.finish(0);
    const int d = options.d;
    const QByteArray c = content.toLatin1();
    if (!leadingDigits(c, 7, 7))
        return pic.refuse(2, 0);
    const char check = eanUpcCheckDigit(c.left(7));
    pic.paint(7, normalGuard, true);
    for (int k = 0; k <= 3; ++k)
        pic.paint(10 + 7 * k, digitPattern('L', c[k]));
    pic.paint(38, centreGuard, true);
    for (int k = 4; k <= 6; ++k)
        pic.paint(43 + 7 * (k - 4), digitPattern('R', c[k]));
    pic.paint(64, digitPattern('R', check));
    pic.paint(71, normalGuard, true);
    pic.text(0, 7 * d, QStringLiteral("<"));
    for (int k = 0; k < qMin(content.size(), 8); ++k) {
        const int x = k <= 3 ? 11 + 7 * k : k <= 6 ? 43 + 7 * (k - 4) : 64;
        pic.text(x * d, 7 * d, piece(content, k, 7, check));
    }
    pic.text(75 * d, 7 * d, QStringLiteral(">"));
    return pic.finish(7);
}

barcodeSymbol encodeUpcA(const barcodeOptions &options, const QString &content)
{
    symbolBuilder pic(options, 113);
    if (!pic.ok())
        return pic.finish(0);
    const int d = options.d;
    const QByteArray c = content.toLatin1();
    if (!leadingDigits(c, 11, 11))
        return pic.refuse(5, 0);
    const char check = eanUpcCheckDigit(c.left(11));
    pic.paint(9, normalGuard, true);
    for (int k = 0; k <= 5; ++k)
        pic.paint(12 + 7 * k, digitPattern('L', c[k]));
    pic.paint(54, centreGuard, true);
    for (int k = 6; k <= 10; ++k)
        pic.paint(59 + 7 * (k - 6), digitPattern('R', c[k]));
    pic.paint(94, digitPattern('R', check));
    pic.paint(101, normalGuard, true);
    for (int k = 0; k < qMin(content.size(), 12); ++k) {
        const int x = k == 0 ? 3 : k <= 5 ? 9 + 7 * k : k <= 10 ? 19 + 7 * k : 105;
        pic.text(x * d, 7 * d, piece(content, k, 11, check));
    }
    return pic.finish(11);
}

barcodeSymbol encodeUpcE(const barcodeOptions &options, const QString &content)
{
    symbolBuilder pic(options, 67);
    if (!pic.ok())
        return pic.finish(0);
    const int d = options.d;
    const QByteArray c = content.toLatin1();
    if (!leadingDigits(c, 7, 7))
        return pic.refuse(6, 0);
    const char check = eanUpcCheckDigit(upcEExpansion(c));
    const char *parity = upcEParity[check - '0'];
    pic.paint(8, normalGuard, true);
    for (int k = 1; k <= 6; ++k)
        pic.paint(11 + 7 * (k - 1), digitPattern(parity[k - 1], c[k]));
    pic.paint(53, upcEEndGuard, true);
    for (int k = 0; k < qMin(content.size(), 8); ++k) {
        const int x = k == 0 ? 2 : k <= 6 ? 5 + 7 * k : 60;
        pic.text(x * d, 7 * d, piece(content, k, 7, check));
    }
    return pic.finish(7);
}
