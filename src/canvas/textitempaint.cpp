#include "textitempaint.h"

#include <QStyleOptionGraphicsItem>

void paintWithoutFrame(QGraphicsTextItem *item, QPainter *painter, const QStyleOptionGraphicsItem *option,
                       QWidget *widget)
{
    QStyleOptionGraphicsItem plain;
    plain.state = QStyle::State_None;
    const bool selected = option && (option->state & QStyle::State_Selected);
    item->setDefaultTextColor(selected ? Qt::red : Qt::black);
    item->QGraphicsTextItem::paint(painter, &plain, widget);
}
