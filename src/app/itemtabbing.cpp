#include "itemtabbing.h"

#include "diagramscene.h"

#include <QFocusEvent>
#include <QGraphicsItem>
#include <QGraphicsView>
#include <QKeyEvent>
#include <algorithm>

itemTabbing::itemTabbing(QGraphicsView *view) : QObject(view), view(view)
{
    view->installEventFilter(this);
}

QList<QGraphicsItem *> itemTabbing::walkingOrder(const QGraphicsScene &scene)
{
    QList<QGraphicsItem *> items;
    for (QGraphicsItem *item : scene.items(Qt::AscendingOrder))
        if (!item->parentItem() && (item->flags() & QGraphicsItem::ItemIsSelectable) && item->isVisible())
            items.append(item);
    std::stable_sort(items.begin(), items.end(), [](const QGraphicsItem *a, const QGraphicsItem *b) {
        const QRectF ra = a->sceneBoundingRect(), rb = b->sceneBoundingRect();
        if (ra.left() != rb.left())
            return ra.left() < rb.left();
        return ra.top() < rb.top();
    });
    return items;
}

bool itemTabbing::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != view)
        return false;
    if (event->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
            step(reason == Qt::TabFocusReason, true);
    } else if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        // Ctrl+Tab is left to the window, as in other editors: it always moves focus on.
        if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
            return false;
        const bool backwards = key->key() == Qt::Key_Backtab ||
                               (key->key() == Qt::Key_Tab && (key->modifiers() & Qt::ShiftModifier));
        if (key->key() == Qt::Key_Tab || backwards)
            return step(!backwards, false);
    }
    return false;
}

bool itemTabbing::step(bool forward, bool entering)
{
    auto *scene = qobject_cast<diagramScene *>(view->scene());
    // The preview shows the design without letting it be edited: nothing to select there. An item with
    // the keyboard focus (one editing its text in place) keeps its keys.
    if (!scene || !view->isInteractive() || scene->focusItem())
        return false;
    const QList<QGraphicsItem *> items = walkingOrder(*scene);
    // From the selection's last item forwards, its first backwards.
    int at = forward ? -1 : int(items.size());
    for (int i = 0; i < items.size() && !entering; ++i) {
        if (items[i]->isSelected()) {
            at = i;
            if (!forward)
                break;
        }
    }
    const int next = at + (forward ? 1 : -1);
    if (next < 0 || next >= items.size())
        return false;
    QGraphicsItem *item = items[next];
    scene->clearSelection();
    item->setSelected(true);
    // An item larger than the view shows its top-left part; the toolkit alone would show its bottom-right.
    QRectF shown = item->sceneBoundingRect();
    shown.setSize(
        shown.size().boundedTo(view->mapToScene(view->viewport()->rect()).boundingRect().size() * 0.9));
    view->ensureVisible(shown, 10, 5);
    // What a click reports: the window makes the item current and shows its panel.
    emit scene->itemSelected(item);
    return true;
}
