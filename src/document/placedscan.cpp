#include "placedscan.h"

#include "designexport.h"
#include "diagrambaritem.h"
#include "diagramqrcodeitem.h"
#include "itemkinds.h"
#include "scanfindings.h"
#include "shownrecord.h"
#include "symbologytable.h"
#include "textfamilyitem.h"

#include <QCoreApplication>
#include <QGraphicsScene>
#include <QPainter>
#include <QtMath>
#include <algorithm>
#include <cmath>
#include <functional>

namespace
{
// Dark enough for a scanner to take for a bar.
constexpr int inkGrey = 128;

// The symbol in its own coordinates: where its bars (a QR code: its modules) lie, how wide a module is
// there, and the quiet zones around the bars.
struct symbolFrame {
    scanSymbology symbology = scanSymbology::qrCode;
    QRectF bars;
    double module = 0;
    QRectF zone;
    bool matrix = false;
    bool inverted = false;
    // Rows the decoder reads: the middle of the bars, the text band left out (linear symbols).
    QRectF readRows;
};

std::optional<symbolFrame> frameOf(const QGraphicsItem &item)
{
    symbolFrame frame;
    if (item.type() == barItemType) {
        const auto &bar = static_cast<const diagramBarItem &>(item);
        const barcodeSymbol &symbol = bar.symbol(printedContent(bar, bar.content));
        const symbolBars bars = symbolBarsOf(symbol);
        const QSize shown = bar.pictureSize();
        if (symbol.refusal || bars.isEmpty() || shown.isEmpty())
            return std::nullopt;
        const double sx = double(shown.width()) / symbol.size.width();
        const double sy = double(shown.height()) / symbol.size.height();
        frame.symbology = scanSymbologyForMode(bar.mode);
        frame.module = symbol.options.d * sx;
        frame.bars =
            QRectF(bars.first * frame.module, 0, (bars.end - bars.first) * frame.module, bars.height * sy);
        const double band = qMin(3.0, frame.bars.height());
        const double barRows = qMin<double>(shown.height(), symbol.options.e * sy);
        frame.readRows =
            QRectF(frame.bars.left(), std::floor((barRows - band) / 2), frame.bars.width(), band);
    } else if (item.type() == qrItemType) {
        const auto &qr = static_cast<const diagramQRCodeItem &>(item);
        const QSize shown = qr.pictureSize();
        if (shown.isEmpty() || qr.scale <= 0)
            return std::nullopt;
        frame.matrix = true;
        frame.inverted = qr.converse;
        frame.module = qr.scale;
        frame.bars = QRectF(QPointF(0, 0), QSizeF(shown));
        frame.readRows = frame.bars;
    } else {
        return std::nullopt;
    }
    const symbologyRow &row = symbologyRowFor(frame.symbology);
    const double m = frame.module;
    frame.zone = frame.matrix ? frame.bars.adjusted(-row.quietLeft * m, -row.quietLeft * m,
                                                    row.quietRight * m, row.quietRight * m)
                              : frame.bars.adjusted(-row.quietLeft * m, 0, row.quietRight * m, 0);
    frame.readRows.setLeft(frame.zone.left());
    frame.readRows.setRight(frame.zone.right());
    return frame;
}

// The part of the symbol's own coordinates given by area, as the printed strip shows it at pixelsPerUnit:
// every item painted as render paints its vector pages (barcodes and QR codes from their symbols, so no
// large picture is drawn for a small view), nothing outside the page.
QImage composed(const QGraphicsScene &scene, const QRectF &page, const QGraphicsItem &item,
                const QRectF &area, double pixelsPerUnit, const std::optional<previewValues> &preview,
                const QList<QGraphicsItem *> *only = nullptr)
{
    const QSize size(qMax(1, int(std::ceil(area.width() * pixelsPerUnit))),
                     qMax(1, int(std::ceil(area.height() * pixelsPerUnit))));
    QImage picture(size, QImage::Format_ARGB32_Premultiplied);
    if (picture.isNull())
        return picture;
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.scale(pixelsPerUnit, pixelsPerUnit);
    painter.translate(-area.topLeft());
    painter.setTransform(item.sceneTransform().inverted(), true);
    painter.setClipRect(page);
    const QRectF sceneArea = item.sceneTransform().mapRect(area);
    if (only)
        paintDesignItems(painter, *only, preview);
    else
        paintDesign(painter, scene, true, preview, sceneArea);
    return picture;
}

// An opaque picture as the scanner's grey.
QImage greyOf(const QImage &picture)
{
    QImage grey(picture.size(), QImage::Format_Grayscale8);
    const int width = picture.width();
    for (int y = 0; y < picture.height(); ++y) {
        const QRgb *from = reinterpret_cast<const QRgb *>(picture.constScanLine(y));
        uchar *to = grey.scanLine(y);
        for (int x = 0; x < width; ++x)
            to[x] = uchar(qGray(from[x]));
    }
    return grey;
}

// Where area (the symbol's own coordinates) starts on the strip, when the symbol is unturned and area
// lies on whole dots there. Painted anywhere on whole dots the same items give the same pixels, so a cut
// from the strip is what composed() would paint there.
std::optional<QPoint> stripCorner(const QGraphicsItem &item, const QRectF &area)
{
    const QTransform t = item.sceneTransform();
    const QPointF corner = area.topLeft() + QPointF(t.dx(), t.dy());
    if (t.type() > QTransform::TxTranslate || corner.x() != std::round(corner.x()) ||
        corner.y() != std::round(corner.y()) || std::abs(corner.x()) > 1e9 || std::abs(corner.y()) > 1e9)
        return std::nullopt;
    return corner.toPoint();
}

QSize wholeDots(const QRectF &area)
{
    return QSize(qMax(1, int(std::ceil(area.width()))), qMax(1, int(std::ceil(area.height()))));
}

// The symbol's rows cut from the strip (num pixels for every den dots); a null picture when the strip's
// dots are not the symbol's.
QImage stripRows(const placedStrip &strip, const QGraphicsItem &item, const QRectF &area, int num, int den)
{
    const std::optional<QPoint> corner = stripCorner(item, area);
    return corner ? strip.cut(QRect(*corner, wholeDots(area)), num, den) : QImage();
}

// The other item that left the ink at local point: the topmost of others whose outline holds it.
const QGraphicsItem *inkOwner(const QGraphicsItem &item, const QList<QGraphicsItem *> &others, QPointF local)
{
    const QPointF point = item.sceneTransform().map(local);
    for (auto it = others.crbegin(); it != others.crend(); ++it)
        if ((*it)->sceneBoundingRect().adjusted(-1, -1, 1, 1).contains(point))
            return *it;
    return others.last();
}

bool dark(uchar grey)
{
    return grey < inkGrey;
}

// The symbol's own ink on the grid of a quiet-zone test: painted alone, only over its outline (light
// everywhere else), a slice of rows at a time as they are looked at, so a symbol thousands of dots wide
// holds a megabyte of its picture rather than all of it.
class ownInk
{
public:
    // The pixels of a rectangle of the grid.
    using painter = std::function<QImage(const QRect &)>;

