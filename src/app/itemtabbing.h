#pragma once
// Tab and Shift+Tab on the canvas walk through the design's items along the strip, each selected and
// shown in its panel as a click would. Tabbing into the canvas selects the first item (backwards, the
// last); past the last item (before the first) focus moves on, so the keyboard never gets stuck there.
#include <QList>
#include <QObject>

class QGraphicsItem;
class QGraphicsScene;
class QGraphicsView;

class itemTabbing : public QObject
{
    Q_OBJECT

public:
    // Watches view's keys; the items are those of the scene it shows at the time of each key.
    explicit itemTabbing(QGraphicsView *view);

    // The items Tab visits, in visiting order: by left edge, then top edge, then stacking order.
    static QList<QGraphicsItem *> walkingOrder(const QGraphicsScene &scene);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Selects the next or previous item after the selection (from outside the ends when entering);
    // false when there is none.
    bool step(bool forward, bool entering);

    QGraphicsView *view;
};
