#include "barcodetext.h"

#include <QGlyphRun>
#include <QHash>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <memory>
#include <unordered_map>
#include <utility>
#include <vector>

// Everything runs on the GUI thread.
QString barcodeTextFamily()
{
    return QStringLiteral("arial");
}

namespace
{
QFont textFont(int pixelSize)
{
    QFont font;
    font.setFamily(barcodeTextFamily());
    font.setPixelSize(pixelSize);
    font.setCapitalization(QFont::SmallCaps);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0);
    return font;
}

// The glyph's filled outline, anti-aliased, with its pen position at (0, 0) on the baseline.
struct glyphMask {
    QPainterPath outline;
    QImage coverage; // Format_Alpha8
    QImage ink;      // black at the coverage (premultiplied ARGB), for drawing on a painter
    QPoint topLeft;
    std::vector<std::pair<int, int>> inkColumns; // per row: first and one past the last covered column
};

// One glyph of a shaped character, `x` whole pixels from the character's pen position.
struct placedGlyph {
    const glyphMask *mask;
    int x;
};

struct shapedCharacter {
    std::vector<placedGlyph> glyphs;
    int advance = 0;
};

struct lineMetrics {
    int ascent;
    int descent;
};

struct glyphKey {
    QRawFont font;
    quint32 index;
    bool operator==(const glyphKey &other) const { return index == other.index && font == other.font; }
};

auto qHash(const glyphKey &key, decltype(::qHash(0)) seed = 0)
{
    return ::qHash(key.font, seed) ^ ::qHash(key.index, seed);
}

glyphMask maskGlyph(const QRawFont &font, quint32 index)
{
    glyphMask mask;
    mask.outline = font.pathForGlyph(index);
    const QRect box = mask.outline.boundingRect().toAlignedRect().adjusted(-1, -1, 1, 1);
    mask.topLeft = box.topLeft();
    QImage pixels(box.size(), QImage::Format_ARGB32_Premultiplied);
    pixels.fill(0);
    QPainter painter(&pixels);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(-box.topLeft());
    painter.fillPath(mask.outline, Qt::black);
    painter.end();
    mask.coverage = pixels.convertToFormat(QImage::Format_Alpha8);
    mask.ink = pixels;
    for (int y = 0; y < mask.coverage.height(); ++y) {
        const uchar *row = mask.coverage.constScanLine(y);
        const uchar *const end = row + mask.coverage.width();
        const uchar *first = std::find_if(row, end, [](uchar c) { return c != 0; });
        const uchar *last = end;
        while (last > first && last[-1] == 0)
            --last;
        mask.inkColumns.emplace_back(int(first - row), int(last - row));
    }
    return mask;
}

// Shaped characters, glyph masks and line metrics, kept for every picture after: a barcode's text is a
// handful of characters at one of a few sizes. Dropped whole, and only between two drawings, when it
// grows large or the default font changes (which changes what "arial" resolves to), so the pointers a
// drawing holds stay valid.
class glyphStore
{
public:
    static glyphStore &instance()
    {
        static glyphStore store;
        return store;
    }

    void refresh()
    {
        if (QFont() == defaultFont && characters.size() < 4096 && masks.size() < 4096)
            return;
        characters.clear();
        masks.clear();
        metrics.clear();
        defaultFont = QFont();
    }

    const shapedCharacter &character(uint codePoint, int pixelSize)
    {
        std::unique_ptr<shapedCharacter> &shaped = characters[quint64(codePoint) << 32 | quint32(pixelSize)];
        if (!shaped)
            shaped = std::make_unique<shapedCharacter>(shape(codePoint, pixelSize));
        return *shaped;
    }