    ownInk() = default;
    ownInk(painter paint, const QRect &mine)
        : paint(std::move(paint)), mine(mine),
          sliceRows(qBound(1, (1 << 18) / qMax(1, mine.width()), qMax(1, mine.height())))
    {
    }
    // Rows are asked for from the top down.
    bool dark(int x, int y)
    {
        if (!mine.contains(x, y))
            return false;
        if (y < top || y >= top + rows)
            load(y);
        return qGray(reinterpret_cast<const QRgb *>(bits + (y - top) * stride)[x - mine.left()]) < inkGrey;
    }

private:
    void load(int y)
    {
        rows = qMin(sliceRows, mine.bottom() + 1 - y);
        slice = paint(QRect(mine.left(), y, mine.width(), rows));
        top = y;
        bits = slice.constBits();
        stride = slice.bytesPerLine();
    }

    painter paint;
    QRect mine; // on the grid
    int sliceRows = 0;
    QImage slice;
    int top = 0;
    int rows = 0;
    const uchar *bits = nullptr;
    qsizetype stride = 0;
};

// How many of count pixels from start, pixelsPerUnit to a unit, have their centres before edge.
int pixelsBefore(double start, double pixelsPerUnit, double edge, int count)
{
    int pixels = 0;
    while (pixels < count && start + (pixels + 0.5) / pixelsPerUnit < edge)
        ++pixels;
    return pixels;
}

// The other items' ink around the symbol, from printed (everything as printed over area, at
// pixelsPerUnit) and own (the symbol alone there): the bars it covers and how near it comes on either
// side. Ink the symbol prints itself, such as the digits beside its guards, is the symbol's; its bars
// made light by an item painted over them are covered too. Each row is searched outwards from the bars,
// so only the nearest ink of a row is looked at; its owner only when it is the nearest so far.
void measureIntruders(const QImage &printed, ownInk &own, const QRectF &area, double pixelsPerUnit,
                      const symbolFrame &frame, const QGraphicsItem &item,
                      const QList<QGraphicsItem *> &others, placedVerdict &placed)
{
    const QRectF &bars = frame.bars;
    const int width = printed.width();
    const int height = printed.height();
    const int left = pixelsBefore(area.left(), pixelsPerUnit, bars.left(), width);
    const int right = pixelsBefore(area.left(), pixelsPerUnit, bars.right(), width);
    const int top = pixelsBefore(area.top(), pixelsPerUnit, bars.top(), height);
    const int bottom = pixelsBefore(area.top(), pixelsPerUnit, bars.bottom(), height);
    const auto at = [&](int x, int y) {
        return QPointF(area.left() + (x + 0.5) / pixelsPerUnit, area.top() + (y + 0.5) / pixelsPerUnit);
    };
    const auto note = [&](quietZoneSide &side, double gap, int x, int y) {
        const double modules = qMax(0.0, (gap - 0.5 / pixelsPerUnit) / frame.module);
        if (modules < side.found) {
            side.found = modules;
            side.intruder = inkOwner(item, others, at(x, y));
        }
    };
    for (int y = 0; y < height; ++y) {
        const uchar *ink = printed.constScanLine(y);
        const auto intrudes = [&](int x) { return dark(ink[x]) && !own.dark(x, y); };
        const double ly = at(0, y).y();
        for (int x = left - 1; x >= 0; --x)
            if (intrudes(x)) {
                note(placed.left, bars.left() - at(x, y).x(), x, y);
                break;
            }
        for (int x = right; x < width; ++x)
            if (intrudes(x)) {
                note(placed.right, at(x, y).x() - bars.right(), x, y);
                break;
            }
        if (y >= top && y < bottom) {
            for (int x = left; x < right && !placed.coveredBy; ++x)
                if (dark(ink[x]) != own.dark(x, y))
                    placed.coveredBy = inkOwner(item, others, at(x, y));
            continue;
        }
        for (int x = left; x < right; ++x)
            if (intrudes(x)) {
                if (y < top)
                    note(placed.left, bars.top() - ly, x, y);
                else
                    note(placed.right, ly - bars.bottom(), x, y);
                break;
            }
    }
}

// The ink printed over area (the symbol's own coordinates) at pixelsPerUnit, as grey: cut from strip
// when there is one and the symbol lies on whole dots unturned, else painted.
QImage printedInk(const QGraphicsScene &scene, const QRectF &page, const QGraphicsItem &item,
                  const QRectF &area, double pixelsPerUnit, const std::optional<previewValues> &preview,
                  const placedStrip *strip)
{
    if (strip && pixelsPerUnit == 1)
        if (const std::optional<QPoint> corner = stripCorner(item, area))
            return strip->dots(QRect(*corner, wholeDots(area)));
    return greyOf(composed(scene, page, item, area, pixelsPerUnit, preview));
}

// The symbol alone over the pixels grid (area's, at pixelsPerUnit) holds of it.
ownInk ownInkOf(const QGraphicsScene &scene, const QRectF &page, const QGraphicsItem &item, const QRect &grid,
                double pixelsPerUnit, const std::optional<previewValues> &preview)
{
    const QRectF bounds = item.boundingRect();
    const QRect mine =
        QRectF(bounds.topLeft() * pixelsPerUnit, bounds.size() * pixelsPerUnit).toAlignedRect() & grid;
    if (mine.isEmpty())
        return {};
    const auto paint = [&scene, &page, &item, grid, pixelsPerUnit, &preview](const QRect &rect) {
        const QRect pixels = rect.translated(grid.topLeft());
        const QRectF area(QPointF(pixels.topLeft()) / pixelsPerUnit, QSizeF(pixels.size()) / pixelsPerUnit);
        const QList<QGraphicsItem *> alone{const_cast<QGraphicsItem *>(&item)};
        return composed(scene, page, item, area, pixelsPerUnit, preview, &alone);
    };
    return ownInk(paint, mine.translated(-grid.topLeft()));
}

// The geometric test: the ink of every other item inside the zone, beside the symbol's own. An unturned
// symbol is looked at dot by dot, as the strip holds it (no more than the strip's height); a turned one
// with modules of at least one pixel, however large it is drawn, on a grid of whole pixels from its
// corner, so a gap of whole modules measures as such.
void testQuietZones(const QGraphicsScene &scene, const QRectF &page, const QGraphicsItem &item,
                    const symbolFrame &frame, const std::optional<previewValues> &preview,
                    const placedStrip *strip, placedVerdict &placed)
{
    const QRectF sceneZone = item.sceneTransform().mapRect(frame.zone);
    const QTransform toLocal = item.sceneTransform().inverted();
    QList<QGraphicsItem *> others;
    QRectF reach;
    const QList<QGraphicsItem *> near =
        strip ? strip->itemsNear(sceneZone)
              : scene.items(sceneZone, Qt::IntersectsItemBoundingRect, Qt::AscendingOrder);
    for (QGraphicsItem *other : near) {
        if (other == &item || !other->isVisible())
            continue;
        const QRectF part =
            toLocal.mapRect(other->sceneBoundingRect().intersected(page)).intersected(frame.zone);
        if (part.isEmpty())
            continue;
        others << other;
        reach |= part;
    }
    if (others.isEmpty())
        return;
    const double pixelsPerUnit =
        item.sceneTransform().type() <= QTransform::TxTranslate ? 1.0 : qMin(1.0, 4.0 / frame.module);
    const QRect grid = QRectF(reach.topLeft() * pixelsPerUnit, reach.size() * pixelsPerUnit).toAlignedRect();
    const QRectF area(QPointF(grid.topLeft()) / pixelsPerUnit, QSizeF(grid.size()) / pixelsPerUnit);
    ownInk own = ownInkOf(scene, page, item, grid, pixelsPerUnit, preview);
    measureIntruders(printedInk(scene, page, item, area, pixelsPerUnit, preview, strip), own, area,
                     pixelsPerUnit, frame, item, others, placed);
}

// The strip with every dark run of a row grown (dots > 0) or shrunk (dots < 0) by |dots| pixels on each
// side, as ink spreading on the material or printed thin would leave it.
QImage spreadInk(const QImage &strip, int dots)
{
    QImage out(strip.size(), QImage::Format_Grayscale8);
    const int reach = std::abs(dots);
    for (int y = 0; y < strip.height(); ++y) {
        const QRgb *row = reinterpret_cast<const QRgb *>(strip.constScanLine(y));
        uchar *target = out.scanLine(y);
        for (int x = 0; x < strip.width(); ++x) {
            // Grown: dark when any pixel within reach is; shrunk: only when all are.
            bool dark = dots < 0;
            for (int dx = -reach; dx <= reach; ++dx) {
                const int sx = x + dx;
                const bool pixelDark = sx >= 0 && sx < strip.width() && qGray(row[sx]) < inkGrey;
                if (dots > 0 ? pixelDark : !pixelDark) {
                    dark = dots > 0;
                    break;
                }
            }
            target[x] = dark ? 0 : 255;
        }
    }
    return out;
}

// The most dots (1 up to a module less one) by which the bars may grow or shrink with the strip still
// reading; 0 when one dot already breaks it.
int inkMargin(const QImage &strip, const symbolFrame &frame, int direction)
{
    const int limit = qMax(1, int(frame.module) - 1);
    for (int dots = 1; dots <= limit; ++dots)
        if (!scanPicture(spreadInk(strip, direction * dots), frame.symbology, 0, int(frame.module)).found)
            return dots - 1;
    return limit;
}

QString quietZoneCause(const quietZoneSide &side)
{
    return QCoreApplication::translate("placedScan", "静区：%1项目在 %2 个模块处，需要 %3")
        .arg(itemKindText(*side.intruder))
        .arg(std::floor(side.found * 10) / 10)
        .arg(side.required);
}

// The side an item intrudes on most; a side without an intruder only when neither has one.
const quietZoneSide &nearerSide(const placedVerdict &placed)
{
    if (!placed.right.intruder)
        return placed.left;
    if (!placed.left.intruder)
        return placed.right;
    return placed.left.found <= placed.right.found ? placed.left : placed.right;
}

// The first cause that holds, in the order the operator can act on them.
placedCause causeOf(const placedVerdict &placed)
{
    if (placed.cutByEdge)
        return placedCause::cutByEdge;
    if (placed.coveredBy)
        return placedCause::covered;
    if (nearerSide(placed).intruder)
        return placedCause::quietZone;
    return placed.failure == scanFailure::none ? placedCause::none : placedCause::decoder;
}

QString causeText(const placedVerdict &placed)
{
    switch (placed.cause) {
    case placedCause::cutByEdge:
        return QCoreApplication::translate("placedScan", "被纸带边缘截断");
    case placedCause::covered:
        return QCoreApplication::translate("placedScan", "被%1项目遮盖").arg(itemKindText(*placed.coveredBy));
    case placedCause::quietZone:
        return quietZoneCause(nearerSide(placed));
    case placedCause::decoder:
        return scanFailureText(placed.failure);
    default:
        return placed.verdict.reason;
    }
}

QString expectedText(const QGraphicsItem &item, const symbolVerdict &described,
                     const std::optional<previewValues> &preview)
{
    return item.type() == qrItemType ? printedQrRecord(item, preview).content : described.expected;
}
} // namespace

