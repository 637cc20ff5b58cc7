#pragma once
// The canvas: the design's view with the strip's outline, rulers along the top and left in printer dots
// and millimetres, and the pointer's position for the status line.
#include "designersettings.h"

#include <QGraphicsView>

class designRuler;

class designView : public QGraphicsView
{
    Q_OBJECT

public:
    explicit designView(QWidget *parent = nullptr);

    void setResolution(const PrinterResolution &resolution);
    const PrinterResolution &resolution() const { return dots; }
    // The design's end along the strip, where its outline ends (at least the strip's height).
    void setStripEnd(qreal end);
    // The scale that shows the strip's whole height.
    double heightScale() const;
    // Shows the whole height from the strip's start.
    void fitHeight();

signals:
    void pointerMoved(const QPointF &scenePos);
    void zoomed();

protected:
    void drawForeground(QPainter *painter, const QRectF &rect) override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    bool viewportEvent(QEvent *event) override;

private:
    void followRulers();

    PrinterResolution dots;
    qreal stripEnd = 0;
    QRectF rulersShown; // the part of the scene the rulers last measured
    designRuler *top;
    designRuler *left;
};

class QLabel;
// The status line under the canvas: the pointer's position and the selection's size.
QLabel *makeStatusLine(designView *view, QWidget *parent);

// "X, Y" of the pointer and the selection's size, in dots and millimetres.
QString pointerText(const QPointF &scenePos, const PrinterResolution &resolution);
QString selectionText(const QRectF &bounds, const PrinterResolution &resolution);