    // Ascent and descent rounded up, as a hinting rasteriser rounds them; unhinted builds report
    // fractions.
    lineMetrics line(int pixelSize)
    {
        auto found = metrics.find(pixelSize);
        if (found == metrics.end()) {
            const QRawFont font = QRawFont::fromFont(textFont(pixelSize));
            found = metrics
                        .emplace(pixelSize, lineMetrics{int(std::ceil(font.ascent() - 1e-6)),
                                                        int(std::ceil(font.descent() - 1e-6))})
                        .first;
        }
        return found->second;
    }

private:
    const glyphMask *mask(const QRawFont &font, quint32 index)
    {
        std::shared_ptr<const glyphMask> &mask = masks[glyphKey{font, index}];
        if (!mask)
            mask = std::make_shared<const glyphMask>(maskGlyph(font, index));
        return mask.get();
    }

    // The glyphs of a run at their design advances, from pen position `pen` on.
    void place(shapedCharacter &shaped, qreal &pen, const QRawFont &font, const QVector<quint32> &indexes)
    {
        const auto advances = font.advancesForGlyphIndexes(indexes, QRawFont::UseDesignMetrics);
        for (int i = 0; i < indexes.size(); ++i) {
            shaped.glyphs.push_back({mask(font, indexes[i]), qRound(pen)});
            pen += advances.value(i).x();
        }
    }

    // Design advances, whole pixels: the toolkit's own advances are hinted on some builds and not on
    // others. A character no installed font has becomes the main font's own missing-glyph shape, since
    // the toolkit's stand-in for it differs between builds.
    shapedCharacter shape(uint codePoint, int pixelSize)
    {
        const QFont font = textFont(pixelSize);
        const char32_t character = codePoint;
        QTextLayout layout(QString::fromUcs4(&character, 1), font);
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        shapedCharacter shaped;
        qreal pen = 0;
        const QList<QGlyphRun> runs = layout.glyphRuns();
        const bool found = std::all_of(runs.begin(), runs.end(), [&](const QGlyphRun &run) {
            // The toolkit's box stand-in has no size of its own.
            const QRawFont raw = run.rawFont();
            return raw.pixelSize() > 0 && raw.supportsCharacter(codePoint) && !run.glyphIndexes().contains(0);
        });
        if (found && !runs.isEmpty()) {
            for (const QGlyphRun &run : runs)
                place(shaped, pen, run.rawFont(), run.glyphIndexes());
        } else {
            place(shaped, pen, QRawFont::fromFont(font), {0});
        }
        shaped.advance = qRound(pen);
        return shaped;
    }

    QFont defaultFont;
    std::unordered_map<quint64, std::unique_ptr<shapedCharacter>> characters;
    QHash<glyphKey, std::shared_ptr<const glyphMask>> masks;
    std::unordered_map<int, lineMetrics> metrics;
};

struct glyphAt {
    const glyphMask *mask;
    QPoint origin;
};

// The text's glyphs centred in the cell, on whole pixels.
std::vector<glyphAt> layOut(const QRect &cell, const QString &text, int pixelSize)
{
    glyphStore &store = glyphStore::instance();
    std::vector<glyphAt> glyphs;
    glyphs.reserve(text.size());
    int pen = 0;
    for (int i = 0; i < text.size(); ++i) {
        uint codePoint = text.at(i).unicode();
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            codePoint = QChar::surrogateToUcs4(text.at(i), text.at(i + 1));
            ++i;
        }
        const shapedCharacter &shaped = store.character(codePoint, pixelSize);
        for (const placedGlyph &glyph : shaped.glyphs)
            glyphs.push_back({glyph.mask, QPoint(pen + glyph.x, 0)});
        pen += shaped.advance;
    }
    const lineMetrics metrics = store.line(pixelSize);
    const QPoint start(cell.left() + int(std::floor((cell.width() - pen) / 2.0)),
                       cell.top() +
                           int(std::floor((cell.height() - metrics.ascent - metrics.descent) / 2.0)) +
                           metrics.ascent);
    for (glyphAt &glyph : glyphs)
        glyph.origin += start;
    return glyphs;
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

