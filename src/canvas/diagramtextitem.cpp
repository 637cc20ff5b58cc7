#include "diagramtextitem.h"

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
