#include "barcodetext.h"

#include <QGlyphRun>
#include <QHash>
#include <QPainterPath>
#include <QRawFont>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

// Everything runs on the GUI thread. Shaped characters and glyph masks are kept: a barcode's text is a
// handful of characters at one of a few sizes, drawn again for every picture.
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

// One glyph of a shaped character, `x` whole pixels from the character's pen position.
struct placedGlyph {
    QRawFont font;
    quint32 index;
    int x;
};

struct shapedCharacter {
    using key = QPair<QString, int>; // the character, the pixel size
    std::vector<placedGlyph> glyphs;
    int advance = 0;
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

// The glyph's filled outline, anti-aliased, with its pen position at (0, 0) on the baseline.
struct glyphMask {
    using key = glyphKey;
    QPainterPath outline;
    QImage coverage; // Format_Alpha8
    QPoint topLeft;
};

struct lineMetrics {
    using key = int; // the pixel size
    int ascent;
    int descent;
};

// The caches are dropped whole when they grow large or when the default font changes (which changes
// what "arial" resolves to). Entries are shared so that they outlive a rehash or a drop.
template <typename Value> using cacheOf = QHash<typename Value::key, std::shared_ptr<const Value>>;

template <typename Value, typename Make>
std::shared_ptr<const Value> cached(cacheOf<Value> &cache, const typename Value::key &key, Make make)
{
    static QFont defaultFont;
    if (QFont() != defaultFont || cache.size() > 4096) {
        cache.clear();
        defaultFont = QFont();
    }
    auto found = cache.find(key);
    if (found == cache.end())
        found = cache.insert(key, std::make_shared<const Value>(make()));
    return found.value();
}

// The glyphs of a run at their design advances, from pen position `pen` on.
void placeGlyphs(shapedCharacter &shaped, qreal &pen, const QRawFont &font, const QVector<quint32> &indexes)
{
    const auto advances = font.advancesForGlyphIndexes(indexes, QRawFont::UseDesignMetrics);
    for (int i = 0; i < indexes.size(); ++i) {
        shaped.glyphs.push_back({font, indexes[i], qRound(pen)});
        pen += advances.value(i).x();
    }
}

// Design advances, whole pixels: the toolkit's own advances are hinted on some builds and not on others.
// A character no installed font has becomes the main font's own missing-glyph shape, since the
// toolkit's stand-in for it differs between builds.
shapedCharacter shapeCharacter(const QString &character, int pixelSize)
{
    const QFont font = textFont(pixelSize);
    QTextLayout layout(character, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const uint codePoint = character.toUcs4().value(0);
    shapedCharacter shaped;
    qreal pen = 0;
    const QList<QGlyphRun> runs = layout.glyphRuns();
    const bool found = std::all_of(runs.begin(), runs.end(), [&](const QGlyphRun &run) {
        // The toolkit's box stand-in has no size of its own.
        const QRawFont font = run.rawFont();
        return font.pixelSize() > 0 && font.supportsCharacter(codePoint) && !run.glyphIndexes().contains(0);
    });
    if (found && !runs.isEmpty()) {
        for (const QGlyphRun &run : runs)
            placeGlyphs(shaped, pen, run.rawFont(), run.glyphIndexes());
    } else {
        placeGlyphs(shaped, pen, QRawFont::fromFont(font), {0});
    }
    shaped.advance = qRound(pen);
    return shaped;
}

std::shared_ptr<const shapedCharacter> shapedCharacterOf(const QString &character, int pixelSize)
{
    static cacheOf<shapedCharacter> cache;
    return cached(cache, qMakePair(character, pixelSize),
                  [&] { return shapeCharacter(character, pixelSize); });
}

glyphMask maskGlyph(const glyphKey &key)
{
    glyphMask mask;
    mask.outline = key.font.pathForGlyph(key.index);
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
    return mask;
}

std::shared_ptr<const glyphMask> glyphMaskOf(const placedGlyph &glyph)
{
    static cacheOf<glyphMask> cache;
    const glyphKey key{glyph.font, glyph.index};
    return cached(cache, key, [&] { return maskGlyph(key); });
}

// Ascent and descent rounded up, as a hinting rasteriser rounds them; unhinted builds report fractions.
lineMetrics lineMetricsOf(int pixelSize)
{
    static cacheOf<lineMetrics> cache;
    return *cached(cache, pixelSize, [&] {
        const QRawFont font = QRawFont::fromFont(textFont(pixelSize));
        return lineMetrics{int(std::ceil(font.ascent() - 1e-6)), int(std::ceil(font.descent() - 1e-6))};
    });
}

struct glyphAt {
    std::shared_ptr<const glyphMask> mask;
    QPoint origin;
};

// The text's glyphs centred in the cell, on whole pixels.
std::vector<glyphAt> layOut(const QRect &cell, const QString &text, int pixelSize)
{
    std::vector<std::shared_ptr<const shapedCharacter>> characters;
    int width = 0;
    for (int i = 0; i < text.size();) {
        const int length =
            text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate() ? 2 : 1;
        characters.push_back(shapedCharacterOf(text.mid(i, length), pixelSize));
        width += characters.back()->advance;
        i += length;
    }
    const lineMetrics metrics = lineMetricsOf(pixelSize);
    const int baseline = cell.top() +
                         int(std::floor((cell.height() - metrics.ascent - metrics.descent) / 2.0)) +
                         metrics.ascent;
    int pen = cell.left() + int(std::floor((cell.width() - width) / 2.0));
    std::vector<glyphAt> glyphs;
    for (const auto &character : characters) {
        for (const placedGlyph &glyph : character->glyphs)
            glyphs.push_back({glyphMaskOf(glyph), QPoint(pen + glyph.x, baseline)});
        pen += character->advance;
    }
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
    for (int y = area.top(); y <= area.bottom(); ++y) {
        QRgb *dst = reinterpret_cast<QRgb *>(picture.scanLine(y)) + area.left();
        const uchar *src = coverage.constScanLine(y - at.y()) + (area.left() - at.x());
        for (int i = 0; i < area.width(); ++i) {
            const QRgb s = QRgb(src[i]) << 24;
            const QRgb d = dst[i];
            if (d == 0)
                dst[i] = s;
            else if (qAlpha(d) != 255)
                dst[i] = d + byteMul(s, 255 - qAlpha(d));
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
    for (const glyphAt &glyph : layOut(cell, text, pixelSize))
        composeDestinationOver(picture, glyph, cell);
}

void barcodeTextPainter::paint(QPainter &painter, const QRect &cell, const QString &text, int pixelSize)
{
    if (cell.isEmpty())
        return;
    QPainterPath outlines;
    for (const glyphAt &glyph : layOut(cell, text, pixelSize))
        outlines.addPath(glyph.mask->outline.translated(glyph.origin));
    painter.save();
    painter.setClipRect(cell, Qt::IntersectClip);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(outlines, Qt::black);
    painter.restore();
}