// Destination-over of black at the glyph's coverage, d + s * (1 - alpha(d)), inside `clip` only.
void composeDestinationOver(QImage &picture, const glyphAt &glyph, const QRect &clip)
{
    const QImage &coverage = glyph.mask->coverage;
    const QPoint at = glyph.origin + glyph.mask->topLeft;
    const QRect area = QRect(at, coverage.size()) & clip & picture.rect();
    if (area.isEmpty())
        return;
    uchar *const bits = picture.bits(); // once: every scanLine() call would check for sharing
    const qsizetype stride = picture.bytesPerLine();
    const uchar *const mask = coverage.constBits();
    const qsizetype maskStride = coverage.bytesPerLine();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto [first, last] = glyph.mask->inkColumns[y - at.y()];
        const int from = qMax(area.left(), at.x() + first);
        const int to = qMin(area.right() + 1, at.x() + last);
        QRgb *dst = reinterpret_cast<QRgb *>(bits + y * stride) + from;
        const uchar *src = mask + (y - at.y()) * maskStride + (from - at.x());
        for (int i = 0; i < to - from; ++i) {
            const QRgb s = QRgb(src[i]) << 24;
            const QRgb d = dst[i];
            if (s == 0)
                continue;
            if (d == 0)
                dst[i] = s;
            else if (qAlpha(d) != 255)
                dst[i] = d + byteMul(s, 255 - qAlpha(d));
        }
    }
}

// An image painted unscaled on whole pixels takes each glyph's mask as it is, as the item's own picture
// does, rather than filling a path for every symbol: the symbol painted there is its picture.
bool onWholePixels(const QPainter &painter)
{
    const QTransform t = painter.transform();
    return paintsPixels(painter) && t.type() <= QTransform::TxTranslate && t.dx() == std::round(t.dx()) &&
           t.dy() == std::round(t.dy());
}

void paintMasks(QPainter &painter, const QVector<QPair<QRect, QString>> &cells, int pixelSize)
{
    for (const QPair<QRect, QString> &cell : cells) {
        if (cell.first.isEmpty())
            continue;
        painter.save();
        painter.setClipRect(cell.first, Qt::IntersectClip);
        for (const glyphAt &glyph : layOut(cell.first, cell.second, pixelSize))
            painter.drawImage(glyph.origin + glyph.mask->topLeft, glyph.mask->ink);
        painter.restore();
    }
}
} // namespace

bool paintsPixels(const QPainter &painter)
{
    const QPaintEngine *engine = painter.paintEngine();
    return engine && engine->type() == QPaintEngine::Raster;
}

barcodeTextPainter::barcodeTextPainter(QImage &picture, int pixelSize)
    : picture(picture), pixelSize(pixelSize)
{
    glyphStore::instance().refresh();
}

void barcodeTextPainter::draw(const QRect &cell, const QString &text)
{
    if (cell.isEmpty())
        return;
    for (const glyphAt &glyph : layOut(cell, text, pixelSize))
        composeDestinationOver(picture, glyph, cell);
}

void barcodeTextPainter::paint(QPainter &painter, const QRect &cell, const QString &text, int pixelSize)
{
    paint(painter, {qMakePair(cell, text)}, pixelSize);
}

void barcodeTextPainter::paint(QPainter &painter, const QVector<QPair<QRect, QString>> &cells, int pixelSize)
{
    glyphStore::instance().refresh();
    if (onWholePixels(painter)) {
        paintMasks(painter, cells, pixelSize);
        return;
    }
    QPainterPath outlines;
    for (const QPair<QRect, QString> &cell : cells) {
        if (cell.first.isEmpty())
            continue;
        QPainterPath glyphs;
        for (const glyphAt &glyph : layOut(cell.first, cell.second, pixelSize))
            glyphs.addPath(glyph.mask->outline.translated(glyph.origin));
        // Glyphs show only inside their cell. Cut only those that reach out: cutting turns a path's
        // curves into lines.
        if (!QRectF(cell.first).contains(glyphs.boundingRect())) {
            QPainterPath box;
            box.addRect(cell.first);
            glyphs = glyphs.intersected(box);
        }
        outlines.addPath(glyphs);
    }
    if (outlines.isEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(outlines, Qt::black);
    painter.restore();
}
