#include "barcodetext.h"

#include <QCache>
#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainter>
#include <cmath>

// Pieces are drawn once into a cell image of their own, kept, and added to later pictures with the
// toolkit's destination-over arithmetic; the result is the same, pixel for pixel, as drawing the glyphs
// in place, because:
// - below largestBitmapGlyph the toolkit blits pre-rendered glyph bitmaps, which come out the same
//   wherever they land as long as they shift by whole pixels (larger glyphs are filled as outlines, whose
//   anti-aliasing depends on the exact position: those are drawn in place);
// - a glyph reaching past the image's left edge is rasterised differently, so a cell near the picture's
//   left edge is drawn at its own distance from the edge, and any other cell with a margin that keeps
//   every glyph inside;
// - destination-over of a glyph adds d + s * (1 - alpha(d)) with s its coverage-weighted black, which is
//   exactly what drawing the same glyph into an empty cell stores.
// Everything runs on the GUI thread.
QString barcodeTextFamily()
{
    return QStringLiteral("arial");
}

namespace
{
constexpr int largestBitmapGlyph = 64;

} // namespace

void barcodeTextPainter::useTextFont(QPainter &painter, int pixelSize)
{
    QFont font = painter.font();
    font.setFamily(barcodeTextFamily());
    font.setPixelSize(pixelSize);
    font.setCapitalization(QFont::SmallCaps);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0);
    painter.setFont(font);
    painter.setPen(QColor(Qt::black));
    // Vector painters (PDF, SVG) have no such mode; they paint the text before the bars instead.
    if (painter.paintEngine() && painter.paintEngine()->hasFeature(QPaintEngine::PorterDuff))
        painter.setCompositionMode(QPainter::CompositionMode_DestinationOver);
}

namespace
{

// A margin that keeps the glyphs of ordinary text inside the cell image.
int interiorMargin(int pixelSize)
{
    return 2 * pixelSize + 8;
}

struct cellKey {
    QString text;
    QSize size;
    int pixelSize;
    int leftMargin; // the cell's distance from the picture's left edge, at most interiorMargin
    bool operator==(const cellKey &other) const
    {
        return text == other.text && size == other.size && pixelSize == other.pixelSize &&
               leftMargin == other.leftMargin;
    }
};

uint qHash(const cellKey &key, uint seed = 0)
{
    return ::qHash(key.text, seed) ^ ::qHash(key.size.width() << 16 ^ key.size.height()) ^
           ::qHash(key.pixelSize << 20 ^ key.leftMargin);
}

struct renderedCell {
    QImage pixels;
    QRect ink;          // the part of the cell the glyphs touch
    bool exact = false; // false when a glyph would cross the margin: draw that piece in place
};

// How far left of the cell the glyphs' ink reaches, with slack for anti-aliasing.
qreal leftOverreach(QPainter &painter, const cellKey &key)
{
    const QFontMetricsF metrics(painter.font(), painter.device());
    const qreal inkLeft =
        (key.size.width() - metrics.horizontalAdvance(key.text)) / 2 + metrics.boundingRect(key.text).left();
    return 2 + key.pixelSize / 8 - inkLeft;
}

QRect inkArea(const QImage &cell)
{
    QRect ink;
    for (int y = 0; y < cell.height(); ++y) {
        const QRgb *row = reinterpret_cast<const QRgb *>(cell.constScanLine(y));
        for (int x = 0; x < cell.width(); ++x) {
            if (row[x] != 0)
                ink |= QRect(x, y, 1, 1);
        }
    }
    return ink;
}

renderedCell renderCell(const cellKey &key)
{
    QImage canvas(key.leftMargin + key.size.width(), key.size.height(), QImage::Format_ARGB32_Premultiplied);
    canvas.fill(0);
    QPainter painter(&canvas);
    barcodeTextPainter::useTextFont(painter, key.pixelSize);
    const bool exact =
        key.leftMargin < interiorMargin(key.pixelSize) || leftOverreach(painter, key) <= key.leftMargin;
    painter.drawText(QRect(QPoint(key.leftMargin, 0), key.size), Qt::AlignCenter, key.text);
    painter.end();
    renderedCell cell;
    cell.pixels = canvas.copy(QRect(QPoint(key.leftMargin, 0), key.size));
    cell.ink = inkArea(cell.pixels);
    cell.exact = exact;
    return cell;
}

renderedCell cachedCell(const cellKey &key)
{
    static QCache<cellKey, renderedCell> cache(4 * 1024 * 1024); // cost: pixels
    static QFont applicationFont;
    if (QFont() != applicationFont) { // the default font changed: earlier cells are stale
        cache.clear();
        applicationFont = QFont();
    }
    if (const renderedCell *cached = cache.object(key))
        return *cached;
    const renderedCell cell = renderCell(key);
    const int cost = key.size.width() * key.size.height();
    if (cost <= cache.maxCost())
        cache.insert(key, new renderedCell(cell), cost);
    return cell;
}

// The toolkit's premultiplied multiply of the four channels of x by a / 255.
QRgb byteMul(QRgb x, uint a)
{
    uint t = (x & 0xff00ff) * a;
    t = (t + ((t >> 8) & 0xff00ff) + 0x800080) >> 8;
    t &= 0xff00ff;
    x = ((x >> 8) & 0xff00ff) * a;
    x = (x + ((x >> 8) & 0xff00ff) + 0x800080);
    x &= 0xff00ff00;
    return x | t;
}

// Destination-over with the toolkit's arithmetic, d + s * (1 - alpha(d)), over the cell's ink only: empty
// source pixels leave the picture as it is, and on a transparent pixel the sum is s itself.
void composeDestinationOver(QImage &picture, const QPoint &at, const renderedCell &cell)
{
    const QRect area = cell.ink.translated(at) & picture.rect();
    uchar *const bits = picture.bits();
    const qsizetype stride = picture.bytesPerLine();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        QRgb *dst = reinterpret_cast<QRgb *>(bits + y * stride) + area.left();
        const QRgb *src =
            reinterpret_cast<const QRgb *>(cell.pixels.constScanLine(y - at.y())) + (area.left() - at.x());
        for (int i = 0; i < area.width(); ++i) {
            const QRgb d = dst[i];
            if (d == 0)
                dst[i] = src[i];
            else if (qAlpha(d) != 255)
                dst[i] = d + byteMul(src[i], 255 - qAlpha(d));
        }
    }
}
} // namespace

barcodeTextPainter::barcodeTextPainter(QImage &picture, int pixelSize)
    : picture(picture), pixelSize(pixelSize)
{
}

void barcodeTextPainter::draw(const QRect &cell, const QString &text)
{
    if (cell.isEmpty())
        return;
    if (pixelSize < largestBitmapGlyph && cell.x() >= 0) {
        const int leftMargin = qMin(cell.x(), interiorMargin(pixelSize));
        const renderedCell rendered = cachedCell({text, cell.size(), pixelSize, leftMargin});
        if (rendered.exact) {
            composeDestinationOver(picture, cell.topLeft(), rendered);
            return;
        }
    }
    drawInPlace(cell, text);
}

void barcodeTextPainter::drawInPlace(const QRect &cell, const QString &text)
{
    if (!painter) {
        painter.emplace(&picture);
        useTextFont(*painter, pixelSize);
    }
    painter->drawText(cell, Qt::AlignCenter, text);
}