printedSize printedSizeOf(const QGraphicsItem &item, const placedVerdict &placed,
                          const PrinterResolution &printer)
{
    printedSize size;
    // Bars that run across the strip have their modules along it.
    const bool along = std::abs(std::cos(qDegreesToRadians(item.rotation()))) >= M_SQRT1_2;
    size.xDimensionMm = along ? printer.alongMm(placed.moduleDots) : printer.acrossMm(placed.moduleDots);
    // The picture as printed, without the frame the view may add around it.
    const auto *picture = dynamic_cast<const deferredPixmapItem *>(&item);
    const QRectF box =
        item.sceneTransform().mapRect(QRectF(QPointF(), picture ? QSizeF(picture->pictureSize()) : QSizeF()));
    size.alongMm = printer.alongMm(box.width());
    size.acrossMm = printer.acrossMm(box.height());
    size.belowMinimum = placed.placed && size.xDimensionMm < symbologyRowFor(placed.symbology).minXMm;
    return size;
}

QStringList printedSizeTexts(const QGraphicsItem &item, const placedVerdict &placed,
                             const PrinterResolution &printer)
{
    if (!placed.placed)
        return {};
    const printedSize size = printedSizeOf(item, placed, printer);
    QStringList texts{QCoreApplication::translate("placedScan", "模块 %1 mm，符号 %2 × %3 mm")
                          .arg(size.xDimensionMm, 0, 'f', 3)
                          .arg(size.alongMm, 0, 'f', 1)
                          .arg(size.acrossMm, 0, 'f', 1)};
    if (placed.inkGrowDots >= 0)
        texts[0] += QCoreApplication::translate("placedScan", "；经得起 %1 点的墨水扩散、%2 点的变细")
                        .arg(placed.inkGrowDots)
                        .arg(placed.inkShrinkDots);
    if (size.belowMinimum) {
        const symbologyRow &row = symbologyRowFor(placed.symbology);
        texts << QCoreApplication::translate("placedScan", "模块小于 %1 的最小值 %2 mm（%3）")
                     .arg(QLatin1String(row.name))
                     .arg(row.minXMm)
                     .arg(QLatin1String(row.minXSource));
    }
    return texts;
}

