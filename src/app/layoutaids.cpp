#include "layoutaids.h"

#include "livetext.h"
#include "placement.h"
#include "undocommands.h"

#include <QActionGroup>
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QMenu>
#include <QPainter>
#include <QUndoStack>
#include <algorithm>
#include <cmath>
#include <functional>

namespace
{
// The stacking values of items, to put back on undo.
class restackCommand : public QUndoCommand
{
public:
    restackCommand(const QString &text, QList<QGraphicsItem *> items, QList<qreal> before)
        : QUndoCommand(text), items(std::move(items)), before(std::move(before))
    {
        for (const QGraphicsItem *item : this->items)
            after << item->zValue();
    }
    void redo() override { apply(after); }
    void undo() override { apply(before); }

private:
    void apply(const QList<qreal> &values)
    {
        for (int i = 0; i < items.size(); ++i)
            items[i]->setZValue(values[i]);
    }
    QList<QGraphicsItem *> items;
    QList<qreal> before;
    QList<qreal> after;
};

QRectF unitedBounds(const QList<QGraphicsItem *> &items)
{
    QRectF bounds;
    for (const QGraphicsItem *item : items)
        bounds = bounds.united(item->sceneBoundingRect());
    return bounds;
}

// A faint grid on white, one tile per grid step, drawn in scene units.
QBrush gridBrush(int dots)
{
    QPixmap tile(dots, dots);
    tile.fill(Qt::white);
    QPainter painter(&tile);
    painter.setPen(QColor(225, 225, 235));
    painter.drawLine(0, 0, dots - 1, 0);
    painter.drawLine(0, 0, 0, dots - 1);
    return QBrush(tile);
}
} // namespace

layoutAids::layoutAids(QGraphicsView *view, QUndoStack *undo, QWidget *parent)
    : QObject(parent), view(view), scene(view->scene()), undo(undo), aidsMenu(new QMenu(parent))
{
    buildMenu();
}

void layoutAids::buildMenu()
{
    liveText::set(aidsMenu, "title", "layoutAids", QT_TR_NOOP("排列"));
    const struct {
        const char *text;
        const char *tip;
        std::function<void()> run;
    } rows[] = {
        {QT_TR_NOOP("左对齐"), QT_TR_NOOP("所选对象的左边对齐"), [this] { align(alignment::left); }},
        {QT_TR_NOOP("右对齐"), QT_TR_NOOP("所选对象的右边对齐"), [this] { align(alignment::right); }},
        {QT_TR_NOOP("顶端对齐"), QT_TR_NOOP("所选对象的上边对齐"), [this] { align(alignment::top); }},
        {QT_TR_NOOP("底端对齐"), QT_TR_NOOP("所选对象的下边对齐"), [this] { align(alignment::bottom); }},
        {QT_TR_NOOP("水平居中对齐"), QT_TR_NOOP("所选对象的水平中心对齐"),
         [this] { align(alignment::horizontalCentre); }},
        {QT_TR_NOOP("垂直居中对齐"), QT_TR_NOOP("所选对象的垂直中心对齐"),
         [this] { align(alignment::verticalCentre); }},
        {QT_TR_NOOP("在喷印高度居中"), QT_TR_NOOP("所选对象在 300 点的高度内居中"),
         [this] { align(alignment::stripCentre); }},
        {QT_TR_NOOP("水平等距分布"), QT_TR_NOOP("三个及以上对象之间的间距相等"),
         [this] { distributeHorizontally(); }},
        {QT_TR_NOOP("置于顶层"), QT_TR_NOOP("所选对象在最上面，保存时排在最前"), [this] { bringToFront(); }},
        {QT_TR_NOOP("置于底层"), QT_TR_NOOP("所选对象在最下面，保存时排在最后"), [this] { sendToBack(); }},
    };
    for (const auto &row : rows) {
        QAction *action = aidsMenu->addAction(QString());
        liveText::set(action, "text", "layoutAids", row.text);
        liveText::set(action, "toolTip", "layoutAids", row.tip);
        connect(action, &QAction::triggered, this, row.run);
    }
    aidsMenu->setToolTipsVisible(true);
    QMenu *gridMenu = aidsMenu->addMenu(QString());
    liveText::set(gridMenu, "title", "layoutAids", QT_TR_NOOP("网格"));
    auto *group = new QActionGroup(gridMenu);
    for (int dots : {0, 5, 10, 20, 50}) {
        QAction *action = gridMenu->addAction(QString());
        if (dots == 0)
            liveText::set(action, "text", "layoutAids", QT_TR_NOOP("无网格"));
        else
            action->setText(tr("%1 点").arg(dots));
        action->setCheckable(true);
        action->setChecked(dots == gridDots);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, dots] { setGrid(dots); });
    }
}

