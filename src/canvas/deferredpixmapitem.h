#pragma once
#include <QGraphicsPixmapItem>
#include <QPixmap>

// A picture item whose picture may be made only when it is first painted or asked for. Its size is known
// beforehand, so a scene can place, index and save the item without drawing anything; a large design
// then costs only the pictures that are actually looked at.
class deferredPixmapItem : public QGraphicsPixmapItem
{
public:
    using QGraphicsPixmapItem::QGraphicsPixmapItem;
    ~deferredPixmapItem() override;

    // The shown picture, made now if it was deferred. Hides the toolkit's accessors, which know nothing
    // of deferral: use these.
    QPixmap pixmap() const;
    void setPixmap(const QPixmap &picture);
    // The shown picture's size, without making it.
    QSize pictureSize() const;
    // Whether the item holds no picture: one is made when it is next needed.
    bool isDeferred() const { return deferred && forPainting.isNull(); }
    // Bits per pixel of the held picture, shown or made for painting only; 0 when none is held.
    int pictureDepth() const;
    // Lets go of a picture made from deferral; it is made again when next needed. False when the shown
    // picture was given rather than made, so it could not be made again.
    bool releasePicture();

    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    QPainterPath opaqueArea() const override;
    bool contains(const QPointF &point) const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

protected:
    // From now on the shown picture is what makeDeferredPixmap() gives, made when first needed; size is
    // the size it will have.
    void deferPixmap(const QSize &size);
    // Makes the deferred picture and shows it (through setPixmap), along with whatever the item keeps
    // beside it.
    virtual void makeDeferredPixmap() = 0;
    // Lets go of what makeDeferredPixmap() made, keeping what it needs to make it again.
    virtual void dropDeferredPixmap() = 0;

private:
    void fill() const;
    // Makes the deferred picture for painting only: held here, never given to the toolkit, which would
    // take it for a change of the item and paint the item's whole area again.
    bool makeForPainting();
    void dropForPainting();

    bool deferred = false;
    bool madeFromDeferral = false; // the shown picture can be made again
    QSize deferredSize;
    QPixmap forPainting;    // while deferred: the picture made for painting, if any
    bool capturing = false; // makeDeferredPixmap() is making forPainting
};
