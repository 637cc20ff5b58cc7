#include "diagramtimeitem.h"

diagramTimeItem::diagramTimeItem(QGraphicsItem *parent)
    : textFamilyItem(selectionLook::redText, parent), dateTime(QDateTime::currentDateTime()),
      mode("yyyy/MM/dd hh:mm:ss")
{
}

void diagramTimeItem::showFields()
{
    showText(timeText(dateTime, valid));
}

QString diagramTimeItem::timeText(const QDateTime &moment, int months) const
{
    const QString format = mode.left(maxFormatLength);
    if (months == 0)
        return moment.toString(format);
    return moment.addMonths(months).addDays(-1).toString(format);
}
