#pragma once
// Layout aids for the selection: align its edges or centres, centre it in the strip's height,
// distribute it with equal gaps, bring it to the front or send it to the back, and an optional grid
// that drags snap to. Each command is one undoable step and keeps every item inside the strip.
#include <QList>
#include <QObject>

class QAction;
class QGraphicsItem;
class QGraphicsScene;
class QGraphicsView;
class QMenu;
class QUndoStack;
class QWidget;

class layoutAids : public QObject
{
    Q_OBJECT

public:
    enum class alignment { left, right, top, bottom, horizontalCentre, verticalCentre, stripCentre };
    layoutAids(QGraphicsView *view, QUndoStack *undo, QWidget *parent);

    // The menu of every aid; the tool column and the canvas's context menu show it.
    QMenu *menu() const { return aidsMenu; }

    void align(alignment how);
    // Equal gaps between the selected items from left to right; the outer two stay. Three or more.
    void distributeHorizontally();
    void bringToFront();
    void sendToBack();

    // 0: no grid (the default). Otherwise the grid is shown faintly and drags end on it.
    void setGrid(int dots);
    int grid() const { return gridDots; }
    // Puts each item on the grid, within the strip (after a drag).
    void snap(const QList<QGraphicsItem *> &items) const;

private:
    void buildMenu();
    void moveSelection(const QString &text, const std::function<QPointF(QGraphicsItem *)> &target);
    void restack(const QString &text, bool front);

    QGraphicsView *view;
    QGraphicsScene *scene;
    QUndoStack *undo;
    QMenu *aidsMenu;
    int gridDots = 0;
};
