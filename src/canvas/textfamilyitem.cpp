#include "textfamilyitem.h"

#include "textglyphs.h"

#include <QCache>
#include <QEvent>
#include <QHash>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionGraphicsItem>
#include <QTextDocument>
#include <QWidget>
#include <cmath>

namespace
{
// Everything of a font that shapes its glyphs; the font's own string leaves out spacing.
QString fontKey(const QFont &font)
{
    return QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8")
        .arg(font.toString())
        .arg(int(font.letterSpacingType()))
        .arg(font.letterSpacing(), 0, 'g', 17)
        .arg(font.wordSpacing(), 0, 'g', 17)
        .arg(int(font.capitalization()))
        .arg(font.kerning())
        .arg(font.stretch())
        .arg(int(font.hintingPreference()));
}

// A text in a font as one key.
QString textKey(const QFont &font, const QString &text)
{
    return fontKey(font) + QLatin1Char('\n') + text;
}

// Text pictures by what shapes them. A text seen once is drawn in place; from its second whole painting
// on it comes from a picture, kept while it is among the recently used ones. What is kept only decides how
// often a text is drawn, never how it looks.
class textPictures
{
public:
    const QPixmap *find(const QString &key)
    {
        if (const QPixmap *known = pictures.object(key))
            return known;
        if (seen.size() > maxSeen)
            seen.clear();
        ++seen[key];
        return nullptr;
    }
    bool seenBefore(const QString &key) const { return seen.value(key) > 1; }
    const QPixmap *keep(const QString &key, QPixmap picture)
    {
        const int cost = int(qMin<qint64>(qint64(picture.width()) * picture.height() * 4, maxBytes));
        seen.remove(key);
        pictures.insert(key, new QPixmap(std::move(picture)), cost);
        return pictures.object(key);
    }

private:
    // Enough for the texts around a full view at the window's zoom (about 300 texts of up to 200 KB
    // each in a dense design), so scrolling and repainting do not fill the same outlines again; held
    // beside the view's other pictures, within the window's memory goal.
    static constexpr int maxBytes = 64 * 1024 * 1024;
    static constexpr int maxSeen = 200000;
    QCache<QString, QPixmap> pictures{maxBytes};
    QHash<QString, int> seen;
};

textPictures &sharedTextPictures()
{
    static textPictures store;
    return store;
}

// One toolkit text item in no scene that measures and draws every item without a document of its own,
// set to one item's font, text and colour at a time. It is never destroyed: the application's fonts
// are gone by the time static objects are.
class sharedTextItem
{
public:
    static sharedTextItem &instance()
    {
        static sharedTextItem *one = new sharedTextItem;
        return *one;
    }

    QGraphicsTextItem &showing(const std::optional<QFont> &font, const QString &text,
                               const std::optional<QColor> &color)
    {
        const QFont wantedFont = font.value_or(defaultFont);
        if (!(wantedFont == shownFont)) {
            item.setFont(wantedFont);
            shownFont = wantedFont;
        }
        if (text != shownText) {
            item.setPlainText(text);
            shownText = text;
        }
        const QColor wantedColor = color.value_or(defaultColor);
        if (wantedColor != shownColor) {
            item.setDefaultTextColor(wantedColor);
            shownColor = wantedColor;
        }
        return item;
    }

    // The size of a text in a font, as the toolkit lays it out; repeated texts (by key, textKey()) are
    // measured once.
    QSizeF size(const QString &key, const std::optional<QFont> &font, const QString &text)
    {
        if (const QSizeF *known = sizes.object(key))
            return *known;
        const QSizeF measured = showing(font, text, shownColor).boundingRect().size();
        sizes.insert(key, new QSizeF(measured));
        return measured;
    }

    QFont defaultFont;
    QColor defaultColor;

private:
    sharedTextItem()
    {
        defaultFont = shownFont = item.font();
        defaultColor = shownColor = item.defaultTextColor();
    }

    QGraphicsTextItem item;
    QFont shownFont;
    QString shownText;
    QColor shownColor;
    QCache<QString, QSizeF> sizes{4096};
};

// Texts of more than one paragraph keep a document of their own: the toolkit lays those out in steps.
bool needsOwnDocument(const QString &text)
{
    for (const QChar c : text) {
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::ParagraphSeparator ||
            c == QChar(0xfdd0) || c == QChar(0xfdd1))
            return true;
    }
    return false;
}

