#include "code128.h"

#include "barcodedrawing.h"

namespace
{
// Symbol patterns of the values 0 to 105, three bars and three spaces in 11 modules, dark first.
const char *const code128Patterns[106] = {
    "11011001100", "11001101100", "11001100110", "10010011000", "10010001100", "10001001100", "10011001000",
    "10011000100", "10001100100", "11001001000", "11001000100", "11000100100", "10110011100", "10011011100",
    "10011001110", "10111001100", "10011101100", "10011100110", "11001110010", "11001011100", "11001001110",
    "11011100100", "11001110100", "11101101110", "11101001100", "11100101100", "11100100110", "11101100100",
    "11100110100", "11100110010", "11011011000", "11011000110", "11000110110", "10100011000", "10001011000",
    "10001000110", "10110001000", "10001101000", "10001100010", "11010001000", "11000101000", "11000100010",
    "10110111000", "10110001110", "10001101110", "10111011000", "10111000110", "10001110110", "11101110110",
    "11010001110", "11000101110", "11011101000", "11011100010", "11011101110", "11101011000", "11101000110",
    "11100010110", "11101101000", "11101100010", "11100011010", "11101111010", "11001000010", "11110001010",
    "10100110000", "10100001100", "10010110000", "10010000110", "10000101100", "10000100110", "10110010000",
    "10110000100", "10011010000", "10011000010", "10000110100", "10000110010", "11000010010", "11001010000",
    "11110111010", "11000010100", "10001111010", "10100111100", "10010111100", "10010011110", "10111100100",
    "10011110100", "10011110010", "11110100100", "11110010100", "11110010010", "11011011110", "11011110110",
    "11110110110", "10101111000", "10100011110", "10001011110", "10111101000", "10111100010", "11110101000",
    "11110100010", "10111011110", "10111101110", "11101011110", "11110101110", "11010000100", "11010010000",
    "11010011100",
};
constexpr int startB = 104;
const char stopPattern[] = "1100011101011";

// Code set B value of a Latin-1 byte; the apostrophe and the backslash are refused with the controls.
int code128Value(char byte)
{
    const int c = static_cast<unsigned char>(byte);
    return c < 32 || c > 126 || c == '\'' || c == '\\' ? -1 : c - 32;
}
} // namespace

int code128CheckValue(const std::vector<int> &values)
{
    int sum = startB % 103;
    for (int i = 0; i < int(values.size()); ++i)
        sum = (sum + values[i] * ((i + 1) % 103)) % 103;
    return sum;
}

barcodeSymbol encodeCode128(const barcodeOptions &options, const QString &content)
{
    const int n = content.size();
    symbolBuilder pic(options, 11 * qint64(n) + 35);
    if (!pic.ok())
        return pic.finish(0);
    const int d = options.d;
    pic.paint(0, code128Patterns[startB]);
    // Characters outside Latin-1 become '?' here and are encoded as such.
    const QByteArray bytes = content.toLatin1();
    std::vector<int> values;
    values.reserve(n);
    for (int i = 0; i < n; ++i) {
        values.push_back(code128Value(bytes[i]));
        if (values.back() < 0) {
            return pic.refuse(7, i);
        }
        pic.paint(11 * (i + 1), code128Patterns[values.back()]);
    }
    pic.paint(11 * (n + 1), code128Patterns[code128CheckValue(values)]);
    pic.paint(11 * (n + 2), stopPattern);
    const int origin = pic.centredTextOrigin(n);
    for (int i = 0; i < n; ++i)
        pic.text(origin + 8 * d * i, 10 * d, QString(content.at(i)));
    return pic.finish(n);
}
