#include "undocommands.h"

#include "diagrambaritem.h"
#include "diagramcnt2item.h"
#include "diagramcntitem.h"
#include "diagramimageitem.h"
#include "diagramqrcodeitem.h"
#include "diagramtextitem.h"
#include "diagramtimeitem.h"

#include <QGraphicsScene>

struct itemSnapshot::fields {
    int type = 0;
    QPointF pos;
    qreal rotation = 0;
    // Text family.
    QString plainText;
    QFont shownFont;
    QFont itemFont;
    QString content;
    quint32 extStart = 1, extEnd = 1, extCur = 1;
    QString extPath;
    bool isExtVariable = false, isAllPrinted = false;
    int value = 0, mode = 0, name = 0;
    QDateTime dateTime;
    QString timeMode;
    int modeIndex = 0, valid = 0;
    bool userDefined = false;
    // Pictures.
    QPixmap shown;
    QPixmap natural;
    bool isTextOn = true;
    int lineWidth = 0, lineHeight = 0;
    QString pixPath;
    QString missingFile;
    bool isColorConverse = false;
    qrCodeRecord qr;
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

template <typename I> void syncText(fields &f, I &i, bool toItem)
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

template <typename I> void syncExternalData(fields &f, I &i, bool toItem)
{
    sync(toItem, i.extDataStartLine, f.extStart);
    sync(toItem, i.extDataEndLine, f.extEnd);
    sync(toItem, i.extDataCurLine, f.extCur);
    sync(toItem, i.extDataFilePath, f.extPath);
    sync(toItem, i.isExtVariable, f.isExtVariable);
    sync(toItem, i.isAllPrinted, f.isAllPrinted);
}

// Reading makes a deferred picture first, so the snapshot holds pixels, never a picture still to come.
void syncShownPicture(fields &f, deferredPixmapItem &i, bool toItem)
{
    if (toItem)
        i.setPixmap(f.shown);
    else
        f.shown = i.pixmap();
}

void syncFields(fields &f, QGraphicsItem *item, bool toItem)
{
    switch (item->type()) {
    case textItemType: {
        auto &i = static_cast<diagramTextItem &>(*item);
        syncText(f, i, toItem);
        sync(toItem, i.content, f.content);
        syncExternalData(f, i, toItem);
        break;
    }
    case cntItemType: {
        auto &i = static_cast<diagramCntItem &>(*item);
        syncText(f, i, toItem);
        sync(toItem, i.value, f.value);
        sync(toItem, i.mode, f.mode);
        sync(toItem, i.name, f.name);
        break;
    }
    case cnt2ItemType: {
        auto &i = static_cast<diagramCnt2Item &>(*item);
        syncText(f, i, toItem);
        sync(toItem, i.value, f.value);
        sync(toItem, i.mode, f.mode);
        break;
    }
    case timeItemType: {
        auto &i = static_cast<diagramTimeItem &>(*item);
        syncText(f, i, toItem);
        sync(toItem, i.dateTime, f.dateTime);
        sync(toItem, i.mode, f.timeMode);
        sync(toItem, i.modeIndex, f.modeIndex);
        sync(toItem, i.valid, f.valid);
        sync(toItem, i.userDefined, f.userDefined);
        break;
    }
    case barItemType: {
        auto &i = static_cast<diagramBarItem &>(*item);
        syncShownPicture(f, i, toItem);
        sync(toItem, i.barPixmap, f.natural);
        sync(toItem, i.content, f.content);
        sync(toItem, i.mode, f.mode);
        sync(toItem, i.isTextOn, f.isTextOn);
        sync(toItem, i.lineWidth, f.lineWidth);
        sync(toItem, i.lineHeight, f.lineHeight);
        syncExternalData(f, i, toItem);
        break;
    }
    case imageItemType: {
        auto &i = static_cast<diagramImageItem &>(*item);
        sync(toItem, i.sourcePixmap, f.natural);
        syncShownPicture(f, i, toItem);
        sync(toItem, i.pixPath, f.pixPath);
        sync(toItem, i.missingFile, f.missingFile);
        sync(toItem, i.isColorConverse, f.isColorConverse);
        break;
    }
    case qrItemType: {
        auto &i = static_cast<diagramQRCodeItem &>(*item);
        syncShownPicture(f, i, toItem);
        sync<qrCodeRecord>(toItem, i, f.qr);
        break;
    }
    default:
        break;
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
