#pragma once
#include <QGraphicsItem>
#include <QGraphicsScene>
#include <QList>
#include <QPointF>
#include <QPolygonF>

// The print strip. Besides the toolkit's selection and dragging it reports the item the operator is
// working on while dragging with the left button and on release.
class diagramScene : public QGraphicsScene
{
    Q_OBJECT
public:
    explicit diagramScene(QObject *parent = nullptr);

    void drawForeground(QPainter *painter, const QRectF &rect) override;
    // The quiet zones of a symbol, shaded while it is selected: faintly, and red where another item
    // intrudes. Never part of any picture or file.
    void setQuietZoneShades(const QGraphicsItem *symbol, const QList<QPolygonF> &zones,
                            const QList<bool> &intruded);

signals:
    void itemSelected(QGraphicsItem *item);
    // A drag moved these items from the positions given (same order); they lie where it left them.
    void itemsMoved(const QList<QGraphicsItem *> &items, const QList<QPointF> &from);

protected slots:
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;

private:
    const QGraphicsItem *shadedSymbol = nullptr;
    QList<QPolygonF> shadedZones;
    QList<bool> intrudedZones;
    QList<QGraphicsItem *> dragged;
    QList<QPointF> dragStart;
};
