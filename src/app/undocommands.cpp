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
    bool isColorConverse = false;
    qrCodeRecord qr;
};

namespace
{
template <typename F, typename I> void copyText(F &f, I &i, bool toItem)
{
    if (toItem) {
        i.itemFont = f.itemFont;
        i.setFont(f.shownFont);
        i.setPlainText(f.plainText);
    } else {
        f.itemFont = i.itemFont;
        f.shownFont = i.font();
        f.plainText = i.toPlainText();
    }
}
} // namespace

itemSnapshot itemSnapshot::of(const QGraphicsItem *item)
{
    auto f = std::make_shared<fields>();
    f->type = item->type();
    f->pos = item->pos();
    f->rotation = item->rotation();
    switch (item->type()) {
    case textItemType: {
        auto &i = *const_cast<diagramTextItem *>(static_cast<const diagramTextItem *>(item));
        copyText(*f, i, false);
        f->content = i.content;
        f->extStart = i.extDataStartLine;
        f->extEnd = i.extDataEndLine;
        f->extCur = i.extDataCurLine;
        f->extPath = i.extDataFilePath;
        f->isExtVariable = i.isExtVariable;
        f->isAllPrinted = i.isAllPrinted;
        break;
    }
    case cntItemType: {
        auto &i = *const_cast<diagramCntItem *>(static_cast<const diagramCntItem *>(item));
        copyText(*f, i, false);
        f->value = i.value;
        f->mode = i.mode;
        f->name = i.name;
        break;
    }
    case cnt2ItemType: {
        auto &i = *const_cast<diagramCnt2Item *>(static_cast<const diagramCnt2Item *>(item));
        copyText(*f, i, false);
        f->value = i.value;
        f->mode = i.mode;
        break;
    }
    case timeItemType: {
        auto &i = *const_cast<diagramTimeItem *>(static_cast<const diagramTimeItem *>(item));
        copyText(*f, i, false);
        f->dateTime = i.dateTime;
        f->timeMode = i.mode;
        f->modeIndex = i.modeIndex;
        f->valid = i.valid;
        f->userDefined = i.userDefined;
        break;
    }
    case barItemType: {
        const auto &i = static_cast<const diagramBarItem &>(*item);
        f->shown = i.pixmap();
        f->natural = i.barPixmap;
        f->content = i.content;
        f->mode = i.mode;
        f->isTextOn = i.isTextOn;
        f->lineWidth = i.lineWidth;
        f->lineHeight = i.lineHeight;
        f->extStart = i.extDataStartLine;
        f->extEnd = i.extDataEndLine;
        f->extCur = i.extDataCurLine;
        f->extPath = i.extDataFilePath;
        f->isExtVariable = i.isExtVariable;
        f->isAllPrinted = i.isAllPrinted;
        break;
    }
    case imageItemType: {
        const auto &i = static_cast<const diagramImageItem &>(*item);
        f->shown = i.pixmap();
        f->natural = i.sourcePixmap;
        f->pixPath = i.pixPath;
        f->isColorConverse = i.isColorConverse;
        break;
    }
    case qrItemType: {
        const auto &i = static_cast<const diagramQRCodeItem &>(*item);
        f->shown = i.pixmap();
        f->qr = i.record();
        break;
    }
    default:
        break;
    }
    itemSnapshot s;
    s.data = std::move(f);
    return s;
}

void itemSnapshot::applyTo(QGraphicsItem *item) const
{
    if (!data || data->type != item->type())
        return;
    const fields &f = *data;
    fields &m = const_cast<fields &>(f);
    switch (item->type()) {
    case textItemType: {
        auto &i = static_cast<diagramTextItem &>(*item);
        copyText(m, i, true);
        i.content = f.content;
        i.extDataStartLine = f.extStart;
        i.extDataEndLine = f.extEnd;
        i.extDataCurLine = f.extCur;
        i.extDataFilePath = f.extPath;
        i.isExtVariable = f.isExtVariable;
        i.isAllPrinted = f.isAllPrinted;
        break;
    }
    case cntItemType: {
        auto &i = static_cast<diagramCntItem &>(*item);
        copyText(m, i, true);
        i.value = f.value;
        i.mode = f.mode;
        i.name = f.name;
        break;
    }
    case cnt2ItemType: {
        auto &i = static_cast<diagramCnt2Item &>(*item);
        copyText(m, i, true);
        i.value = f.value;
        i.mode = f.mode;
        break;
    }
    case timeItemType: {
        auto &i = static_cast<diagramTimeItem &>(*item);
        copyText(m, i, true);
        i.dateTime = f.dateTime;
        i.mode = f.timeMode;
        i.modeIndex = f.modeIndex;
        i.valid = f.valid;
        i.userDefined = f.userDefined;
        break;
    }
    case barItemType: {
        auto &i = static_cast<diagramBarItem &>(*item);
        i.barPixmap = f.natural;
        i.setPixmap(f.shown);
        i.content = f.content;
        i.mode = f.mode;
        i.isTextOn = f.isTextOn;
        i.lineWidth = f.lineWidth;
        i.lineHeight = f.lineHeight;
        i.extDataStartLine = f.extStart;
        i.extDataEndLine = f.extEnd;
        i.extDataCurLine = f.extCur;
        i.extDataFilePath = f.extPath;
        i.isExtVariable = f.isExtVariable;
        i.isAllPrinted = f.isAllPrinted;
        break;
    }
    case imageItemType: {
        auto &i = static_cast<diagramImageItem &>(*item);
        i.sourcePixmap = f.natural;
        i.setPixmap(f.shown);
        i.pixPath = f.pixPath;
        i.isColorConverse = f.isColorConverse;
        break;
    }
    case qrItemType: {
        auto &i = static_cast<diagramQRCodeItem &>(*item);
        static_cast<qrCodeRecord &>(i) = f.qr;
        i.setPixmap(f.shown);
        break;
    }
    default:
        break;
    }
    item->setPos(f.pos);
    item->setRotation(f.rotation);
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
