#pragma once
// Large text from kept glyph pictures. Above the size of its glyph cache the toolkit's raster engine
// fills every glyph's outline again on each paint, which is most of the cost of drawing a design of
// 150-pixel texts. Here the toolkit draws each glyph once per font, place in the item and colour onto
// a picture of its own, which is then blended on with the toolkit's source-over: the toolkit's pixels
// but for rounding. The toolkit's outline filling rounds by where on the device a glyph lies, so a few
// edge pixels of a glyph come out as if its edge had moved by 1/64 pixel. Every paint of a text gives
// the same pixels, whatever is kept.
#include <QColor>
#include <QString>
#include <functional>

class QPainter;
class QTextDocument;

// Draws the plain-text document at the painter's origin in `color`. Draws nothing and returns false
// wherever the pixels could differ more (glyphs the toolkit takes from its cache, glyphs whose pixels
// touch, decorations, transformed painters); the caller then lets the toolkit draw.
//
// Only painters on a premultiplied or opaque 32-bit QImage (the pictures of the canvas and of the
// exports) are drawn here; everything else is left to the toolkit.
//
// `name` stands for everything that shapes the document's glyphs (font and text); the document is
// asked for only the first time a name is drawn in a colour. An empty name is never taken as known.
bool paintTextGlyphs(QPainter &painter, const QString &name,
                     const std::function<const QTextDocument &()> &document, const QColor &color);
