#include "undocommands.h"

#include "diagrambaritem.h"
#include "diagramimageitem.h"
#include "diagramqrcodeitem.h"
#include "itemfields.h"
#include "textfamilyitem.h"

#include <QGraphicsScene>

struct itemSnapshot::fields {
    int type = 0;
    QPointF pos;
    qreal rotation = 0;
    // Text family: the working font and what the item shows.
    QString plainText;
    QFont shownFont;
    QFont itemFont;
    // Pictures: shown, and the natural one they are made from.
    QPixmap shown;
    QPixmap natural;
    QString missingFile;
    // One value per field of the kind's field list.
    std::vector<QVariant> values;
};

namespace
{
using fields = itemSnapshot::fields;

// One copy between an item field and its snapshot field, in the direction asked; one list of fields
// per kind thus serves both taking and restoring a snapshot.
template <typename T> void sync(bool toItem, T &itemField, T &snapField)
{
    if (toItem)
        itemField = snapField;
    else
        snapField = itemField;
}

void syncText(fields &f, textFamilyItem &i, bool toItem)
{
    sync(toItem, i.itemFont, f.itemFont);
    if (toItem) {
        i.setFont(f.shownFont);
        i.setPlainText(f.plainText);
    } else {
        f.shownFont = i.font();
        f.plainText = i.toPlainText();
    }
}

// Reading makes a deferred picture first, so the snapshot holds pixels, never a picture still to come.
void syncShownPicture(fields &f, deferredPixmapItem &i, bool toItem)
{
    if (toItem)
        i.setPixmap(f.shown);
    else
        f.shown = i.pixmap();
}

// What an item shows beside its fields: the text and fonts, or the pictures.
void syncShown(fields &f, QGraphicsItem *item, bool toItem)
{
    switch (item->type()) {
    case textItemType:
    case cntItemType:
    case cnt2ItemType:
    case timeItemType:
        syncText(f, static_cast<textFamilyItem &>(*item), toItem);
        break;
    case barItemType: {
        auto &i = static_cast<diagramBarItem &>(*item);
        syncShownPicture(f, i, toItem);
        sync(toItem, i.barPixmap, f.natural);
        break;
    }
    case imageItemType: {
        auto &i = static_cast<diagramImageItem &>(*item);
        sync(toItem, i.sourcePixmap, f.natural);
        syncShownPicture(f, i, toItem);
        sync(toItem, i.missingFile, f.missingFile);
        break;
    }
    case qrItemType: {
        auto &i = static_cast<diagramQRCodeItem &>(*item);
        syncShownPicture(f, i, toItem);
        sync(toItem, i.qrPixmap, f.natural);
        break;
    }
    default:
        break;
    }
}

void syncFields(fields &f, QGraphicsItem *item, bool toItem)
{
    syncShown(f, item, toItem);
    const itemFieldList *list = itemFieldsOf(item->type());
    if (!list)
        return;
    size_t k = 0;
    for (int r = 0; r < list->count; ++r) {
        const itemField &row = list->rows[r];
        if (!row.isField())
            continue;
        if (toItem)
            row.set(*item, f.values[k++]);
        else
            f.values.push_back(row.get(*item));
    }
}
} // namespace

itemSnapshot itemSnapshot::of(const QGraphicsItem *item)
{
    auto f = std::make_shared<fields>();
    f->type = item->type();
    f->pos = item->pos();
    f->rotation = item->rotation();
    // Reading only: the same field list restores, so it takes a mutable item.
    syncFields(*f, const_cast<QGraphicsItem *>(item), false);
    itemSnapshot s;
    s.data = std::move(f);
    return s;
}

void itemSnapshot::applyTo(QGraphicsItem *item) const
{
    if (!data || data->type != item->type())
        return;
    // Writing to the item only: the snapshot itself is not changed.
    syncFields(const_cast<fields &>(*data), item, true);
    item->setPos(data->pos);
    item->setRotation(data->rotation);
}

addItemsCommand::addItemsCommand(const QString &text, QGraphicsScene *scene, QList<QGraphicsItem *> items,
                                 removedHook onRemoved, bool adding)
    : QUndoCommand(text), scene(scene), items(std::move(items)), onRemoved(std::move(onRemoved)),
      adding(adding)
{
    // Removing starts from items that are in the scene.
    inScene = !adding;
}

// Items out of the scene belong to the command that took them out (or never put them in).
addItemsCommand::~addItemsCommand()
{
    if (!inScene)
        qDeleteAll(items);
}

void addItemsCommand::put(bool in)
{
    if (in == inScene)
        return;
    if (in) {
        for (QGraphicsItem *item : items)
            scene->addItem(item);
        // Back to the stacking order they had, so a saved file lists them as before.
        for (int k = order.size() - 2; k >= 0; --k)
            if (order[k]->scene() == scene && order[k + 1]->scene() == scene)
                order[k]->stackBefore(order[k + 1]);
    } else {
        order = scene->items(Qt::AscendingOrder);
        for (QGraphicsItem *item : items) {
            item->setSelected(false);
            scene->removeItem(item);
            if (onRemoved)
                onRemoved(item);
        }
    }
    inScene = in;
}

void addItemsCommand::redo()
{
    put(adding);
}

void addItemsCommand::undo()
{
    put(!adding);
}

editItemCommand::editItemCommand(QGraphicsItem *item, itemSnapshot before, itemSnapshot after, int mergeId)
    : item(item), before(std::move(before)), after(std::move(after)), mergeId(mergeId)
{
}

// The change has already been made when the command is pushed.
void editItemCommand::redo()
{
    if (first) {
        first = false;
        return;
    }
    after.applyTo(item);
}

void editItemCommand::undo()
{
    before.applyTo(item);
}

bool editItemCommand::mergeWith(const QUndoCommand *other)
{
    const auto *next = static_cast<const editItemCommand *>(other);
    if (next->item != item)
        return false;
    after = next->after;
    return true;
}

moveItemsCommand::moveItemsCommand(const QString &text, QList<QGraphicsItem *> items, QList<QPointF> from,
                                   bool nudge)
    : QUndoCommand(text), items(std::move(items)), from(std::move(from)), nudge(nudge)
{
    for (const QGraphicsItem *item : this->items)
        to.append(item->pos());
}

// The items already lie where they were moved when the command is pushed.
void moveItemsCommand::redo()
{
    if (first) {
        first = false;
        return;
    }
    for (int i = 0; i < items.size(); ++i)
        items[i]->setPos(to[i]);
}

void moveItemsCommand::undo()
{
    for (int i = 0; i < items.size(); ++i)
        items[i]->setPos(from[i]);
}

bool moveItemsCommand::mergeWith(const QUndoCommand *other)
{
    const auto *next = static_cast<const moveItemsCommand *>(other);
    if (next->items != items)
        return false;
    to = next->to;
    return true;
}
