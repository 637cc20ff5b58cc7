#pragma once
// How the encoders build a symbol: patterns of modules d pixels wide placed at module positions, and
// one-character text cells under the bars.
#include "barcodesymbol.h"

class symbolBuilder
{
public:
    // A symbol d * modules + extraPixels wide. When d, e or the resulting size cannot be drawn, the
    // symbol is refused with code 0 at once: ok() is false and finish() hands back the refusal.
    symbolBuilder(const barcodeOptions &options, qint64 modules, int extraPixels = 0);

    bool ok() const { return !symbol.size.isEmpty(); }
    int width() const { return symbol.size.width(); }
    // Left edge of a row of n text cells, 8d apart, centred on the picture.
    int centredTextOrigin(int n) const { return (width() - 8 * symbol.options.d * n) / 2; }

    // Places the first count modules of pattern ('1' dark, '0' light) from module position x, bar
    // height or guard height tall.
    void paint(int x, const char *pattern, int count, bool guard = false);
    void paint(int x, const char *pattern, bool guard = false);

    // Adds one text cell (x and width in pixels); ignored while the text is off.
    void text(int x, int width, const QString &cellText);

    // The symbol as placed so far, refused with code after encodedCharacters content characters.
    barcodeSymbol refuse(quint8 code, int encodedCharacters);
    barcodeSymbol finish(int encodedCharacters);

private:
    barcodeSymbol symbol;
};
