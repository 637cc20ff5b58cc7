// Placeholder: replaced by the image item work.
#include "diagramimageitem.h"
diagramImageItem::diagramImageItem(QGraphicsItem *parent) : QGraphicsPixmapItem(parent)
{
    setFlags(ItemIsSelectable | ItemIsMovable);
}
QPixmap diagramImageItem::loadImagePixmap(const QString &) { return {}; }
void diagramImageItem::showPlaceholder() {}
void diagramImageItem::setPictureFile(const QString &) {}
void diagramImageItem::setShownWidth(int) {}
void diagramImageItem::setShownHeight(int) {}
void diagramImageItem::invertColors() {}
