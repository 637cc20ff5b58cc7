#pragma once
// The text under the bars: one piece per cell, centred in its rectangle and clipped to it, black, in the
// painter's default font changed to "arial" at the given pixel size, small capitals, letter spacing 0,
// under destination-over composition (glyph pixels only show where the picture is still transparent).
#include <QImage>
#include <QPainter>
#include <QString>
#include <optional>

// The family the text under the bars asks for.
QString barcodeTextFamily();

class barcodeTextPainter
{
public:
    barcodeTextPainter(QImage &picture, int pixelSize);
    void draw(const QRect &cell, const QString &text);
    // The text font and pen, with destination-over composition, on any painter.
    static void useTextFont(QPainter &painter, int pixelSize);

private:
    void drawInPlace(const QRect &cell, const QString &text);

    QImage &picture; // premultiplied ARGB
    int pixelSize;
    std::optional<QPainter> painter;
};
