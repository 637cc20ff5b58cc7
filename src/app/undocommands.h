#pragma once
// The design's undoable steps. Items taken out of the scene live on inside the command that took them
// out, so undo can put back the very same item.
#include <QList>
#include <QPixmap>
#include <QPointF>
#include <QUndoCommand>
#include <functional>
#include <memory>

class QGraphicsItem;
class QGraphicsScene;

// Everything an item shows and saves, to put back exactly.
class itemSnapshot
{
public:
    static itemSnapshot of(const QGraphicsItem *item);
    void applyTo(QGraphicsItem *item) const;
    struct fields; // defined where it is filled and applied

private:
    std::shared_ptr<const fields> data;
};

// Adds items to the scene on redo and takes them out on undo (creating, pasting).
class addItemsCommand : public QUndoCommand
{
public:
    using removedHook = std::function<void(QGraphicsItem *)>;
    addItemsCommand(const QString &text, QGraphicsScene *scene, QList<QGraphicsItem *> items,
                    removedHook onRemoved, bool adding = true);
    ~addItemsCommand() override;
    void redo() override;
    void undo() override;

private:
    void put(bool in);
    QGraphicsScene *scene;
    QList<QGraphicsItem *> items;
    QList<QGraphicsItem *> order; // the scene's stacking order while the items are in it
    removedHook onRemoved;
    bool adding;
    bool inScene = false;
};

// One change of one item's values, from one snapshot to another; the steps of one control merge.
class editItemCommand : public QUndoCommand
{
public:
    editItemCommand(QGraphicsItem *item, itemSnapshot before, itemSnapshot after, int mergeId);
    void redo() override;
    void undo() override;
    int id() const override { return mergeId; }
    bool mergeWith(const QUndoCommand *other) override;

private:
    QGraphicsItem *item;
    itemSnapshot before;
    itemSnapshot after;
    int mergeId;
    bool first = true;
};

// Items moved from one set of positions to another: one step per drag, and one per run of nudges.
class moveItemsCommand : public QUndoCommand
{
public:
    moveItemsCommand(const QString &text, QList<QGraphicsItem *> items, QList<QPointF> from, bool nudge);
    void redo() override;
    void undo() override;
    int id() const override { return nudge ? 1000000 : -1; }
    bool mergeWith(const QUndoCommand *other) override;

private:
    QList<QGraphicsItem *> items;
    QList<QPointF> from;
    QList<QPointF> to;
    bool nudge;
    bool first = true;
};