QList<QPolygonF> quietZonePolygons(const QGraphicsItem &item)
{
    const std::optional<symbolFrame> frame = frameOf(item);
    if (!frame)
        return {};
    const QRectF &z = frame->zone;
    const QRectF &b = frame->bars;
    QList<QRectF> sides{QRectF(QPointF(z.left(), z.top()), QPointF(b.left(), z.bottom())),
                        QRectF(QPointF(b.right(), z.top()), QPointF(z.right(), z.bottom()))};
    if (frame->matrix)
        sides << QRectF(QPointF(b.left(), z.top()), QPointF(b.right(), b.top()))
              << QRectF(QPointF(b.left(), b.bottom()), QPointF(b.right(), z.bottom()));
    QList<QPolygonF> polygons;
    for (const QRectF &side : sides)
        polygons << item.sceneTransform().map(QPolygonF(side));
    return polygons;
}

QPointF clearOfQuietZones(const QGraphicsScene &scene, QGraphicsItem &item, QPointF pos)
{
    const std::optional<symbolFrame> own = frameOf(item);
    // Enough tries to pass any row of neighbours; each one moves at least a pixel.
    for (int tries = 0; tries < 1000; ++tries) {
        item.setPos(pos);
        const QRectF box = item.sceneBoundingRect();
        const QRectF zone = own ? item.sceneTransform().mapRect(own->zone) : box;
        qreal shift = 0;
        for (const QGraphicsItem *other : scene.items(zone.united(box).adjusted(-2000, 0, 0, 0))) {
            if (other == &item || other->parentItem())
                continue;
            const QRectF otherBox = other->sceneBoundingRect();
            // Only quiet zones move anything: items that merely touch keep the insertion rule.
            if (own && zone.intersects(otherBox))
                shift = qMax(shift, otherBox.right() - zone.left());
            const std::optional<symbolFrame> theirs = frameOf(*other);
            if (!theirs)
                continue;
            const QRectF otherZone = other->sceneTransform().mapRect(theirs->zone);
            if (otherZone.intersects(box))
                shift = qMax(shift, otherZone.right() - box.left());
        }
        if (shift <= 0)
            return pos;
        pos.rx() += std::ceil(shift);
    }
    return pos;
}