// Whether a painting covers all of the item that its view shows, and that is at least half the item. A
// strip uncovered by scrolling, or the edge of a text coming into view, is a part only: filling that
// part of the outlines costs a fraction of filling the whole text, which has moved on by the next step.
bool paintsMostOfItem(const QPainter &painter, const QStyleOptionGraphicsItem &option, const QWidget *widget,
                      const QRectF &box)
{
    const QTransform world = painter.worldTransform();
    const QRectF item = world.mapRect(box);
    const QRectF shown = widget ? item & QRectF(widget->rect()) : item;
    // Half a pixel of slack: the exposed part comes back from the view's pixels through the inverse.
    const QRectF exposed = world.mapRect(option.exposedRect).adjusted(-0.5, -0.5, 0.5, 0.5);
    return exposed.contains(shown) && 2 * shown.width() * shown.height() >= item.width() * item.height();
}
} // namespace

textFamilyItem::textFamilyItem(selectionLook look, QGraphicsItem *parent)
    : QGraphicsTextItem(parent), look(look)
{
    itemFont.setFamily(QStringLiteral("simsun"));
    itemFont.setPixelSize(150);
    // The exposed part of each painting tells a strip uncovered by scrolling from a whole repaint.
    setFlags(ItemIsMovable | ItemIsSelectable | ItemUsesExtendedStyleOption);
}

void textFamilyItem::showText(const QString &text)
{
    setFont(itemFont);
    setPlainText(text);
}

QFont textFamilyItem::font() const
{
    if (ownDocument)
        return QGraphicsTextItem::font();
    return keptFont.value_or(sharedTextItem::instance().defaultFont);
}

void textFamilyItem::setFont(const QFont &font)
{
    if (ownDocument)
        return QGraphicsTextItem::setFont(font);
    keptFont = font;
    keptChanged();
}

QString textFamilyItem::toPlainText() const
{
    return ownDocument ? QGraphicsTextItem::toPlainText() : keptText;
}

void textFamilyItem::setPlainText(const QString &text)
{
    if (!ownDocument && needsOwnDocument(text))
        makeOwnDocument();
    if (ownDocument)
        return QGraphicsTextItem::setPlainText(text);
    keptText = text;
    keptChanged();
}

QColor textFamilyItem::defaultTextColor() const
{
    if (ownDocument)
        return QGraphicsTextItem::defaultTextColor();
    return keptColor.value_or(sharedTextItem::instance().defaultColor);
}

void textFamilyItem::setDefaultTextColor(const QColor &color)
{
    if (ownDocument)
        return QGraphicsTextItem::setDefaultTextColor(color);
    const QColor oldColor = defaultTextColor();
    keptColor = color;
    if (keptShown)
        return oldColor != color ? update() : void();
    keptChanged();
}

QTextDocument *textFamilyItem::document() const
{
    makeOwnDocument();
    return QGraphicsTextItem::document();
}

void textFamilyItem::setTextInteractionFlags(Qt::TextInteractionFlags flags)
{
    makeOwnDocument();
    QGraphicsTextItem::setTextInteractionFlags(flags);
}

void textFamilyItem::keptChanged()
{
    keptShown = true;
    keptKey = textKey(font(), keptText);
    const QSizeF size = sharedTextItem::instance().size(keptKey, keptFont, keptText);
    if (size != keptSize) {
        prepareGeometryChange();
        keptSize = size;
    }
    update();
}

void textFamilyItem::makeOwnDocument() const
{
    if (ownDocument)
        return;
    ownDocument = true;
    auto *self = const_cast<textFamilyItem *>(this);
    if (keptFont)
        self->QGraphicsTextItem::setFont(*keptFont);
    if (keptColor)
        self->QGraphicsTextItem::setDefaultTextColor(*keptColor);
    if (keptShown)
        self->QGraphicsTextItem::setPlainText(keptText);
    self->keptFont.reset();
    self->keptColor.reset();
    self->keptText = QString();
    self->keptKey = QString();
}

QRectF textFamilyItem::boundingRect() const
{
    return ownDocument ? QGraphicsTextItem::boundingRect() : QRectF(QPointF(), keptSize);
}

QPainterPath textFamilyItem::shape() const
{
    if (ownDocument)
        return QGraphicsTextItem::shape();
    QPainterPath path;
    if (keptShown)
        path.addRect(boundingRect());
    return path;
}

bool textFamilyItem::contains(const QPointF &point) const
{
    return ownDocument ? QGraphicsTextItem::contains(point) : boundingRect().contains(point);
}

bool textFamilyItem::sceneEvent(QEvent *event)
{
    // The toolkit's event handling works on the item's own text control. Activating the window reaches
    // every item of the scene and never the text control: a large design would make all its documents.
    if (event->type() != QEvent::WindowActivate && event->type() != QEvent::WindowDeactivate)
        makeOwnDocument();
    return QGraphicsTextItem::sceneEvent(event);
}

