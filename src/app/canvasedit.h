#pragma once
// The canvas's editing commands beside the window: clipboard, duplicate, select all, zoom, the wheel
// and the context menu that offers them with the mouse. Its texts are the window's.
#include <QList>
#include <QObject>

class QAction;
class QByteArray;
class QGraphicsView;
class QLabel;
class QUndoStack;
class Widget;
class diagramScene;
class kindPanels;
class layoutAids;

namespace Ui
{
class Widget;
}

class canvasEdit : public QObject
{
    Q_OBJECT

public:
    explicit canvasEdit(Widget *window);

    // The view at a zoom given as text ("58%"), keeping its scroll position.
    static void setZoom(QGraphicsView *view, const QString &text);

public slots:
    void copySelection();
    void cutSelection();
    void pasteSections();
    void duplicateSelection();
    void selectAllItems();
    void zoomIn();
    void zoomOut();
    void zoomToFit();
    void zoomToStart();
    void showZoom();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createCanvasActions();
    void pasteText(const QByteArray &sections);
    void setViewScale(double factor);

    Widget *window;
    Ui::Widget *ui;
    diagramScene *scene;
    QList<QAction *> canvasActions;
    QLabel *zoomLabel = nullptr;
};