namespace
{
// Dots along the strip per band: a few neighbours wide, so a symbol's rows touch one or two bands.
constexpr int bandDots = 1024;
} // namespace

placedStrip::placedStrip(const QGraphicsScene &scene, const std::optional<previewValues> &preview)
    : shown(scene), values(preview), pageRect(exportPageRect(scene)),
      bands(size_t(std::ceil(pageRect.right() / bandDots))), inBand(bands.size())
{
    for (QGraphicsItem *item : scene.items(Qt::AscendingOrder)) {
        const QRectF outline = item->sceneBoundingRect();
        const int index = int(stacked.size());
        stacked.push_back(item);
        outlines.push_back(outline);
        for (int b = bandOf(outline.left()); b <= bandOf(outline.right()); ++b)
            inBand[size_t(b)].push_back(index);
    }
}

int placedStrip::bandOf(qreal x) const
{
    return int(qBound<qreal>(0, std::floor(x / bandDots), qreal(bands.size()) - 1));
}

QList<QGraphicsItem *> placedStrip::itemsNear(const QRectF &rect) const
{
    std::vector<int> found;
    if (bands.empty())
        return {};
    for (int b = bandOf(rect.left()); b <= bandOf(rect.right()); ++b)
        for (const int index : inBand[size_t(b)]) {
            const QRectF &outline = outlines[size_t(index)];
            // Touching counts: the callers settle what an outline on the edge means.
            if (outline.left() <= rect.right() && rect.left() <= outline.right() &&
                outline.top() <= rect.bottom() && rect.top() <= outline.bottom())
                found.push_back(index);
        }
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    QList<QGraphicsItem *> items;
    items.reserve(int(found.size()));
    for (const int index : found)
        items << stacked[size_t(index)];
    return items;
}

