#include "code3993.h"

#include "barcodedrawing.h"

#include <cstring>

namespace
{
// Characters in value order.
const char characterSet[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%";

// Code 39 patterns by value, wide elements two modules, dark first; the 13th module (the gap) is implicit.
const char *const code39Patterns[43] = {
    "101001101101", "110100101011", "101100101011", "110110010101", "101001101011", "110100110101",
    "101100110101", "101001011011", "110100101101", "101100101101", "110101001011", "101101001011",
    "110110100101", "101011001011", "110101100101", "101101100101", "101010011011", "110101001101",
    "101101001101", "101011001101", "110101010011", "101101010011", "110110101001", "101011010011",
    "110101101001", "101101101001", "101010110011", "110101011001", "101101011001", "101011011001",
    "110010101011", "100110101011", "110011010101", "100101101011", "110010110101", "100110110101",
    "100101011011", "110010101101", "100110101101", "100100100101", "100100101001", "100101001001",
    "101001001001",
};
const char code39Star[] = "100101101101";

// Code 93 patterns by value (43 to 46 are the shift characters, used only as check characters).
const char *const code93Patterns[47] = {
    "100010100", "101001000", "101000100", "101000010", "100101000", "100100100", "100100010", "101010000",
    "100010010", "100001010", "110101000", "110100100", "110100010", "110010100", "110010010", "110001010",
    "101101000", "101100100", "101100010", "100110100", "100011010", "101011000", "101001100", "101000110",
    "100101100", "100010110", "110110100", "110110010", "110101100", "110100110", "110010110", "110011010",
    "101101100", "101100110", "100110110", "100111010", "100101110", "111010100", "111010010", "111001010",
    "101101110", "101110110", "110101110", "100100110", "111011010", "111010110", "100110010",
};
const char code93StartStop[] = "101011110";
// The ninth module of every Code 93 pattern is light and stays unpainted.
constexpr int code93Painted = 8;
} // namespace

int code39Value(char c)
{
    const char *found = c ? std::strchr(characterSet, c) : nullptr;
    return found ? int(found - characterSet) : -1;
}

std::pair<int, int> code93CheckValues(const std::vector<int> &values)
{
    int c = 0;
    int k = 0;
    const int n = int(values.size());
    for (int i = 0; i < n; ++i) {
        const int r = n - i;
        c = (c + values[i] * ((r - 1) % 20 + 1)) % 47;
        k = (k + values[i] * (r % 15 + 1)) % 47;
    }
    k = (k + c) % 47;
    return {c, k};
}

barcodeSymbol encodeCode39(const barcodeOptions &options, const QString &content)
{
    const int n = content.size();
    symbolBuilder pic(options, 13 * (qint64(n) + 2));
    if (!pic.ok())
        return pic.finish(0);
    const int d = options.d;
    const QByteArray bytes = content.toLatin1();
    for (int i = 0; i < n; ++i) {
        const int value = code39Value(bytes[i]);
        if (value < 0) {
            return pic.refuse(3, i);
        }
        pic.paint(13 * (i + 1), code39Patterns[value]);
    }
    pic.paint(0, code39Star);
    pic.paint(13 * (n + 1), code39Star);
    const QString text = QLatin1Char('*') + content + QLatin1Char('*');
    for (int j = 0; j < n + 2; ++j)
        pic.text(13 * d * j, 13 * d, QString(text.at(j)));
    return pic.finish(n);
}

barcodeSymbol encodeCode93(const barcodeOptions &options, const QString &content)
{
    const int n = content.size();
    symbolBuilder pic(options, 9 * (qint64(n) + 5), -3);
    if (!pic.ok())
        return pic.finish(0);
    const int d = options.d;
    pic.paint(0, code93StartStop, code93Painted);
    const QByteArray bytes = content.toLatin1();
    std::vector<int> values;
    values.reserve(n);
    for (int i = 0; i < n; ++i) {
        values.push_back(code39Value(bytes[i]));
        if (values.back() < 0) {
            return pic.refuse(3, i);
        }
        pic.paint(9 * (i + 1), code93Patterns[values.back()], code93Painted);
    }
    const auto [c, k] = code93CheckValues(values);
    pic.paint(9 * (n + 1), code93Patterns[c], code93Painted);
    pic.paint(9 * (n + 2), code93Patterns[k], code93Painted);
    pic.paint(9 * (n + 3), code93StartStop, code93Painted);
    pic.paint(9 * (n + 4), "1", 1);
    const int origin = pic.centredTextOrigin(n);
    for (int i = 0; i < n; ++i)
        pic.text(origin + 8 * d * i, 8 * d, QString(content.at(i)));
    return pic.finish(n);
}
