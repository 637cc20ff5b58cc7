#pragma once
// The symbology table: one row per barcode symbology, in the order of the barcode item's mode (the number
// stored as "BarMode" and the row of the panel's list), and one row for the QR code. Everything that
// differs between symbologies is a column here; the encoders, the scanner, the reader, the panel and
// sprtool all look it up, so a new symbology is its encoder plus one row.
#include "barcodesymbol.h"
#include "code128.h"
#include "code3993.h"
#include "eanupc.h"
#include "symbolscan.h"

#include <QtGlobal>
#include <iterator>

using barcodeEncoder = barcodeSymbol (*)(const barcodeOptions &options, const QString &content);

// What a refusal can say about the character at fault: nothing, the character the encoder stopped at
// (symbologies with a character set), or the first non-digit (symbologies of digits only).
enum class refusedCharacterRule { none, stopsAtCharacter, digitsOnly };

struct symbologyRow {
    int mode; // the barcode item's mode; -1 for the QR code
    // The standards' name (findings, tests, benchmarks), the panel's list text (translated in context
    // "barSetting") and sprtool's SYMBOLOGY name.
    const char *name;
    const char *panelName;
    const char *cliName;
    barcodeEncoder encoder; // nullptr for the QR code, which has its own item
    // The scanner library's name of the format read back ("EAN-13", "QRCode").
    const char *scanFormat;
    // Blank paper before the first bar and after the last one, in modules (a QR code: every side).
    int quietLeft;
    int quietRight;
    const char *quietSource;
    // The smallest module (X-dimension) in millimetres, and where the number comes from.
    double minXMm;
    const char *minXSource;
    // The encoder's picture already holds blank modules beside the bars (EAN and UPC); only what is
    // really blank counts toward the quiet zone.
    bool pictureHasQuietZone;
    // The message of refusal code mode + 1 (context "QObject"), and what it can tell of the character.
    const char *refusalText;
    refusedCharacterRule refusedCharacter;
    // Symbologies with a check digit of their own: the data digits before it (the typed one stands at
    // this index), the check digit of those digits, and whether the first digit is always encoded by the
    // rules of number system 0 (UPC-E). -1 and nullptr for the others.
    int checkDigitAt;
    char (*checkDigitOf)(const QByteArray &dataDigits);
    bool numberSystemZeroOnly;
    // Characters beyond Latin-1 are encoded as "?" instead of refused (Code 128).
    bool replacesBeyondLatin1;
    // A content the symbology takes: the new item's content (EAN-13) and the example drawn in tests.
    const char *defaultContent;
};

namespace symbologyText
{
// Code 39, Code 93 and plain Code 128 have no GS1 minimum: 0.191 mm (7.5 mil) is the smallest module
// their standards' application guidance names, and the one we use for all three. A QR code takes the
// minimum of GS1 QR Code: 0.396 mm, which is the EAN/UPC minimum times 1.5, the factor GS1 asks of 2D
// symbols because imaging them is less tolerant than scanning a bar.
constexpr const char *gs1 = "GS1 General Specifications";
constexpr const char *gs1EanUpcMinimum =
    "GS1 General Specifications, EAN/UPC symbol sizes at 80 % magnification";
constexpr const char *gs1QrMinimum = "GS1 General Specifications, GS1 QR Code symbol sizes";
constexpr const char *asCode39 = "as Code 39 (no GS1 minimum)";
constexpr const char *digits8 = QT_TRANSLATE_NOOP("QObject", "条码格式错误，本条码为8位阿拉伯数字！");
constexpr const char *code3993Set =
    QT_TRANSLATE_NOOP("QObject", "条码格式错误，本条码内容仅包含数字与大写字母及部分符号！");
} // namespace symbologyText