// Painted as composed() paints, on whole dots.
const QImage &placedStrip::band(int index) const
{
    QImage &gray = bands[size_t(index)];
    if (!gray.isNull())
        return gray;
    const QRect area(index * bandDots, 0, bandDots, int(std::ceil(pageRect.bottom())));
    QImage picture(area.size(), QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::white);
    {
        QPainter painter(&picture);
        painter.translate(-area.topLeft());
        painter.setClipRect(pageRect);
        paintDesignItems(painter, itemsNear(area), values);
    }
    gray = greyOf(picture);
    return gray;
}

QImage placedStrip::dots(const QRect &rect) const
{
    QImage out(rect.size(), QImage::Format_Grayscale8);
    out.fill(255);
    const QRect inside = rect.intersected(QRect(0, 0, int(bands.size()) * bandDots, int(pageRect.bottom())));
    for (int x = inside.left(); x <= inside.right(); x = (x / bandDots + 1) * bandDots) {
        const int end = qMin(inside.right() + 1, (x / bandDots + 1) * bandDots);
        const QImage &from = band(x / bandDots);
        for (int y = inside.top(); y <= inside.bottom(); ++y)
            memcpy(out.scanLine(y - rect.top()) + (x - rect.left()), from.constScanLine(y) + x % bandDots,
                   size_t(end - x));
    }
    return out;
}

