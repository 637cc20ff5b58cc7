#include "diagramcntitem.h"

#include "diagramcnt2item.h"

QString paddedCounterText(int value, int digits)
{
    const QString number = QString::number(static_cast<quint32>(value));
    if (number.size() >= digits)
        return number;
    return QString(digits - number.size(), QLatin1Char('0')) + number;
}

diagramCntItem::diagramCntItem(QGraphicsItem *parent) : textFamilyItem(selectionLook::redText, parent) {}

void diagramCntItem::showFields()
{
    showText(counterText(value));
}

diagramCnt2Item::diagramCnt2Item(QGraphicsItem *parent) : textFamilyItem(selectionLook::toolkitFrame, parent)
{
}

void diagramCnt2Item::showFields()
{
    showText(counterText(value));
}
