// The window's undo history: recording panel edits, the Undo and Redo actions, and the modified flag
// that follows the history's clean state.
#include "ui_widget.h"
#include "widget.h"

#include "diagramscene.h"
#include "kindpanels.h"
#include "kindrouting.h"
#include "layoutaids.h"
#include "placement.h"
#include "undocommands.h"

#include <QAction>
#include <QGraphicsItem>
#include <QHash>
#include <QUndoStack>
#include <algorithm>
#include <iterator>

struct Widget::editScope::state {
    itemSnapshot snapshot;
};

namespace
{
// The routing slots fed by spin boxes, by the end of their names.
const char *const spinBoxSlotEnds[] = {"XChange",        "YChange",       "RotateChange", "SizeChange",
                                       "IntervalChange", "SpacingChange", "WidthChange",  "HeightChange",
                                       "ScaleChange",    "LineChange"};

bool isSpinBoxSlot(const char *slot)
{
    const QByteArray name(slot);
    return std::any_of(std::begin(spinBoxSlotEnds), std::end(spinBoxSlotEnds),
                       [&name](const char *end) { return name.endsWith(end); });
}

// Only a run of one spin box (typed or stepped) merges into one step: each spin box gets an id of its
// own. A combo choice, a check box, an applied content or an accepted dialog is always a step of its own.
int controlId(const char *control, bool mergesRuns)
{
    static QHash<QByteArray, int> ids;
    if (!mergesRuns)
        return -1;
    const QByteArray key(control);
    auto it = ids.find(key);
    if (it == ids.end())
        it = ids.insert(key, ids.size() + 1);
    return it.value();
}
} // namespace

Widget::editScope::editScope(Widget *window, QGraphicsItem *item, int mergeId)
    : window(window), item(item), mergeId(mergeId),
      recording(!window->kinds->loading && window->editDepth == 0 && item && item->scene() == window->scene)
{
    ++window->editDepth;
    if (recording)
        before.reset(new state{itemSnapshot::of(item)});
}

Widget::editScope::editScope(Widget *window, QGraphicsItem *item, const char *control)
    : editScope(window, item, controlId(control, isSpinBoxSlot(control)))
{
}

Widget::editScope::editScope(const kindRouting *routing, QGraphicsItem *item, const char *control)
    : editScope(routing->owner(), item, control)
{
}

Widget::editScope::editScope(const kindRouting *routing, QGraphicsItem *item, const char *control,
                             bool mergesRuns)
    : editScope(routing->owner(), item, controlId(control, mergesRuns))
{
}

Widget::editScope::~editScope()
{
    // Still open while the step is pushed, so that the content being applied stays in the editor.
    if (recording) {
        window->undo->push(new editItemCommand(item, before->snapshot, itemSnapshot::of(item), mergeId));
        window->kinds->refresh();
    }
    --window->editDepth;
}

void Widget::createEditActions()
{
    undo = new QUndoStack(this);
    connect(undo, &QUndoStack::cleanChanged, this, [this](bool clean) { setWindowModified(!clean); });
    // Undo, redo and removals change items behind the panel and the editor: both show them again.
    connect(undo, &QUndoStack::indexChanged, this, [this] {
        kinds->refresh();
        if (editDepth == 0)
            kinds->showContent();
    });

    QAction *undoAction = undo->createUndoAction(this, tr("撤销"));
    undoAction->setShortcuts(QKeySequence::Undo);
    QAction *redoAction = undo->createRedoAction(this, tr("重做"));
    // Ctrl+Y redoes on every platform, not only where it is the platform's own key.
    QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
    if (!redoKeys.contains(QKeySequence(Qt::CTRL | Qt::Key_Y)))
        redoKeys.append(QKeySequence(Qt::CTRL | Qt::Key_Y));
    redoAction->setShortcuts(redoKeys);
    addAction(undoAction);
    addAction(redoAction);

    QAction *deleteItems = new QAction(tr("删除"), this);
    deleteItems->setShortcuts(QKeySequence::Delete);
    connect(deleteItems, &QAction::triggered, this, &Widget::on_deletePushButton_clicked);
    addAction(deleteItems);

    const struct {
        QKeySequence::StandardKey key;
        void (Widget::*slot)();
    } fileKeys[] = {
        {QKeySequence::New, &Widget::newActionSlot},
        {QKeySequence::Open, &Widget::openActionSlot},
        {QKeySequence::Save, &Widget::saveActionSlot},
        {QKeySequence::SaveAs, &Widget::saveAsActionSlot},
    };
    for (const auto &row : fileKeys) {
        QAction *action = new QAction(this);
        action->setShortcuts(row.key);
        connect(action, &QAction::triggered, this, row.slot);
        addAction(action);
    }

    connect(scene, &diagramScene::itemsMoved, this,
            [this](const QList<QGraphicsItem *> &items, const QList<QPointF> &from) {
                layout->snap(items);
                undo->push(new moveItemsCommand(tr("移动"), items, from, false));
            });

    // Arrow keys nudge the selection while the canvas has the focus: 1 pixel, 10 with Shift.
    const struct {
        int key;
        QPointF step;
    } nudges[] = {
        {Qt::Key_Left, {-1, 0}}, {Qt::Key_Right, {1, 0}}, {Qt::Key_Up, {0, -1}}, {Qt::Key_Down, {0, 1}}};
    for (const auto &row : nudges) {
        for (int factor : {1, 10}) {
            QAction *action = new QAction(ui->graphicsView);
            action->setShortcut(QKeySequence(row.key | (factor == 10 ? int(Qt::SHIFT) : 0)));
            action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
            const QPointF step = row.step * factor;
            connect(action, &QAction::triggered, this, [this, step] { nudgeSelection(step); });
            ui->graphicsView->addAction(action);
        }
    }

    // Return in the content editor does what the button does.
    connect(ui->lineEdit, &QLineEdit::returnPressed, this, [this] {
        if (ui->editPushButton->isEnabled())
            on_editPushButton_clicked();
    });
}

void Widget::undoableDelete(const QList<QGraphicsItem *> &items, const QString &text)
{
    if (items.isEmpty())
        return;
    kinds->disable();
    undo->push(new addItemsCommand(
        text, scene, items, [this](QGraphicsItem *gone) { kinds->forget(gone); }, false));
}

void Widget::nudgeSelection(const QPointF &step)
{
    const QList<QGraphicsItem *> items = scene->selectedItems();
    QList<QPointF> from;
    bool moved = false;
    for (QGraphicsItem *item : items) {
        from.append(item->pos());
        item->setPos(clampedPlacement(*item, item->pos() + step));
        moved = moved || item->pos() != from.last();
    }
    if (moved)
        undo->push(new moveItemsCommand(tr("移动"), items, from, true));
}