QImage placedStrip::cut(const QRect &rect, int num, int den) const
{
    QImage out(int(qint64(rect.width()) * num / den), int(qint64(rect.height()) * num / den),
               QImage::Format_RGB32);
    out.fill(Qt::white);
    const QRect inside = rect.intersected(QRect(0, 0, int(bands.size()) * bandDots, int(pageRect.bottom())));
    const auto source = [&](int i) { return int((2 * qint64(i) + 1) * den / (2 * num)); };
    // The dot each column takes, found once for every row; -1 beyond the page.
    std::vector<int> columns(size_t(out.width()), -1);
    for (int x = 0; x < out.width(); ++x)
        if (const int sx = rect.left() + source(x); sx >= inside.left() && sx <= inside.right())
            columns[size_t(x)] = sx;
    for (int y = 0; y < out.height(); ++y) {
        const int sy = rect.top() + source(y);
        if (sy < inside.top() || sy > inside.bottom())
            continue;
        QRgb *to = reinterpret_cast<QRgb *>(out.scanLine(y));
        int shownBand = -1;
        const uchar *row = nullptr;
        for (int x = 0; x < out.width(); ++x) {
            const int sx = columns[size_t(x)];
            if (sx < 0)
                continue;
            if (sx / bandDots != shownBand) {
                shownBand = sx / bandDots;
                row = band(shownBand).constScanLine(sy);
            }
            const uchar grey = row[sx % bandDots];
            to[x] = qRgb(grey, grey, grey);
        }
    }
    return out;
}

size_t placedRegionKey(const QGraphicsScene &scene, const QGraphicsItem &item)
{
    size_t key = 0;
    const auto mix = [&key](const auto &value) { key = key * 1000003u ^ size_t(qHash(value)); };
    const std::optional<symbolFrame> frame = frameOf(item);
    const QRectF reach = item.sceneTransform().mapRect(frame ? frame->zone : item.boundingRect());
    for (const QGraphicsItem *near : scene.items(reach, Qt::IntersectsItemBoundingRect)) {
        const QTransform t = near->sceneTransform();
        const QRectF box = near->boundingRect();
        for (const double number :
             {t.m11(), t.m12(), t.m21(), t.m22(), t.dx(), t.dy(), box.width(), box.height(), near->opacity()})
            mix(number);
        mix(quint64(quintptr(near)));
        mix(int(near->isVisible()));
        if (const auto *text = dynamic_cast<const textFamilyItem *>(near)) {
            mix(text->toPlainText());
            mix(text->font().toString());
        } else if (const auto *picture = dynamic_cast<const QGraphicsPixmapItem *>(near)) {
            mix(picture->QGraphicsPixmapItem::pixmap().cacheKey());
        }
    }
    return key;
}

QString itemKindText(const QGraphicsItem &item)
{
    return itemKindName(item.type());
}

