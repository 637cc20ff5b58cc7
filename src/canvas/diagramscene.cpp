#include "diagramscene.h"

#include "itemtypes.h"
#include "placement.h"

#include <QGraphicsItem>
#include <QGraphicsSceneMouseEvent>
#include <QPainter>

diagramScene::diagramScene(QObject *parent) : QGraphicsScene(parent)
{
    // The outline of a selected barcode or QR code is drawn over the items, so it is never part of their
    // pictures; it follows selection changes.
    connect(this, &QGraphicsScene::selectionChanged, this, [this] { update(); });
}

void diagramScene::setQuietZoneShades(const QGraphicsItem *symbol, const QList<QPolygonF> &zones,
                                      const QList<bool> &intruded)
{
    shadedSymbol = symbol;
    shadedZones = zones;
    intrudedZones = intruded;
    update();
}

void diagramScene::drawForeground(QPainter *painter, const QRectF &)
{
    const QList<QGraphicsItem *> selected = selectedItems();
    // Compared, never followed: the symbol may have been deleted since its zones were set.
    if (shadedSymbol && selected.contains(const_cast<QGraphicsItem *>(shadedSymbol))) {
        painter->setPen(Qt::NoPen);
        for (int i = 0; i < shadedZones.size(); ++i) {
            const bool intruded = intrudedZones.value(i);
            painter->setBrush(intruded ? QColor(220, 0, 0, 90) : QColor(0, 120, 215, 35));
            painter->drawPolygon(shadedZones.at(i));
        }
    }
    for (const QGraphicsItem *item : selected) {
        if (item->type() != barItemType && item->type() != qrItemType)
            continue;
        QPen pen(QColor(0, 120, 215), 2, Qt::DashLine);
        pen.setCosmetic(true);
        painter->setPen(pen);
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(item->sceneBoundingRect());
    }
}

void diagramScene::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    // Other buttons are swallowed here: accepted, so the view starts no rubber band and clears nothing.
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    QGraphicsScene::mousePressEvent(event);
    dragged = selectedItems();
    dragStart.clear();
    for (const QGraphicsItem *item : dragged)
        dragStart.append(item->pos());
}

void diagramScene::mouseMoveEvent(QGraphicsSceneMouseEvent *event)
{
    // Reported before the toolkit moves the items, so the panel lags one step; the release catches up.
    if ((event->buttons() & Qt::LeftButton) && !selectedItems().isEmpty())
        emit itemSelected(selectedItems().first());
    QGraphicsScene::mouseMoveEvent(event);
    // The toolkit moves items anywhere; they are kept where the panels can show them.
    if (event->buttons() & Qt::LeftButton) {
        for (QGraphicsItem *item : selectedItems())
            item->setPos(clampedPlacement(*item, item->pos()));
        update();
    }
}

void diagramScene::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    if (!selectedItems().isEmpty())
        emit itemSelected(selectedItems().first());
    QGraphicsScene::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    QList<QGraphicsItem *> moved;
    QList<QPointF> from;
    for (int i = 0; i < dragged.size(); ++i) {
        if (dragged[i]->scene() == this && dragged[i]->pos() != dragStart[i]) {
            moved.append(dragged[i]);
            from.append(dragStart[i]);
        }
    }
    dragged.clear();
    dragStart.clear();
    if (!moved.isEmpty())
        emit itemsMoved(moved, from);
}
