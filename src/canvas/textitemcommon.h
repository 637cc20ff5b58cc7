#pragma once
#include <QGraphicsTextItem>

// What every text-family item starts with: movable and selectable, working font "simsun" at 150 pixels.
// The font is not applied; the creator does that when it first shows the item's text.
void setTextItemDefaults(QGraphicsTextItem *item, QFont &itemFont);

// Text, time and counter-1 items show selection as red text without the toolkit's dashed frame.
void paintWithoutFrame(QGraphicsTextItem *item, QPainter *painter, const QStyleOptionGraphicsItem *option,
                       QWidget *widget);
