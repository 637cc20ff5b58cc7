#include "diagramscene.h"

#include <QGraphicsSceneMouseEvent>

diagramScene::diagramScene(QObject *parent) : QGraphicsScene(parent) {}

void diagramScene::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    // Other buttons are swallowed here: accepted, so the view starts no rubber band and clears nothing.
    if (event->button() != Qt::LeftButton) {
        event->accept();
        return;
    }
    QGraphicsScene::mousePressEvent(event);
}

void diagramScene::mouseMoveEvent(QGraphicsSceneMouseEvent *event)
{
    // Reported before the toolkit moves the items, so the panel lags one step; the release catches up.
    if ((event->buttons() & Qt::LeftButton) && !selectedItems().isEmpty())
        emit itemSelected(selectedItems().first());
    QGraphicsScene::mouseMoveEvent(event);
}

void diagramScene::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    if (!selectedItems().isEmpty())
        emit itemSelected(selectedItems().first());
    QGraphicsScene::mouseReleaseEvent(event);
}
