#pragma once
#include <QGraphicsScene>

// The print strip. Besides the toolkit's selection and dragging it reports the item the operator is
// working on while dragging with the left button and on release.
class diagramScene : public QGraphicsScene
{
    Q_OBJECT
public:
    explicit diagramScene(QObject *parent = nullptr);

signals:
    void itemSelected(QGraphicsItem *item);

protected slots:
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;
};