void layoutAids::moveSelection(const QString &text, const std::function<QPointF(QGraphicsItem *)> &target)
{
    QList<QGraphicsItem *> moved;
    QList<QPointF> from;
    for (QGraphicsItem *item : scene->selectedItems()) {
        const QPointF before = item->pos();
        item->setPos(clampedPlacement(*item, target(item)));
        if (item->pos() != before) {
            moved << item;
            from << before;
        }
    }
    if (!moved.isEmpty())
        undo->push(new moveItemsCommand(text, moved, from, false));
}

void layoutAids::align(alignment how)
{
    const QList<QGraphicsItem *> items = scene->selectedItems();
    if (items.isEmpty() || (items.size() < 2 && how != alignment::stripCentre))
        return;
    const QRectF all = unitedBounds(items);
    // Where the item goes: its bounds moved so that the chosen edge or centre meets the target.
    const std::function<QPointF(const QRectF &)> shift[] = {
        [&](const QRectF &r) { return QPointF(all.left() - r.left(), 0); },
        [&](const QRectF &r) { return QPointF(all.right() - r.right(), 0); },
        [&](const QRectF &r) { return QPointF(0, all.top() - r.top()); },
        [&](const QRectF &r) { return QPointF(0, all.bottom() - r.bottom()); },
        [&](const QRectF &r) { return QPointF(all.center().x() - r.center().x(), 0); },
        [&](const QRectF &r) { return QPointF(0, all.center().y() - r.center().y()); },
        [&](const QRectF &r) { return QPointF(0, stripHeight / 2.0 - r.center().y()); },
    };
    const auto &by = shift[int(how)];
    moveSelection(tr("对齐"), [&by](QGraphicsItem *item) {
        const QPointF step = by(item->sceneBoundingRect());
        return QPointF(std::round(item->x() + step.x()), std::round(item->y() + step.y()));
    });
}

void layoutAids::distributeHorizontally()
{
    QList<QGraphicsItem *> items = scene->selectedItems();
    if (items.size() < 3)
        return;
    std::sort(items.begin(), items.end(), [](const QGraphicsItem *a, const QGraphicsItem *b) {
        return a->sceneBoundingRect().left() < b->sceneBoundingRect().left();
    });
    const QRectF all = unitedBounds(items);
    qreal widths = 0;
    for (const QGraphicsItem *item : items)
        widths += item->sceneBoundingRect().width();
    const qreal gap = (all.width() - widths) / (items.size() - 1);
    QHash<QGraphicsItem *, qreal> left;
    qreal next = all.left();
    for (QGraphicsItem *item : items) {
        left[item] = next;
        next += item->sceneBoundingRect().width() + gap;
    }
    moveSelection(tr("分布"), [&left](QGraphicsItem *item) {
        const qreal shift = left[item] - item->sceneBoundingRect().left();
        return QPointF(std::round(item->x() + shift), item->y());
    });
}

void layoutAids::bringToFront()
{
    restack(tr("置于顶层"), true);
}

void layoutAids::sendToBack()
{
    restack(tr("置于底层"), false);
}

// The selection keeps its own order and goes above (below) every other item.
void layoutAids::restack(const QString &text, bool front)
{
    const QList<QGraphicsItem *> selected = scene->selectedItems();
    if (selected.isEmpty())
        return;
    const QList<QGraphicsItem *> all = scene->items(Qt::AscendingOrder);
    QList<QGraphicsItem *> order;
    for (QGraphicsItem *item : all)
        if (selected.contains(item) != front)
            order << item;
    for (QGraphicsItem *item : all)
        if (selected.contains(item) == front)
            order << item;
    QList<qreal> before;
    for (QGraphicsItem *item : order)
        before << item->zValue();
    // Whole-number values in the new order: the scene's order, and so the file's, follows.
    for (int i = 0; i < order.size(); ++i)
        order[i]->setZValue(i);
    undo->push(new restackCommand(text, order, before));
}

void layoutAids::setGrid(int dots)
{
    gridDots = std::max(0, dots);
    view->setBackgroundBrush(gridDots > 0 ? gridBrush(gridDots) : QBrush(Qt::NoBrush));
}

void layoutAids::snap(const QList<QGraphicsItem *> &items) const
{
    if (gridDots <= 0)
        return;
    for (QGraphicsItem *item : items) {
        const QPointF onGrid(std::round(item->x() / gridDots) * gridDots,
                             std::round(item->y() / gridDots) * gridDots);
        item->setPos(clampedPlacement(*item, onGrid));
    }
}
