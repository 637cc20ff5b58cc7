#pragma once
#include <QGraphicsTextItem>

// Text, time and counter-1 items show selection as red text without the toolkit's dashed frame.
void paintWithoutFrame(QGraphicsTextItem *item, QPainter *painter, const QStyleOptionGraphicsItem *option,
                       QWidget *widget);
