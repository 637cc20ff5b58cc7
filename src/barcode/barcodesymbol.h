#pragma once
// What an encoder makes of a content: the symbol, not a picture. Module runs in painting order with
// their heights, the text cells under the bars, the picture size, and on refusal the refusal code and
// how far the symbol got. barcoderender.h turns a symbol into pixels or painter calls.
#include "printstrip.h"

#include <QSize>
#include <QString>
#include <optional>
#include <vector>

// Module width d and bar height e in pixels, and whether the text under the bars is drawn.
struct barcodeOptions {
    bool isTextOn = true;
    int d = 5;
    int e = 230;
};

// count modules of one colour from module position module; height is in pixels, already cut at the
// picture's bottom (guard bars are taller than data bars).
struct barcodeRun {
    int module;
    int count;
    bool dark;
    int height;
};

// One piece of text, centred in the rectangle (x, textTop, width, textHeight) in pixels.
struct barcodeTextCell {
    int x;
    int width;
    QString text;
};

struct barcodeSymbol {
    barcodeOptions options;
    QSize size;                         // empty when the size cannot be drawn (refusal code 0)
    std::vector<barcodeRun> runs;       // painting order: where runs overlap the first one wins
    std::vector<barcodeTextCell> cells; // empty while the text is off
    std::optional<quint8> refusal;      // the code of refused content or size
    int encodedCharacters = 0;          // content characters encoded before a refusal (or all)

    int textTop() const { return options.e + 2; }
    int textHeight() const;
    int textPixelSize() const { return 7 * options.d + 18; }
};

// Heights derived from the bar height e. Each product is formed in extended precision and truncated, so
// e = 230 gives a picture of 275 rows (the stored 1.2 lies just below 1.2).
int barcodePictureHeight(int e, bool isTextOn);
int barcodeGuardHeight(int e);
int barcodeTextHeight(int e);
// The largest bar height (at least 1) whose picture is at most pictureHeight rows high; with the text on
// some heights have no bar height of their own (1.2 e skips every sixth).
int barcodeLineHeightFor(int pictureHeight, bool isTextOn);

// A picture never grows past the print strip: at most this wide, and no larger than the strip in area.
constexpr qint64 barcodeMaxWidth = stripLength;
constexpr qint64 barcodeMaxArea = qint64(stripLength) * stripHeight;
