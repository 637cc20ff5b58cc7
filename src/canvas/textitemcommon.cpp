#include "textitemcommon.h"

#include <QStyleOptionGraphicsItem>

void setTextItemDefaults(QGraphicsTextItem *item, QFont &itemFont)
{
    itemFont.setFamily(QStringLiteral("simsun"));
    itemFont.setPixelSize(150);
    item->setFlags(QGraphicsItem::ItemIsMovable | QGraphicsItem::ItemIsSelectable);
}

void paintWithoutFrame(QGraphicsTextItem *item, QPainter *painter, const QStyleOptionGraphicsItem *option,
                       QWidget *widget)
{
    QStyleOptionGraphicsItem plain;
    plain.state = QStyle::State_None;
    const bool selected = option && (option->state & QStyle::State_Selected);
    item->setDefaultTextColor(selected ? Qt::red : Qt::black);
    item->QGraphicsTextItem::paint(painter, &plain, widget);
}
