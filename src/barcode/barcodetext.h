#pragma once
// The text under the bars: one piece per cell, centred in its rectangle and clipped to it, black, in the
// default font changed to "arial" at the given pixel size, small capitals, letter spacing 0. Pictures
// take it under destination-over composition (glyph pixels only show where the picture is still
// transparent).
//
// The glyphs are placed and rasterised here rather than by the toolkit's text drawing, whose metrics
// rounding and glyph rasterisation differ between toolkit versions: every advance, the ascent and the
// descent are whole pixels worked out from the font's design metrics, and every glyph is its filled
// outline at a whole-pixel position, so a picture is the same on every build.
#include <QImage>
#include <QPainter>
#include <QPair>
#include <QRect>
#include <QString>
#include <QVector>

// The family the text under the bars asks for.
QString barcodeTextFamily();

// Whether painter draws into an image's pixels (rather than a vector file or a recording).
bool paintsPixels(const QPainter &painter);

class barcodeTextPainter
{
public:
    barcodeTextPainter(QImage &picture, int pixelSize);
    void draw(const QRect &cell, const QString &text);
    // The same glyphs as filled outlines on any painter (PDF, SVG, the canvas at any zoom), in the
    // painter's composition mode.
    static void paint(QPainter &painter, const QRect &cell, const QString &text, int pixelSize);
    // Several cells as one filled path: a vector file then holds one shape for a symbol's text.
    static void paint(QPainter &painter, const QVector<QPair<QRect, QString>> &cells, int pixelSize);

private:
    QImage &picture; // premultiplied ARGB
    int pixelSize;
};
