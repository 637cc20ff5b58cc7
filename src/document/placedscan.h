#pragma once
// Whether a barcode or QR item can be read where it is printed. The design is composed as sprtool render
// draws it, cut to the symbol and its quiet zones and clipped by the strip's edges, and read with the
// symbol's own symbology; the quiet zones are tested for other items' ink over the symbol's full height,
// which a scanner reading across that row would meet even where the decoder copes.
#include "designersettings.h"
#include "printpreview.h"
#include "symbolverdict.h"

#include <QList>
#include <QPolygonF>
#include <QRectF>

#include <QImage>
#include <optional>
#include <vector>

class QGraphicsItem;
class QGraphicsScene;

// One side of the quiet zone, in modules: what the symbology requires and how much blank paper is
// there (at most the required amount). intruder: the nearest other item inside the zone, if any.
struct quietZoneSide {
    int required = 0;
    double found = 0;
    const QGraphicsItem *intruder = nullptr;
};

// Why a symbol does not read where it is printed, first cause first.
enum class placedCause { none, refused, cutByEdge, covered, quietZone, decoder };

struct placedVerdict {
    // The symbol's verdict: readable only when the composed strip decodes and the quiet zones are clear;
    // decoded is what the composed strip read as (kept when a quiet zone fails), reason the cause.
    symbolVerdict verdict;
    bool placed = false; // the composed strip was looked at (a refused symbol is not)
    placedCause cause = placedCause::none;
    scanFailure failure = scanFailure::none; // the decoder's, on the composed strip
    bool cutByEdge = false;
    const QGraphicsItem *coveredBy = nullptr;
    quietZoneSide left;
    quietZoneSide right;
    double moduleDots = 0; // the module (X-dimension) in printer dots
    scanSymbology symbology = scanSymbology::qrCode;
    // Linear symbols that read in place: the most printer dots every bar may grow (ink spread) or
    // shrink (thin ink) per side with the symbol still reading there; -1 when not known.
    int inkGrowDots = -1;
    int inkShrinkDots = -1;
};

// The page of a scene as verification composes it (every item painted as render paints its vector
// pages), for verifying many symbols of a scene that does not change meanwhile: painted in bands the
// first time a symbol needs them and kept, so each item is painted once rather than once for every
// symbol near it. Held as grey, which is all a scanner sees: a whole strip is at most about 24 MB.
class placedStrip
{
public:
    placedStrip(const QGraphicsScene &scene, const std::optional<previewValues> &preview = std::nullopt);
    const QGraphicsScene &scene() const { return shown; }
    const QRectF &page() const { return pageRect; }
    const std::optional<previewValues> &preview() const { return values; }
    // The dots of rect (scene coordinates), white beyond the page; with num/den, num pixels for every den
    // dots, each pixel the dot at its centre (as the reader samples large modules).
    QImage cut(const QRect &rect, int num = 1, int den = 1) const;
    // The dots of rect as grey (Format_Grayscale8), white beyond the page.
    QImage dots(const QRect &rect) const;

    // The items whose outlines meet rect (scene coordinates), lowest first: the scene's own search sorts
    // every answer by stacking order, which a crowded design asks for thousands of times.
    QList<QGraphicsItem *> itemsNear(const QRectF &rect) const;

private:
    const QImage &band(int index) const;
    int bandOf(qreal x) const;

    const QGraphicsScene &shown;
    std::optional<previewValues> values;
    QRectF pageRect;
    mutable std::vector<QImage> bands;
    std::vector<QGraphicsItem *> stacked; // lowest first
    std::vector<QRectF> outlines;         // each one's scene bounding rectangle
    std::vector<std::vector<int>> inBand; // the stacked indices whose outlines reach into each band
};

// The verdict on a barcode or QR item in its scene, at the canvas's values or, given preview, the
// printer's; nullopt for other kinds. page: the scene's exportPageRect(), when the caller knows it
// (finding it walks every item).
std::optional<placedVerdict> verifyInPlace(const QGraphicsScene &scene, const QGraphicsItem &item,
                                           const std::optional<previewValues> &preview = std::nullopt,
                                           const QRectF &page = QRectF());
// The same verdict, the symbol's surroundings taken from strip where they can be.
std::optional<placedVerdict> verifyInPlace(const placedStrip &strip, const QGraphicsItem &item);

// The printed size of a symbol at the printer's resolution: its module (X-dimension) and its extent
// along and across the strip, in millimetres. belowMinimum: the module is smaller than its symbology's
// minimum (symbologytable.h).
struct printedSize {
    double xDimensionMm = 0;
    double alongMm = 0;
    double acrossMm = 0;
    bool belowMinimum = false;
};
printedSize printedSizeOf(const QGraphicsItem &item, const placedVerdict &placed,
                          const PrinterResolution &printer);
// "module 0.21 mm, symbol 23.9 × 11.6 mm" with the ink-spread margin when known, and the minimum when
// below it, translated.
QStringList printedSizeTexts(const QGraphicsItem &item, const placedVerdict &placed,
                             const PrinterResolution &printer);

// What the verdict depends on, as one number: the symbol and every item near enough to reach its quiet
// zones, with their places and what they show. A verdict need be made again only when it changes.
size_t placedRegionKey(const QGraphicsScene &scene, const QGraphicsItem &item);

// The quiet zones of a barcode or QR item in scene coordinates, as rectangles beside its bars (left and
// right; a QR code also above and below); empty for other kinds.
QList<QPolygonF> quietZonePolygons(const QGraphicsItem &item);
// The position nearest to pos, going right along the strip, at which item (not yet in the scene, or in
// it) keeps its own quiet zones clear of the items there and stays out of theirs.
QPointF clearOfQuietZones(const QGraphicsScene &scene, QGraphicsItem &item, QPointF pos);

// The kind of an item in the operator's words ("text", "barcode"...), translated.
QString itemKindText(const QGraphicsItem &item);

// The cause as sprtool info names it ("quietZone", "notFound"...); empty for none.
QString placedCauseName(const placedVerdict &placed);
