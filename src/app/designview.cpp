#include "designview.h"

#include "itemtabbing.h"
#include "printstrip.h"

#include <QCoreApplication>
#include <QGraphicsItem>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <cmath>
#include <memory>

namespace
{
constexpr int rulerThickness = 30;

// The first step of 1, 2 or 5 times a power of ten that puts labels at least minPixels apart.
double labelStep(double pixelsPerUnit, double minPixels)
{
    for (double power = 1;; power *= 10)
        for (double factor : {1.0, 2.0, 5.0})
            if (factor * power * pixelsPerUnit >= minPixels || power > 1e6)
                return factor * power;
}
} // namespace

// One ruler: dots on the half next to the canvas, millimetres on the outer half.
class designRuler : public QWidget
{
public:
    designRuler(designView *view, Qt::Orientation orientation)
        : QWidget(view), view(view), orientation(orientation)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), palette().window());
        QFont small = font();
        small.setPointSizeF(7);
        painter.setFont(small);
        const bool across = orientation == Qt::Vertical;
        const double pixelsPerDot = across ? view->transform().m22() : view->transform().m11();
        const double dotsPerMm =
            across ? view->resolution().acrossDotsPerMm : view->resolution().alongDotsPerMm;
        const struct {
            double dotsPerUnit;
            QColor colour;
            bool inner;
        } scales[] = {{1.0, Qt::black, true}, {dotsPerMm, QColor(0, 90, 170), false}};
        for (const auto &scale : scales)
            drawScale(painter, pixelsPerDot * scale.dotsPerUnit, scale.dotsPerUnit, scale.colour,
                      scale.inner);
    }

private:
    // Pixel position on this ruler of a scene coordinate.
    double at(double scene) const
    {
        const QPoint p =
            view->mapFromScene(orientation == Qt::Horizontal ? QPointF(scene, 0) : QPointF(0, scene));
        return orientation == Qt::Horizontal ? p.x() : p.y();
    }
    void drawScale(QPainter &painter, double pixelsPerUnit, double dotsPerUnit, const QColor &colour,
                   bool inner)
    {
        const double step = labelStep(pixelsPerUnit, 40);
        const QRectF shown = view->mapToScene(view->viewport()->rect()).boundingRect();
        const double from = orientation == Qt::Horizontal ? shown.left() : shown.top();
        const double to = orientation == Qt::Horizontal ? shown.right() : shown.bottom();
        painter.setPen(colour);
        const int half = rulerThickness / 2;
        for (double unit = std::floor(from / dotsPerUnit / step) * step; unit * dotsPerUnit <= to;
             unit += step / 5) {
            const double pos = at(unit * dotsPerUnit);
            const bool major = std::fmod(std::abs(unit) + 1e-9, step) < 1e-6;
            const int length = major ? half - 2 : 4;
            if (orientation == Qt::Horizontal) {
                const int base = inner ? height() : half;
                painter.drawLine(QPointF(pos, base), QPointF(pos, base - length));
                if (major)
                    painter.drawText(QPointF(pos + 2, base - 6), QString::number(unit));
            } else {
                const int base = inner ? width() : half;
                painter.drawLine(QPointF(base, pos), QPointF(base - length, pos));
                // Turned to run along the ruler, as on the top one: across, the half is too narrow.
                if (major) {
                    painter.save();
                    painter.translate(base - 6, pos - 2);
                    painter.rotate(-90);
                    painter.drawText(QPointF(0, 0), QString::number(unit));
                    painter.restore();
                }
            }
        }
    }

    designView *view;
    Qt::Orientation orientation;
};

designView::designView(QWidget *parent)
    : QGraphicsView(parent), dots(loadPrinterResolution()), top(new designRuler(this, Qt::Horizontal)),
      left(new designRuler(this, Qt::Vertical))
{
    setViewportMargins(rulerThickness, rulerThickness, 0, 0);
    setMouseTracking(true);
    new itemTabbing(this);
}

void designView::setResolution(const PrinterResolution &resolution)
{
    dots = resolution;
    top->update();
    left->update();
}

void designView::setStripEnd(qreal end)
{
    if (end == stripEnd)
        return;
    stripEnd = end;
    viewport()->update();
}

double designView::heightScale() const
{
    return (viewport()->height() - 2 * frameWidth()) / double(stripHeight);
}

