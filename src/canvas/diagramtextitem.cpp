#include "diagramtextitem.h"

#include "textitempaint.h"

#include <QCoreApplication>

diagramTextItem::diagramTextItem(QGraphicsItem *parent)
    : QGraphicsTextItem(parent),
      // Looked up under the toolkit's class name, which no translation file holds, so the default text
      // reads "Input text" in every language.
      content(QCoreApplication::translate("QGraphicsTextItem", "Input text"))
{
    itemFont.setFamily("simsun");
    itemFont.setPixelSize(150);
    setFlags(ItemIsMovable | ItemIsSelectable);
}

void diagramTextItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget)
{
    paintWithoutFrame(this, painter, option, widget);
}
