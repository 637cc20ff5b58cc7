#include "diagramcntitem.h"

#include "diagramcnt2item.h"
#include "textitempaint.h"

QString paddedCounterText(int value, int digits)
{
    const QString number = QString::number(static_cast<quint32>(value));
    if (number.size() >= digits)
        return number;
    return QString(digits - number.size(), QLatin1Char('0')) + number;
}

static void setCounterDefaults(QGraphicsTextItem *item, QFont &font)
{
    font.setFamily("simsun");
    font.setPixelSize(150);
    item->setFlags(QGraphicsItem::ItemIsMovable | QGraphicsItem::ItemIsSelectable);
}

diagramCntItem::diagramCntItem(QGraphicsItem *parent) : QGraphicsTextItem(parent)
{
    setCounterDefaults(this, itemFont);
}

void diagramCntItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget)
{
    paintWithoutFrame(this, painter, option, widget);
}

diagramCnt2Item::diagramCnt2Item(QGraphicsItem *parent) : QGraphicsTextItem(parent)
{
    setCounterDefaults(this, itemFont);
}
