#include "textglyphs.h"

#include <QGlyphRun>
#include <QHash>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

namespace
{
// Glyph positions are whole 1/64 pixels in the toolkit's layout.
constexpr int subPixels = 64;

// The largest pixel size the toolkit's raster engine draws from its glyph cache.
int cachedGlyphLimit()
{
    static const int limit = [] {
        const int set = qEnvironmentVariableIntValue("QT_MAX_CACHED_GLYPH_SIZE");
        return set > 0 ? set : 64;
    }();
    return limit;
}

struct glyphKey {
    QRawFont font;
    quint32 index;
    int x; // the glyph's place in the item, in 1/64 pixels
    int y;
    QRgb color;
    bool operator==(const glyphKey &o) const
    {
        return index == o.index && x == o.x && y == o.y && color == o.color && font == o.font;
    }
};

struct glyphKeyHash {
    size_t operator()(const glyphKey &key) const
    {
        return qHash(key.font) ^ qHash(key.index) * 31 ^
               qHash(quint64(quint32(key.x)) << 32 | quint32(key.y)) * 131 ^ qHash(key.color) * 8191;
    }
};

// A glyph filled in its colour onto transparency, as the toolkit fills it: its pixels are the colour
// times the coverage, so source-over gives the toolkit's colour-at-coverage blend.
struct glyphPicture {
    QImage pixels;     // premultiplied ARGB; null for a glyph without an outline
    QPoint offset;     // of the picture in the item
    QRect ink;         // covered pixels in the item
    bool known = true; // false for a glyph the toolkit draws other than by its outline (a bitmap)
};

QRect inkOf(const QImage &pixels)
{
    int top = pixels.height(), bottom = -1, left = pixels.width(), right = -1;
    for (int y = 0; y < pixels.height(); ++y) {
        const QRgb *row = reinterpret_cast<const QRgb *>(pixels.constScanLine(y));
        for (int x = 0; x < pixels.width(); ++x) {
            if (row[x] == 0)
                continue;
            top = qMin(top, y);
            bottom = y;
            left = qMin(left, x);
            right = qMax(right, x);
        }
    }
    return bottom < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

// The glyph drawn by the toolkit itself at its place in the item: the toolkit flattens an outline's
// curves where the item's layout puts the glyph, so a picture drawn at another place differs more.
glyphPicture fillGlyph(const glyphKey &key)
{
    glyphPicture glyph;
    const QPainterPath outline = key.font.pathForGlyph(key.index);
    if (outline.isEmpty()) {
        glyph.known = key.font.boundingRect(key.index).isEmpty();
        return glyph;
    }
    const QPointF at(qreal(key.x) / subPixels, qreal(key.y) / subPixels);
    const QRect box = outline.controlPointRect().translated(at).toAlignedRect().adjusted(-2, -2, 2, 2);
    QGlyphRun run;
    run.setRawFont(key.font);
    run.setGlyphIndexes({key.index});
    run.setPositions({at});
    glyph.pixels = QImage(box.size(), QImage::Format_ARGB32_Premultiplied);
    glyph.pixels.fill(0);
    QPainter painter(&glyph.pixels);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(QColor::fromRgba(key.color));
    painter.translate(-box.topLeft());
    painter.drawGlyphRun(QPointF(), run);
    painter.end();
    glyph.offset = box.topLeft();
    glyph.ink = inkOf(glyph.pixels).translated(glyph.offset);
    return glyph;
}

// The glyphs of a text, or none when the toolkit has to draw it.
using textGlyphs = std::optional<std::vector<const glyphPicture *>>;

// Glyph pictures of every text drawn, dropped whole (only between two drawings) when they grow large.
class glyphPictures
{
public:
    static glyphPictures &instance()
    {
        static glyphPictures store;
        return store;
    }

    void makeRoom()
    {
        if (bytes > maxBytes) {
            texts.clear();
            glyphs.clear();
            bytes = 0;
        }
        if (texts.size() > maxTexts)
            texts.clear();
    }

    // A named text in a colour, null when it was not drawn yet.
    const textGlyphs *text(const QString &name, QRgb color) const
    {
        const auto found = texts.find(qMakePair(name, color));
        return found == texts.end() ? nullptr : &*found;
    }
    const textGlyphs &keepText(const QString &name, QRgb color, textGlyphs glyphs)
    {
        return *texts.insert(qMakePair(name, color), std::move(glyphs));
    }

    const glyphPicture &glyph(const glyphKey &key)
    {
        std::unique_ptr<const glyphPicture> &glyph = glyphs[key];
        if (!glyph) {
            glyph = std::make_unique<const glyphPicture>(fillGlyph(key));
            bytes += glyph->pixels.sizeInBytes() + qsizetype(sizeof(glyphPicture));
        }
        return *glyph;
    }

private:
    static constexpr qsizetype maxBytes = 32 * 1024 * 1024;
    static constexpr int maxTexts = 65536;
    QHash<QPair<QString, QRgb>, textGlyphs> texts;
    // Pictures stay where they are while the table grows: a drawing holds pointers to them.
    std::unordered_map<glyphKey, std::unique_ptr<const glyphPicture>, glyphKeyHash> glyphs;
    qsizetype bytes = 0;
};

bool drawnHere(const QPainter &painter, const QColor &color)
{
    const QPaintEngine *engine = painter.paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster || painter.device()->devType() != QInternal::Image)
        return false;
    const auto *image = static_cast<const QImage *>(painter.device());
    const QTransform world = painter.deviceTransform();
    const auto whole = [](qreal v) { return v == std::round(v); };
    return (image->format() == QImage::Format_ARGB32_Premultiplied ||
            image->format() == QImage::Format_RGB32) &&
           image->devicePixelRatio() == 1 && world.type() <= QTransform::TxTranslate && whole(world.dx()) &&
           whole(world.dy()) && painter.opacity() == 1 &&
           painter.compositionMode() == QPainter::CompositionMode_SourceOver &&
           (painter.renderHints() & QPainter::TextAntialiasing) && color.alpha() == 255;
}

// Whether the toolkit fills this run's glyphs as outlines, anti-aliased.
bool filledAsOutlines(const QGlyphRun &run)
{
    const QRawFont font = run.rawFont();
    return font.isValid() && font.pixelSize() > cachedGlyphLimit() && !run.overline() && !run.underline() &&
           !run.strikeOut();
}

bool placeRun(const QGlyphRun &run, const QPointF &origin, QRgb color,
              std::vector<const glyphPicture *> &placed)
{
    if (!filledAsOutlines(run))
        return false;
    const QVector<quint32> indexes = run.glyphIndexes();
    const QVector<QPointF> positions = run.positions();
    for (int i = 0; i < indexes.size(); ++i) {
        const QPointF at = origin + positions.value(i);
        const glyphPicture &glyph = glyphPictures::instance().glyph(
            {run.rawFont(), indexes[i], qRound(at.x() * subPixels), qRound(at.y() * subPixels), color});
        if (!glyph.known)
            return false;
        if (!glyph.pixels.isNull())
            placed.push_back(&glyph);
    }
    return true;
}

// The picture of every glyph of the document; false when one of them is not drawn as an outline.
bool placeGlyphs(const QTextDocument &document, QRgb color, std::vector<const glyphPicture *> &placed)
{
    const QFont font = document.defaultFont();
    if (font.underline() || font.overline() || font.strikeOut() ||
        (font.styleStrategy() & QFont::NoAntialias))
        return false;
    document.size(); // lays the document out if it is not yet
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextLayout *layout = block.layout();
        if (!layout)
            return false;
        // Line by line: a block's layout has no text of its own to take runs from as a whole.
        for (int line = 0; line < layout->lineCount(); ++line)
            for (const QGlyphRun &run : layout->lineAt(line).glyphRuns())
                if (!placeRun(run, layout->position(), color, placed))
                    return false;
    }
    return true;
}

