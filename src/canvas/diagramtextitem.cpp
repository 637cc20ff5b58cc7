#include "diagramtextitem.h"

#include "emptypicture.h"
#include "shownrecord.h"

#include <QCoreApplication>

namespace
{
// The translation files carry the default text under the item's own class name, but it is looked up under
// the toolkit's class name, which no file holds: a new text item reads "Input text" in every language,
// and operators' designs do not change with the interface language.
const char *const defaultTextContext = "QGraphicsTextItem";
const char *const defaultText = QT_TRANSLATE_NOOP("diagramTextItem", "Input text");
} // namespace

diagramTextItem::diagramTextItem(QGraphicsItem *parent)
    : textFamilyItem(selectionLook::redText, parent),
      content(QCoreApplication::translate(defaultTextContext, defaultText))
{
}

void diagramTextItem::showFields()
{
    showText(content.left(maxShownLength));
}

QRectF diagramTextItem::boundingRect() const
{
    return toPlainText().isEmpty() ? emptyPicture::frame() : textFamilyItem::boundingRect();
}

QPainterPath diagramTextItem::shape() const
{
    return toPlainText().isEmpty() ? emptyPicture::frameShape() : textFamilyItem::shape();
}

bool diagramTextItem::contains(const QPointF &point) const
{
    return toPlainText().isEmpty() ? emptyPicture::frame().contains(point) : textFamilyItem::contains(point);
}

void diagramTextItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget)
{
    if (toPlainText().isEmpty()) {
        const QString problem = shownRecordProblem(*this);
        return emptyPicture::paint(painter, widget,
                                   problem.isEmpty() ? emptyPicture::emptyTextReason() : problem);
    }
    textFamilyItem::paint(painter, option, widget);
}