QGraphicsTextItem *textFamilyItem::drawingItem()
{
    if (ownDocument)
        return this;
    return keptShown ? &sharedTextItem::instance().showing(keptFont, keptText, keptColor) : nullptr;
}

bool textFamilyItem::paintGlyphs(QPainter *painter, const QStyleOptionGraphicsItem *option)
{
    // Selection frames, focus and the cursor of in-place editing are the toolkit's to draw.
    if ((option && (option->state & (QStyle::State_Selected | QStyle::State_HasFocus))) ||
        textInteractionFlags() != Qt::NoTextInteraction)
        return false;
    if (!ownDocument && !keptShown)
        return true;
    // A document of the item's own may have been edited in place: it is read again on each paint.
    return paintTextGlyphs(
        *painter, ownDocument ? QString() : keptKey,
        [this]() -> const QTextDocument & { return *drawingItem()->document(); }, defaultTextColor());
}

void textFamilyItem::paintToolkit(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget)
{
    if (paintGlyphs(painter, option))
        return;
    if (QGraphicsTextItem *drawing = drawingItem())
        drawing->QGraphicsTextItem::paint(painter, option, widget);
}

void textFamilyItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget)
{
    if (look == selectionLook::toolkitFrame) {
        // The toolkit clips its drawing to the exposed part; it gets the whole item, as it always did.
        QStyleOptionGraphicsItem whole = option ? *option : QStyleOptionGraphicsItem();
        whole.exposedRect = boundingRect();
        paintToolkit(painter, option ? &whole : nullptr, widget);
        return;
    }
    const bool selected = option && (option->state & QStyle::State_Selected);
    setDefaultTextColor(selected ? Qt::red : Qt::black);
    // A fresh option: no selection state, and the whole text drawn.
    QStyleOptionGraphicsItem plain;
    plain.state = QStyle::State_None;
    // Pictures (canvas and exports) take the glyphs directly, or the toolkit's drawing: what they show
    // never depends on what is kept. Other devices (the view) take a shared picture.
    if (paintGlyphs(painter, &plain))
        return;
    const QPaintDevice *device = painter->device();
    const bool wholePainting = !option || paintsMostOfItem(*painter, *option, widget, boundingRect());
    if ((device && device->devType() == QInternal::Image) ||
        !paintShared(painter, &plain, widget, wholePainting))
        paintToolkit(painter, &plain, widget);
}

bool textFamilyItem::paintShared(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget,
                                 bool wholePainting)
{
    const QTransform world = painter->worldTransform();
    const QRectF box = boundingRect();
    // Only a picture drawn at the same place within a device pixel gives the same pixels as drawing in
    // place: the picture is made with the item's fraction of a pixel (which scrolling never changes) and
    // set on whole pixels. While the text is edited in place it is drawn directly; vector devices (PDF,
    // SVG) get the text as text.
    const QPaintEngine *engine = painter->paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster || world.type() > QTransform::TxScale ||
        world.m11() <= 0 || world.m22() <= 0 || box.isEmpty() ||
        textInteractionFlags() != Qt::NoTextInteraction || box.topLeft() != QPointF())
        return false;
    const QPointF whole(std::floor(world.dx()), std::floor(world.dy()));
    const QPointF within = QPointF(world.dx(), world.dy()) - whole;
    const QSize pixels(int(std::ceil(box.width() * world.m11() + within.x())),
                       int(std::ceil(box.height() * world.m22() + within.y())));
    const QString key = QStringLiteral("text %1 %2 %3 %4 %5 %6 ")
                            .arg(defaultTextColor().rgba())
                            .arg(world.m11(), 0, 'g', 17)
                            .arg(world.m22(), 0, 'g', 17)
                            .arg(within.x(), 0, 'g', 17)
                            .arg(within.y(), 0, 'g', 17)
                            .arg(int(painter->renderHints())) +
                        (ownDocument ? textKey(font(), toPlainText()) : keptKey);
    textPictures &store = sharedTextPictures();
    const QPixmap *picture = store.find(key);
    // A picture is made only when most of the item is painted at once (see paintsMostOfItem).
    if (!picture && (!store.seenBefore(key) || !wholePainting))
        return false;
    if (!picture) {
        QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter onPicture(&image);
        onPicture.setRenderHints(painter->renderHints());
        onPicture.translate(within);
        onPicture.scale(world.m11(), world.m22());
        paintToolkit(&onPicture, option, widget);
        onPicture.end();
        picture = store.keep(key, QPixmap::fromImage(std::move(image)));
        if (!picture) // larger than the whole store
            return false;
    }
    painter->save();
    painter->resetTransform();
    painter->drawPixmap(whole, *picture);
    painter->restore();
    return true;
}
