#include "diagramtimeitem.h"

#include "textitemcommon.h"

diagramTimeItem::diagramTimeItem(QGraphicsItem *parent)
    : QGraphicsTextItem(parent), dateTime(QDateTime::currentDateTime()), mode("yyyy/MM/dd hh:mm:ss")
{
    setTextItemDefaults(this, itemFont);
}

void diagramTimeItem::showFields()
{
    setFont(itemFont);
    setPlainText(timeText(dateTime, valid));
}

QString diagramTimeItem::timeText(const QDateTime &moment, int months) const
{
    const QString format = mode.left(maxFormatLength);
    if (months == 0)
        return moment.toString(format);
    return moment.addMonths(months).addDays(-1).toString(format);
}

void diagramTimeItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget)
{
    paintWithoutFrame(this, painter, option, widget);
}
