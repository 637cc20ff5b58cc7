#pragma once
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QList>
#include <QPointF>

// The print strip. Besides the toolkit's selection and dragging it reports the item the operator is
// working on while dragging with the left button and on release.
class diagramScene : public QGraphicsScene
{
    Q_OBJECT
public:
    explicit diagramScene(QObject *parent = nullptr);

    void drawForeground(QPainter *painter, const QRectF &rect) override;

signals:
    void itemSelected(QGraphicsItem *item);
    // A drag moved these items from the positions given (same order); they lie where it left them.
    void itemsMoved(const QList<QGraphicsItem *> &items, const QList<QPointF> &from);

protected slots:
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;

private:
    QList<QGraphicsItem *> dragged;
    QList<QPointF> dragStart;
};
