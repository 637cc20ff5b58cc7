#include "deferredpixmapitem.h"

#include "picturebudget.h"

deferredPixmapItem::~deferredPixmapItem()
{
    pictureBudget::forget(this);
}

void deferredPixmapItem::fill() const
{
    if (!deferred)
        return;
    auto *self = const_cast<deferredPixmapItem *>(this);
    self->makeDeferredPixmap();
    self->madeFromDeferral = true;
}

QPixmap deferredPixmapItem::pixmap() const
{
    fill();
    return QGraphicsPixmapItem::pixmap();
}

void deferredPixmapItem::setPixmap(const QPixmap &picture)
{
    deferred = false;
    madeFromDeferral = false;
    pictureBudget::forget(this);
    QGraphicsPixmapItem::setPixmap(picture);
}

void deferredPixmapItem::deferPixmap(const QSize &size)
{
    prepareGeometryChange();
    madeFromDeferral = false;
    pictureBudget::forget(this);
    QGraphicsPixmapItem::setPixmap(QPixmap());
    deferred = true;
    deferredSize = size;
    update();
}

// The item keeps its size, place and look; only the pixels go.
bool deferredPixmapItem::releasePicture()
{
    if (deferred)
        return true;
    if (!madeFromDeferral)
        return false;
    const QSize size = pictureSize();
    dropDeferredPixmap();
    madeFromDeferral = false;
    pictureBudget::forget(this);
    QGraphicsPixmapItem::setPixmap(QPixmap());
    deferred = true;
    deferredSize = size;
    return true;
}

QSize deferredPixmapItem::pictureSize() const
{
    return deferred ? deferredSize : QGraphicsPixmapItem::pixmap().size();
}

// The toolkit's rectangle for a picture of that size: half a pixel more on every side while selectable.
QRectF deferredPixmapItem::boundingRect() const
{
    if (!deferred)
        return QGraphicsPixmapItem::boundingRect();
    if (deferredSize.isEmpty())
        return QRectF();
    const QRectF rect(offset(), QSizeF(deferredSize));
    return flags() & ItemIsSelectable ? rect.adjusted(-0.5, -0.5, 0.5, 0.5) : rect;
}

QPainterPath deferredPixmapItem::shape() const
{
    fill();
    return QGraphicsPixmapItem::shape();
}

QPainterPath deferredPixmapItem::opaqueArea() const
{
    fill();
    return QGraphicsPixmapItem::opaqueArea();
}

bool deferredPixmapItem::contains(const QPointF &point) const
{
    fill();
    return QGraphicsPixmapItem::contains(point);
}

void deferredPixmapItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget)
{
    // Painted for an export rather than a view, a deferred picture is made for this painting only: an
    // exported design need not hold all its pictures at once, and a large symbol's is hundreds of MB.
    // A view's pictures are kept within the picture budget.
    const bool once = deferred && !widget;
    fill();
    QGraphicsPixmapItem::paint(painter, option, widget);
    if (once)
        releasePicture();
    else if (widget && madeFromDeferral)
        pictureBudget::painted(this);
}
