#include "barcodedrawing.h"

#include <cstring>
#include <limits>

static_assert(std::numeric_limits<long double>::digits >= 64,
              "barcode heights need an extended-precision long double");

namespace
{
// No module or bar is larger than the strip is long.
constexpr int maxSide = stripLength;

// The factor is a double; the product with e is kept in extended precision before truncation.
int scaled(int e, double factor)
{
    return static_cast<int>(static_cast<long double>(e) * factor);
}
} // namespace

int barcodePictureHeight(int e, bool isTextOn)
{
    return isTextOn ? scaled(e, 1.2) : e;
}

int barcodeLineHeightFor(int pictureHeight, bool isTextOn)
{
    const int h = qBound(1, pictureHeight, maxSide);
    int e = isTextOn ? qMax(1, h * 5 / 6) : h;
    while (e > 1 && barcodePictureHeight(e, isTextOn) > h)
        --e;
    while (barcodePictureHeight(e + 1, isTextOn) <= h)
        ++e;
    return e;
}

int barcodeGuardHeight(int e)
{
    return scaled(e, 1.08);
}

int barcodeTextHeight(int e)
{
    return scaled(e, 0.2);
}

int barcodeSymbol::textHeight() const
{
    return barcodeTextHeight(options.e);
}

symbolBuilder::symbolBuilder(const barcodeOptions &options, qint64 modules, int extraPixels)
{
    symbol.options = options;
    const int d = options.d;
    const int e = options.e;
    // d is bounded before the product, so the width cannot overflow for any content length.
    const bool sizesOk = d >= 1 && d <= maxSide && e >= 1 && e <= maxSide;
    const qint64 width = sizesOk ? qint64(d) * modules + extraPixels : 0;
    const qint64 height = sizesOk ? barcodePictureHeight(e, options.isTextOn) : 0;
    if (width < 1 || width > barcodeMaxWidth || height < 1 || width * height > barcodeMaxArea)
        symbol.refusal = 0;
    else
        symbol.size = QSize(int(width), int(height));
}

void symbolBuilder::paint(int x, const char *pattern, bool guard)
{
    paint(x, pattern, int(std::strlen(pattern)), guard);
}

void symbolBuilder::paint(int x, const char *pattern, int count, bool guard)
{
    const int e = symbol.options.e;
    const int height = qMin(guard ? barcodeGuardHeight(e) : e, symbol.size.height());
    for (int m = 0; m < count; ++m) {
        const bool dark = pattern[m] == '1';
        barcodeRun *last = symbol.runs.empty() ? nullptr : &symbol.runs.back();
        if (last && last->dark == dark && last->height == height && last->module + last->count == x + m)
            ++last->count;
        else
            symbol.runs.push_back({x + m, 1, dark, height});
    }
}

void symbolBuilder::text(int x, int width, const QString &cellText)
{
    if (symbol.options.isTextOn)
        symbol.cells.push_back({x, width, cellText});
}

barcodeSymbol symbolBuilder::refuse(quint8 code, int encodedCharacters)
{
    symbol.refusal = code;
    symbol.encodedCharacters = encodedCharacters;
    return symbol;
}

barcodeSymbol symbolBuilder::finish(int encodedCharacters)
{
    symbol.encodedCharacters = encodedCharacters;
    return symbol;
}