namespace
{
std::optional<placedVerdict> verify(const QGraphicsScene &scene, const QGraphicsItem &item,
                                    const std::optional<previewValues> &preview, const QRectF &knownPage,
                                    const placedStrip *shared)
{
    // The symbol is read where it is printed only: its own picture is not read as well.
    const std::optional<symbolVerdict> described = itemDescription(item);
    if (!described)
        return std::nullopt;
    placedVerdict placed;
    // A record that cannot be read prints nothing: its reason is the verdict.
    if (const QString problem = shownRecordProblem(item); !problem.isEmpty()) {
        placed.verdict.reason = problem;
        placed.cause = placedCause::decoder;
        placed.failure = scanFailure::noPicture;
        return placed;
    }
    placed.verdict = *described;
    const std::optional<symbolFrame> frame = frameOf(item);
    if (described->refused) {
        placed.cause = placedCause::refused;
    } else if (!frame) {
        placed.cause = placedCause::decoder;
        placed.failure = scanFailure::noPicture;
        placed.verdict.reason = scanFailureText(placed.failure);
    }
    if (!frame || described->refused)
        return placed;
    placed.placed = true;
    placed.moduleDots = frame->module;
    placed.symbology = frame->symbology;
    const symbologyRow &row = symbologyRowFor(frame->symbology);
    placed.left = {row.quietLeft, double(row.quietLeft), nullptr};
    placed.right = {row.quietRight, double(row.quietRight), nullptr};
    const QRectF page = knownPage.isNull() ? exportPageRect(scene) : knownPage;
    placed.cutByEdge =
        !page.adjusted(-0.5, -0.5, 0.5, 0.5).contains(item.sceneTransform().mapRect(frame->bars));
    testQuietZones(scene, page, item, *frame, preview, shared, placed);
    // QR modules are read at a few pixels each, as large ones read the same: the strip's dots are
    // taken at module centres, as the reader samples large modules, and a picture composed for this
    // symbol alone is painted that small.
    const int module = qRound(frame->module);
    const bool sampled = frame->matrix && module > scanQrModulePixels;
    const QImage cut = shared ? stripRows(*shared, item, frame->readRows, sampled ? scanQrModulePixels : 1,
                                          sampled ? module : 1)
                              : QImage();
    const double pixelsPerUnit = frame->matrix && (sampled || cut.isNull())
                                     ? qMin(1.0, double(scanQrModulePixels) / frame->module)
                                     : 1.0;
    const QImage strip =
        cut.isNull() ? composed(scene, page, item, frame->readRows, pixelsPerUnit, preview) : cut;
    const scanResult scanned = scanPicture(strip, frame->symbology, 0,
                                           qMax(1, qRound(frame->module * pixelsPerUnit)), frame->inverted);
    symbolVerdict &verdict = placed.verdict;
    verdict.expected = expectedText(item, *described, preview);
    takeScanOf(verdict, scanned, true);
    placed.failure = scanned.failure;
    placed.cause = causeOf(placed);
    verdict.reason = causeText(placed);
    verdict.readable = placed.cause == placedCause::none;
    verdict.failedScanOnly = !verdict.readable;
    if (verdict.readable && !frame->matrix) {
        placed.inkGrowDots = inkMargin(strip, *frame, 1);
        placed.inkShrinkDots = inkMargin(strip, *frame, -1);
    }
    return placed;
}
} // namespace

std::optional<placedVerdict> verifyInPlace(const QGraphicsScene &scene, const QGraphicsItem &item,
                                           const std::optional<previewValues> &preview, const QRectF &page)
{
    return verify(scene, item, preview, page, nullptr);
}

std::optional<placedVerdict> verifyInPlace(const placedStrip &strip, const QGraphicsItem &item)
{
    return verify(strip.scene(), item, strip.preview(), strip.page(), &strip);
}

QString placedCauseName(const placedVerdict &placed)
{
    static const char *const names[] = {"", "refused", "cutByEdge", "covered", "quietZone", nullptr};
    if (placed.cause != placedCause::decoder)
        return QLatin1String(names[int(placed.cause)]);
    static const char *const failures[] = {"", "noPicture", "notFound", "damaged", "checksum"};
    return QLatin1String(failures[int(placed.failure)]);
}
