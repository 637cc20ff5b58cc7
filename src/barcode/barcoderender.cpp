#include "barcoderender.h"

#include "barcodetext.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cstring>

namespace
{
constexpr QRgb transparent = 0;
constexpr QRgb opaqueBlack = 0xFF000000;
constexpr QRgb opaqueWhite = 0xFFFFFFFF;

// Runs are composed in painting order under destination-over: a pixel of row y takes the first run
// that reaches down to it.
void composeRow(QRgb *row, int width, const barcodeSymbol &symbol, int y)
{
    const int d = symbol.options.d;
    std::fill(row, row + width, transparent);
    for (const barcodeRun &run : symbol.runs) {
        const qint64 left = qint64(run.module) * d;
        if (run.height <= y || left >= width)
            continue;
        const QRgb colour = run.dark ? opaqueBlack : opaqueWhite;
        QRgb *const end = row + qMin(left + qint64(run.count) * d, qint64(width));
        for (QRgb *px = row + left; px < end; ++px) {
            if (qAlpha(*px) == 0)
                *px = colour;
        }
    }
}

// Between two consecutive run heights every row sees the same runs, so each such band is composed
// once and copied; the rows below the tallest run keep the transparent fill. A band is copied from
// its own rows in doubling blocks: a few large copies run several times faster than one per row, which
// write cache lines they first have to read.
void rasteriseBars(QImage &image, const barcodeSymbol &symbol)
{
    std::vector<int> heights;
    for (const barcodeRun &run : symbol.runs)
        heights.push_back(qMin(run.height, image.height()));
    std::sort(heights.begin(), heights.end());
    heights.erase(std::unique(heights.begin(), heights.end()), heights.end());
    uchar *const bits = image.bits(); // once: every scanLine() call would check for sharing
    const size_t stride = size_t(image.bytesPerLine());
    int top = 0;
    for (int bandEnd : heights) {
        if (bandEnd <= top)
            continue;
        composeRow(reinterpret_cast<QRgb *>(bits + top * stride), image.width(), symbol, top);
        for (int done = 1; done < bandEnd - top;) {
            const int rows = qMin(done, bandEnd - top - done);
            std::memcpy(bits + (top + done) * stride, bits + top * stride, rows * stride);
            done += rows;
        }
        top = bandEnd;
    }
    if (top < image.height())
        std::memset(bits + top * stride, 0, (image.height() - top) * stride);
}

QRect cellRect(const barcodeSymbol &symbol, const barcodeTextCell &cell)
{
    return QRect(cell.x, symbol.textTop(), cell.width, symbol.textHeight());
}
} // namespace