// The strip as the printer sees it: 300 dots across, as long as the design.
void designView::fitHeight()
{
    const double factor = qBound(0.05, heightScale(), 8.0);
    const double now = transform().m11();
    scale(factor / now, factor / now);
    horizontalScrollBar()->setValue(horizontalScrollBar()->minimum());
    verticalScrollBar()->setValue(verticalScrollBar()->minimum());
    emit zoomed();
}

void designView::drawForeground(QPainter *painter, const QRectF &rect)
{
    // The scene's own foreground: the outline of a selected symbol and its quiet zones.
    QGraphicsView::drawForeground(painter, rect);
    QPen pen(QColor(0, 120, 215), 0, Qt::DashLine);
    painter->setPen(pen);
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(QRectF(0, 0, std::max<qreal>(stripEnd, stripHeight), stripHeight));
}

void designView::resizeEvent(QResizeEvent *event)
{
    QGraphicsView::resizeEvent(event);
    const QRect area = contentsRect();
    top->setGeometry(area.left() + rulerThickness, area.top(), area.width() - rulerThickness, rulerThickness);
    left->setGeometry(area.left(), area.top() + rulerThickness, rulerThickness,
                      area.height() - rulerThickness);
}

void designView::scrollContentsBy(int dx, int dy)
{
    QGraphicsView::scrollContentsBy(dx, dy);
    followRulers();
}

// Zooming changes the transform without scrolling: the rulers follow every repaint of the canvas.
bool designView::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::Paint)
        followRulers();
    return QGraphicsView::viewportEvent(event);
}

// A ruler is drawn again only when the part of the scene along it moved or changed scale: a wheel step
// along the strip leaves the ruler across it as it was.
void designView::followRulers()
{
    const QRectF shown = mapToScene(viewport()->rect()).boundingRect();
    if (shown.left() != rulersShown.left() || shown.right() != rulersShown.right())
        top->update();
    if (shown.top() != rulersShown.top() || shown.bottom() != rulersShown.bottom())
        left->update();
    rulersShown = shown;
}

void designView::mouseMoveEvent(QMouseEvent *event)
{
    emit pointerMoved(mapToScene(event->pos()));
    QGraphicsView::mouseMoveEvent(event);
}

QString pointerText(const QPointF &scenePos, const PrinterResolution &resolution)
{
    // The dot under the pointer, and where that dot starts in millimetres.
    const double x = std::floor(scenePos.x()), y = std::floor(scenePos.y());
    return QCoreApplication::translate("designView", "X %1 Y %2 点（%3 × %4 毫米）")
        .arg(x)
        .arg(y)
        .arg(resolution.alongMm(x), 0, 'f', 2)
        .arg(resolution.acrossMm(y), 0, 'f', 2);
}

QString selectionText(const QRectF &bounds, const PrinterResolution &resolution)
{
    if (bounds.isEmpty())
        return QString();
    // The whole dots covered: an item's bounds reach half a dot past its picture on each side.
    const double width = std::floor(bounds.right()) - std::ceil(bounds.left());
    const double height = std::floor(bounds.bottom()) - std::ceil(bounds.top());
    return QCoreApplication::translate("designView", "所选 %1 × %2 点（%3 × %4 毫米）")
        .arg(width)
        .arg(height)
        .arg(resolution.alongMm(width), 0, 'f', 2)
        .arg(resolution.acrossMm(height), 0, 'f', 2);
}

QLabel *makeStatusLine(designView *view, QWidget *parent)
{
    auto *line = new QLabel(parent);
    line->setObjectName(QStringLiteral("statusLine"));
    line->setAccessibleName(QCoreApplication::translate("designView", "状态栏"));
    const auto pointer = std::make_shared<QPointF>();
    auto show = [view, line, pointer] {
        QRectF bounds;
        if (view->scene())
            for (const QGraphicsItem *item : view->scene()->selectedItems())
                bounds = bounds.united(item->sceneBoundingRect());
        line->setText(pointerText(*pointer, view->resolution()) + QStringLiteral("    ") +
                      selectionText(bounds, view->resolution()));
    };
    QObject::connect(view, &designView::pointerMoved, line, [pointer, show](const QPointF &at) {
        *pointer = at;
        show();
    });
    if (view->scene())
        // Through the window, which cuts its links to the scene before the scene goes.
        QObject::connect(view->scene(), &QGraphicsScene::selectionChanged, parent, show);
    show();
    return line;
}
