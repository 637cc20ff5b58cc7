#include "textfamilyitem.h"

#include <QCache>
#include <QHash>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QStyleOptionGraphicsItem>
#include <QTextDocument>
#include <cmath>

namespace
{
bool wholePixel(qreal value)
{
    return std::abs(value - std::round(value)) < 1e-9;
}

// Text pictures by what shapes them. A text seen once is drawn in place; from its second painting on it
// comes from a picture, kept while it is among the recently used ones. What is kept only decides how
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
} // namespace

textFamilyItem::textFamilyItem(selectionLook look, QGraphicsItem *parent)
    : QGraphicsTextItem(parent), look(look)
{
    itemFont.setFamily(QStringLiteral("simsun"));
    itemFont.setPixelSize(150);
    setFlags(ItemIsMovable | ItemIsSelectable);
}

void textFamilyItem::showText(const QString &text)
{
    setFont(itemFont);
    setPlainText(text);
}

void textFamilyItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget)
{
    if (look == selectionLook::toolkitFrame) {
        QGraphicsTextItem::paint(painter, option, widget);
        return;
    }
    const bool selected = option && (option->state & QStyle::State_Selected);
    setDefaultTextColor(selected ? Qt::red : Qt::black);
    // A fresh option: no selection state, and the whole text drawn.
    QStyleOptionGraphicsItem plain;
    plain.state = QStyle::State_None;
    if (!paintShared(painter, &plain, widget))
        QGraphicsTextItem::paint(painter, &plain, widget);
}

bool textFamilyItem::paintShared(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget)
{
    const QTransform world = painter->worldTransform();
    const QRectF box = boundingRect();
    // Only a picture drawn on the same pixel grid gives the same pixels as drawing in place; while the
    // text is edited in place it is drawn directly too. Vector devices (PDF, SVG) get the text as text.
    const QPaintEngine *engine = painter->paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster || world.type() > QTransform::TxScale ||
        world.m11() <= 0 || world.m22() <= 0 || !wholePixel(world.dx()) || !wholePixel(world.dy()) ||
        box.isEmpty() || textInteractionFlags() != Qt::NoTextInteraction || box.topLeft() != QPointF())
        return false;
    const QSize pixels(int(std::ceil(box.width() * world.m11())), int(std::ceil(box.height() * world.m22())));
    const QString key = QStringLiteral("text %1 %2 %3 %4 %5\n")
                            .arg(defaultTextColor().rgba())
                            .arg(world.m11(), 0, 'g', 17)
                            .arg(world.m22(), 0, 'g', 17)
                            .arg(int(painter->renderHints()))
                            .arg(font().toString()) +
                        toPlainText();
    textPictures &store = sharedTextPictures();
    const QPixmap *picture = store.find(key);
    if (!picture && !store.seenBefore(key))
        return false;
    if (!picture) {
        QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter onPicture(&image);
        onPicture.setRenderHints(painter->renderHints());
        onPicture.scale(world.m11(), world.m22());
        QGraphicsTextItem::paint(&onPicture, option, widget);
        onPicture.end();
        picture = store.keep(key, QPixmap::fromImage(std::move(image)));
        if (!picture) // larger than the whole store
            return false;
    }
    painter->save();
    painter->resetTransform();
    painter->drawPixmap(QPointF(std::round(world.dx()), std::round(world.dy())), *picture);
    painter->restore();
    return true;
}