// Whether two glyphs cover a pixel in common: the toolkit adds up the coverage of one run's
// outlines before blending, where pictures drawn one after the other would blend twice.
bool inkTouches(const std::vector<const glyphPicture *> &placed)
{
    std::vector<QRect> ink;
    ink.reserve(placed.size());
    for (const glyphPicture *glyph : placed)
        ink.push_back(glyph->ink);
    std::sort(ink.begin(), ink.end(), [](const QRect &a, const QRect &b) { return a.left() < b.left(); });
    for (size_t i = 0; i < ink.size(); ++i)
        for (size_t j = i + 1; j < ink.size() && ink[j].left() <= ink[i].right(); ++j)
            if (ink[i].intersects(ink[j]))
                return true;
    return false;
}

textGlyphs glyphsOf(const QTextDocument &document, QRgb color)
{
    std::vector<const glyphPicture *> placed;
    if (!placeGlyphs(document, color, placed) || inkTouches(placed))
        return std::nullopt;
    return placed;
}
} // namespace

bool paintTextGlyphs(QPainter &painter, const QString &name,
                     const std::function<const QTextDocument &()> &document, const QColor &color)
{
    if (!drawnHere(painter, color))
        return false;
    glyphPictures &store = glyphPictures::instance();
    store.makeRoom();
    const textGlyphs *glyphs = name.isEmpty() ? nullptr : store.text(name, color.rgba());
    textGlyphs laidOut;
    if (!glyphs) {
        laidOut = glyphsOf(document(), color.rgba());
        glyphs = name.isEmpty() ? &laidOut : &store.keepText(name, color.rgba(), std::move(laidOut));
    }
    if (!*glyphs)
        return false;
    for (const glyphPicture *glyph : **glyphs)
        painter.drawImage(glyph->offset, glyph->pixels);
    return true;
}