// The picture ends as a premultiplied pixmap, where the transparent white 0x00FFFFFF is stored as 0.
// Drawing premultiplied from the start gives the same pixels without a conversion pass.
QImage renderBarcodeImage(const barcodeSymbol &symbol)
{
    if (symbol.size.isEmpty())
        return {};
    QImage image(symbol.size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return {};
    rasteriseBars(image, symbol);
    if (!symbol.cells.empty()) {
        barcodeTextPainter text(image, symbol.textPixelSize());
        for (const barcodeTextCell &cell : symbol.cells)
            text.draw(cellRect(symbol, cell), cell.text);
    }
    return image;
}

QPixmap renderBarcodePixmap(const barcodeSymbol &symbol)
{
    QImage image = renderBarcodeImage(symbol);
    if (image.isNull())
        return {};
    // Kept with its alpha channel even when every pixel happens to be opaque (Code 128 without text).
    return QPixmap::fromImage(std::move(image), Qt::NoOpaqueDetection);
}

QImage renderBarcodeRows(const barcodeSymbol &symbol, int top, int rows)
{
    if (symbol.size.isEmpty())
        return {};
    // Rows near the text are taken from the whole picture, glyph edges included.
    if (!symbol.cells.empty() && top + rows > symbol.textTop() - symbol.textHeight())
        return renderBarcodePixmap(symbol).toImage().copy(0, top, symbol.size.width(), rows);
    QImage image(symbol.size.width(), rows, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return {};
    for (int y = 0; y < rows; ++y)
        composeRow(reinterpret_cast<QRgb *>(image.scanLine(y)), image.width(), symbol, top + y);
    return image;
}

namespace
{
// The light and the dark modules as one path each, with overlaps settled as the picture settles them
// (the first run reaching a row wins): a vector file then holds two shapes per symbol, not one per bar.
struct barcodeAreas {
    QVector<QRectF> light;
    QVector<QRectF> dark;
};

barcodeAreas moduleAreas(const barcodeSymbol &symbol)
{
    barcodeAreas areas;
    std::vector<int> heights;
    int modules = 0;
    for (const barcodeRun &run : symbol.runs) {
        heights.push_back(run.height);
        modules = qMax(modules, run.module + run.count);
    }
    std::sort(heights.begin(), heights.end());
    heights.erase(std::unique(heights.begin(), heights.end()), heights.end());
    const qreal d = symbol.options.d;
    std::vector<signed char> owner(static_cast<size_t>(modules));
    int top = 0;
    for (int bandEnd : heights) {
        if (bandEnd <= top)
            continue;
        std::fill(owner.begin(), owner.end(), -1);
        for (const barcodeRun &run : symbol.runs) {
            if (run.height <= top)
                continue;
            for (int m = run.module; m < run.module + run.count; ++m) {
                if (owner[size_t(m)] < 0)
                    owner[size_t(m)] = run.dark ? 1 : 0;
            }
        }
        for (int m = 0; m < modules;) {
            const signed char colour = owner[size_t(m)];
            const int start = m;
            while (m < modules && owner[size_t(m)] == colour)
                ++m;
            if (colour >= 0)
                (colour ? areas.dark : areas.light) << QRectF(start * d, top, (m - start) * d, bandEnd - top);
        }
        top = bandEnd;
    }
    return areas;
}
} // namespace

// Text first and the modules over it: opaque modules hide the glyphs exactly where destination-over
// would have kept the bars.
void paintBarcode(QPainter &painter, const barcodeSymbol &symbol, const QPointF &origin)
{
    if (symbol.size.isEmpty())
        return;
    painter.save();
    painter.translate(origin);
    painter.setClipRect(QRect(QPoint(0, 0), symbol.size), Qt::IntersectClip);
    QVector<QPair<QRect, QString>> cells;
    for (const barcodeTextCell &cell : symbol.cells)
        cells.append(qMakePair(cellRect(symbol, cell), cell.text));
    barcodeTextPainter::paint(painter, cells, symbol.textPixelSize());
    const barcodeAreas areas = moduleAreas(symbol);
    fillRects(painter, areas.light, Qt::white);
    fillRects(painter, areas.dark, Qt::black);
    painter.restore();
}

namespace
{
// The rectangles in the device's pixels, when the painter is an aliased one on an image and every
// rectangle lands on whole pixels; empty otherwise.
QVector<QRect> wholePixels(const QPainter &painter, const QVector<QRectF> &rects)
{
    const QTransform t = painter.transform();
    if (!paintsPixels(painter) || painter.testRenderHint(QPainter::Antialiasing) ||
        t.type() > QTransform::TxScale)
        return {};
    QVector<QRect> pixels;
    pixels.reserve(rects.size());
    for (const QRectF &rect : rects) {
        const QRectF mapped = t.mapRect(rect);
        const QRect whole = mapped.toRect();
        if (QRectF(whole) != mapped)
            return {};
        pixels << whole;
    }
    return pixels;
}
} // namespace

void fillRects(QPainter &painter, const QVector<QRectF> &rects, const QColor &colour)
{
    if (rects.isEmpty())
        return;
    const QVector<QRect> pixels = wholePixels(painter, rects);
    if (!pixels.isEmpty()) {
        painter.save();
        painter.resetTransform();
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawRects(pixels.constData(), int(pixels.size()));
        painter.restore();
        return;
    }
    QPainterPath path;
    for (const QRectF &rect : rects)
        path.addRect(rect);
    painter.fillPath(path, colour);
}
