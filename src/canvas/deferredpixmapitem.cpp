#include "deferredpixmapitem.h"

#include "picturebudget.h"

#include <QPainter>
#include <QStyleOptionGraphicsItem>

deferredPixmapItem::~deferredPixmapItem()
{
    pictureBudget::forget(this);
}

void deferredPixmapItem::fill() const
{
    if (!deferred)
        return;
    auto *self = const_cast<deferredPixmapItem *>(this);
    if (!forPainting.isNull()) {
        // The picture made for painting becomes the shown one, without making it again.
        const QPixmap made = forPainting;
        self->forPainting = QPixmap();
        self->setPixmap(made);
    } else {
        self->makeDeferredPixmap();
    }
    self->madeFromDeferral = true;
}

QPixmap deferredPixmapItem::pixmap() const
{
    fill();
    return QGraphicsPixmapItem::pixmap();
}

void deferredPixmapItem::setPixmap(const QPixmap &picture)
{
    if (capturing) {
        forPainting = picture;
        return;
    }
    deferred = false;
    madeFromDeferral = false;
    forPainting = QPixmap();
    pictureBudget::forget(this);
    QGraphicsPixmapItem::setPixmap(picture);
}

void deferredPixmapItem::deferPixmap(const QSize &size)
{
    prepareGeometryChange();
    madeFromDeferral = false;
    forPainting = QPixmap();
    pictureBudget::forget(this);
    QGraphicsPixmapItem::setPixmap(QPixmap());
    deferred = true;
    deferredSize = size;
    update();
}

// The item keeps its size, place and look; only the pixels go.
bool deferredPixmapItem::releasePicture()
{
    if (deferred) {
        dropForPainting();
        return true;
    }
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

int deferredPixmapItem::pictureDepth() const
{
    return deferred ? forPainting.depth() : QGraphicsPixmapItem::pixmap().depth();
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

bool deferredPixmapItem::makeForPainting()
{
    if (forPainting.isNull()) {
        capturing = true;
        makeDeferredPixmap();
        capturing = false;
    }
    // A picture of another size than promised changes the item's geometry: it is shown the usual way.
    if (forPainting.size() == deferredSize && forPainting.devicePixelRatio() == 1)
        return true;
    fill();
    return false;
}

void deferredPixmapItem::dropForPainting()
{
    if (forPainting.isNull())
        return;
    forPainting = QPixmap();
    dropDeferredPixmap();
    pictureBudget::forget(this);
}

void deferredPixmapItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget)
{
    // Painted for an export rather than a view, a deferred picture is made for this painting only: an
    // exported design need not hold all its pictures at once, and a large symbol's is hundreds of MB.
    // A view's pictures are kept within the picture budget. The selection highlight is the toolkit's.
    const bool selected = option && (option->state & QStyle::State_Selected);
    if (deferred && !selected && makeForPainting()) {
        // As the toolkit paints a picture item.
        painter->setRenderHint(QPainter::SmoothPixmapTransform,
                               transformationMode() == Qt::SmoothTransformation);
        painter->drawPixmap(offset(), forPainting);
        if (widget)
            pictureBudget::painted(this);
        else
            dropForPainting();
        return;
    }
    const bool once = deferred && !widget;
    fill();
    QGraphicsPixmapItem::paint(painter, option, widget);
    if (once)
        releasePicture();
    else if (widget && madeFromDeferral)
        pictureBudget::painted(this);
}
