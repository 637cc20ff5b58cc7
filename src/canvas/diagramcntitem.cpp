#include "diagramcntitem.h"

#include "diagramcnt2item.h"
#include "textitemcommon.h"

QString paddedCounterText(int value, int digits)
{
    const QString number = QString::number(static_cast<quint32>(value));
    if (number.size() >= digits)
        return number;
    return QString(digits - number.size(), QLatin1Char('0')) + number;
}

diagramCntItem::diagramCntItem(QGraphicsItem *parent) : QGraphicsTextItem(parent)
{
    setTextItemDefaults(this, itemFont);
}

void diagramCntItem::showFields()
{
    setFont(itemFont);
    setPlainText(counterText(value));
}

void diagramCntItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget)
{
    paintWithoutFrame(this, painter, option, widget);
}

diagramCnt2Item::diagramCnt2Item(QGraphicsItem *parent) : QGraphicsTextItem(parent)
{
    setTextItemDefaults(this, itemFont);
}

void diagramCnt2Item::showFields()
{
    setFont(itemFont);
    setPlainText(counterText(value));
}
