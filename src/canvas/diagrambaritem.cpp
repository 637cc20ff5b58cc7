// Placeholder: replaced by the barcode work.
#include "diagrambaritem.h"
diagramBarItem::diagramBarItem(QGraphicsItem *parent) : QGraphicsPixmapItem(parent), content("6901234567892")
{
    setItemFlags();
}
diagramBarItem::~diagramBarItem() = default;
void diagramBarItem::setItemFlags()
{
    setFlag(ItemIsSelectable);
    setFlag(ItemIsMovable);
}
void diagramBarItem::paint(QPainter *p, const QStyleOptionGraphicsItem *o, QWidget *w)
{
    QGraphicsPixmapItem::paint(p, o, w);
}
QPixmap diagramBarItem::createBarcodePixmap(const diagramBarItem *, QString) { return {}; }
void diagramBarItem::regenerate()
{
    barPixmap = createBarcodePixmap(this, content);
    setPixmap(barPixmap);
}
void showBarcodeFormatErrorBox(quint8) {}
void installBarcodeErrorBox() {}