// clang-format off
inline constexpr symbologyRow barcodeSymbologies[] = {
    {0, "EAN-13", QT_TRANSLATE_NOOP("barSetting", "EAN13"), "ean13", encodeEan13, "EAN-13",
     11, 7, symbologyText::gs1, 0.264, symbologyText::gs1EanUpcMinimum, true,
     QT_TRANSLATE_NOOP("QObject", "条码格式错误，本条码为13位阿拉伯数字！"), refusedCharacterRule::digitsOnly,
     12, eanUpcCheckDigit, false, false, "6901234567892"},
    {1, "EAN-8", QT_TRANSLATE_NOOP("barSetting", "EAN8"), "ean8", encodeEan8, "EAN-8",
     7, 7, symbologyText::gs1, 0.264, symbologyText::gs1EanUpcMinimum, true,
     symbologyText::digits8, refusedCharacterRule::digitsOnly,
     7, eanUpcCheckDigit, false, false, "1234567"},
    {2, "Code 39", QT_TRANSLATE_NOOP("barSetting", "Code_39"), "code39", encodeCode39, "Code39",
     10, 10, "ISO/IEC 16388", 0.191, "ISO/IEC 16388 application guidance", false,
     symbologyText::code3993Set, refusedCharacterRule::stopsAtCharacter,
     -1, nullptr, false, false, "CODE-39"},
    {3, "Code 93", QT_TRANSLATE_NOOP("barSetting", "Code_93"), "code93", encodeCode93, "Code93",
     10, 10, "AIM USS-93", 0.191, symbologyText::asCode39, false,
     symbologyText::code3993Set, refusedCharacterRule::stopsAtCharacter,
     -1, nullptr, false, false, "CODE 93"},
    {4, "UPC-A", QT_TRANSLATE_NOOP("barSetting", "UPCA"), "upca", encodeUpcA, "UPC-A",
     9, 9, symbologyText::gs1, 0.264, symbologyText::gs1EanUpcMinimum, true,
     QT_TRANSLATE_NOOP("QObject", "条码格式错误，本条码为12位阿拉伯数字！"), refusedCharacterRule::digitsOnly,
     11, eanUpcCheckDigit, false, false, "03600029145"},
    {5, "UPC-E", QT_TRANSLATE_NOOP("barSetting", "UPCE"), "upce", encodeUpcE, "UPC-E",
     9, 7, symbologyText::gs1, 0.264, symbologyText::gs1EanUpcMinimum, true,
     symbologyText::digits8, refusedCharacterRule::digitsOnly,
     7, upcECheckDigit, true, false, "0123456"},
    {6, "Code 128", QT_TRANSLATE_NOOP("barSetting", "Code_128"), "code128", encodeCode128, "Code128",
     10, 10, "ISO/IEC 15417", 0.191, symbologyText::asCode39, false,
     QT_TRANSLATE_NOOP("QObject", "条码格式错误，本条码内容仅包含数字与英文字母及部分符号！"),
     refusedCharacterRule::stopsAtCharacter,
     -1, nullptr, false, true, "Code 128"},
};

inline constexpr symbologyRow qrSymbology = {
    -1, "QR Code", nullptr, nullptr, nullptr, "QRCode",
    4, 4, "ISO/IEC 18004", 0.396, symbologyText::gs1QrMinimum, false,
    nullptr, refusedCharacterRule::none,
    -1, nullptr, false, false, nullptr};
// clang-format on

constexpr int barcodeModeCount = int(std::size(barcodeSymbologies));

constexpr bool rowsInModeOrder()
{
    for (int mode = 0; mode < barcodeModeCount; ++mode)
        if (barcodeSymbologies[mode].mode != mode)
            return false;
    return true;
}
static_assert(rowsInModeOrder(), "the rows of the symbology table stand in mode order");

constexpr bool isBarcodeMode(int mode)
{
    return mode >= 0 && mode < barcodeModeCount;
}

// The row of a mode; the first row (the item's default) outside the table.
const symbologyRow &barcodeSymbology(int mode);
// The mode of sprtool's SYMBOLOGY name (any case), or -1.
int barcodeModeNamed(const QString &cliName);

// The symbology a barcode item's mode stands for; the QR code outside the modes.
scanSymbology scanSymbologyForMode(int mode);
const symbologyRow &symbologyRowFor(scanSymbology symbology);

// Where a linear symbol's ink lies across its picture, in modules: its first dark module, the module
// after its last one, the picture's width, and the tallest bar in pixels. Empty without dark modules.
struct symbolBars {
    int first = 0;
    int end = 0;
    int modules = 0;
    int height = 0;
    bool isEmpty() const { return end <= first; }
    int blankLeft() const { return first; }
    int blankRight() const { return modules - end; }
};
symbolBars symbolBarsOf(const barcodeSymbol &symbol);
