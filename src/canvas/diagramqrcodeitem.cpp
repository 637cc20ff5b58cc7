// Placeholder: replaced by the QR item work.
#include "diagramqrcodeitem.h"
diagramQRCodeItem::diagramQRCodeItem(QGraphicsItem *parent) : QGraphicsPixmapItem(parent)
{
    setFlags(ItemIsSelectable | ItemIsMovable);
}
void diagramQRCodeItem::paint(QPainter *p, const QStyleOptionGraphicsItem *o, QWidget *w)
{
    QGraphicsPixmapItem::paint(p, o, w);
}
QPixmap diagramQRCodeItem::createQRPixmap(qrCodeRecord) { return {}; }
void diagramQRCodeItem::regenerate()
{
    qrPixmap = createQRPixmap(record());
    setPixmap(qrPixmap);
}
