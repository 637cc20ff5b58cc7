// The canvas's editing commands: clipboard, duplicate, select all, zoom, and the context menu that offers
// them with the mouse.
#include "canvasedit.h"
#include "ui_widget.h"
#include "widget.h"

#include "layoutaids.h"
#include "livetext.h"
#include "placedscan.h"

#include "diagramimageitem.h"
#include "diagramscene.h"
#include "kindpanels.h"
#include "placement.h"
#include "printstrip.h"
#include "sprdocument.h"
#include "sprsections.h"
#include "undocommands.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGraphicsItem>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QScrollBar>
#include <QUndoStack>
#include <QWheelEvent>
#include <cmath>

namespace
{
const QString sectionsMimeType = QStringLiteral("application/x-spr-sections");
constexpr double startZoom = 0.58;
constexpr int pasteOffset = 20;

// The selection in the order a file lists items: top-most first.
QList<QGraphicsItem *> selectedInFileOrder(QGraphicsScene *scene)
{
    QList<QGraphicsItem *> items;
    for (QGraphicsItem *item : scene->items(Qt::DescendingOrder))
        if (item->isSelected())
            items.append(item);
    return items;
}

// Our own form keeps the pictures where they are on this machine; the plain text is what a file holds.
QByteArray localSections(const QList<QGraphicsItem *> &items)
{
    QByteArray out;
    for (QGraphicsItem *item : items) {
        QByteArray section = sprItemSections({item});
        if (item->type() == imageItemType) {
            const QString path = static_cast<diagramImageItem *>(item)->pixPath;
            section.replace("ImagePixPath =" + printerPicturePath(path).toUtf8(),
                            "ImagePixPath =" + path.toUtf8());
        }
        out += section;
    }
    return out;
}

bool occupied(QGraphicsScene *scene, const QGraphicsItem *like, const QPointF &pos)
{
    for (const QGraphicsItem *item : scene->items())
        if (item != like && item->type() == like->type() && item->pos() == pos)
            return true;
    return false;
}
} // namespace

canvasEdit::canvasEdit(Widget *window) : QObject(window), window(window), ui(window->ui), scene(window->scene)
{
    createCanvasActions();
}

void canvasEdit::setZoom(QGraphicsView *view, const QString &text)
{
    const double factor = text.left(text.indexOf(Widget::tr("%"))).toDouble() / 100.0;
    const QTransform old = view->transform();
    view->resetTransform();
    view->translate(old.dx(), old.dy());
    view->scale(factor, factor);
}

void canvasEdit::createCanvasActions()
{
    const struct {
        const char *text;
        QKeySequence keys;
        void (canvasEdit::*slot)();
    } rows[] = {
        {QT_TRANSLATE_NOOP("Widget", "剪切"), QKeySequence::Cut, &canvasEdit::cutSelection},
        {QT_TRANSLATE_NOOP("Widget", "复制"), QKeySequence::Copy, &canvasEdit::copySelection},
        {QT_TRANSLATE_NOOP("Widget", "粘贴"), QKeySequence::Paste, &canvasEdit::pasteSections},
        // Ctrl+D is Delete on X11, which leaves it to neither.
        {QT_TRANSLATE_NOOP("Widget", "复制一份"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D),
         &canvasEdit::duplicateSelection},
        {QT_TRANSLATE_NOOP("Widget", "全选"), QKeySequence::SelectAll, &canvasEdit::selectAllItems},
        {QT_TRANSLATE_NOOP("Widget", "放大"), QKeySequence::ZoomIn, &canvasEdit::zoomIn},
        {QT_TRANSLATE_NOOP("Widget", "缩小"), QKeySequence::ZoomOut, &canvasEdit::zoomOut},
        {QT_TRANSLATE_NOOP("Widget", "适合窗口"), QKeySequence(), &canvasEdit::zoomToFit},
        {QT_TRANSLATE_NOOP("Widget", "原始比例"), QKeySequence(Qt::CTRL | Qt::Key_0),
         &canvasEdit::zoomToStart},
    };
    for (const auto &row : rows) {
        QAction *action = new QAction(window);
        liveText::set(action, "text", "Widget", row.text);
        action->setShortcut(row.keys);
        connect(action, &QAction::triggered, this, row.slot);
        window->addAction(action);
        canvasActions.append(action);
    }
    zoomLabel = new QLabel(window);
    zoomLabel->setAlignment(Qt::AlignCenter);
    ui->verticalLayout->addWidget(zoomLabel);
    ui->graphicsView->viewport()->installEventFilter(this);
    showZoom();
}

void canvasEdit::copySelection()
{
    const QList<QGraphicsItem *> items = selectedInFileOrder(scene);
    if (items.isEmpty())
        return;
    auto *data = new QMimeData;
    data->setText(QString::fromUtf8(sprItemSections(items)));
    data->setData(sectionsMimeType, localSections(items));
    QApplication::clipboard()->setMimeData(data);
}

void canvasEdit::cutSelection()
{
    copySelection();
    window->undoableDelete(scene->selectedItems(), Widget::tr("剪切"));
}

void canvasEdit::pasteSections()
{
    const QMimeData *data = QApplication::clipboard()->mimeData();
    if (!data)
        return;
    pasteText(data->hasFormat(sectionsMimeType) ? data->data(sectionsMimeType) : data->text().toUtf8());
}

void canvasEdit::duplicateSelection()
{
    const QList<QGraphicsItem *> items = selectedInFileOrder(scene);
    if (!items.isEmpty())
        pasteText(localSections(items));
}

void canvasEdit::selectAllItems()
{
    for (QGraphicsItem *item : scene->items())
        item->setSelected(true);
}

// Sections from any source: whatever is not a section of ours is ignored by the reader.
void canvasEdit::pasteText(const QByteArray &sections)
{
    QGraphicsScene parsed;
    setUpDesignScene(parsed);
    int count = 0;
    for (const QByteArray &line : sections.split('\n'))
        if (sectionForHeader(QString::fromUtf8(line).trimmed()))
            ++count;
    if (count == 0 || count > 10000)
        return;
    const QByteArray header =
        "[FileInfo]\r\nSceneWidth =0\r\nSceneHeight =" + QByteArray::number(stripHeight) +
        "\r\nDynamicItemNum =0\r\nTotalItemNum =" + QByteArray::number(count) + "\r\n";
    readSprData(header + sections, parsed);
    QList<QGraphicsItem *> items = parsed.items(Qt::AscendingOrder);
    if (items.isEmpty())
        return;
    // Beside the originals when they are still there, otherwise at the right edge of the design.
    bool originalsHere = false;
    for (QGraphicsItem *item : items)
        originalsHere = originalsHere || occupied(scene, item, item->pos());
    qreal left = placementMaxX;
    for (QGraphicsItem *item : items)
        left = qMin(left, item->x());
    QPointF shift =
        originalsHere ? QPointF(pasteOffset, pasteOffset) : QPointF(window->insertionX() - left, 0);
    for (QGraphicsItem *item : items) {
        parsed.removeItem(item);
        QPointF pos = clampedPlacement(*item, item->pos() + shift);
        for (int tries = 0; tries < 100 && occupied(scene, item, pos); ++tries)
            pos = clampedPlacement(*item, pos + QPointF(pasteOffset, 0));
        item->setPos(clampedPlacement(*item, clearOfQuietZones(*scene, *item, pos)));
    }
    kindPanels *kinds = window->kinds.get();
    kinds->loading = true;
    window->undo->push(new addItemsCommand(Widget::tr("粘贴"), scene, items,
                                           [kinds](QGraphicsItem *gone) { kinds->forget(gone); }));
    kinds->loading = false;
    scene->clearSelection();
    for (QGraphicsItem *item : items)
        item->setSelected(true);
    window->itemSelected(items.last());
}

void canvasEdit::setViewScale(double factor)
{
    factor = qBound(0.05, factor, 8.0);
    const double now = ui->graphicsView->transform().m11();
    ui->graphicsView->scale(factor / now, factor / now);
    showZoom();
}

void canvasEdit::showZoom()
{
    if (zoomLabel)
        zoomLabel->setText(QStringLiteral("%1%").arg(qRound(ui->graphicsView->transform().m11() * 100)));
}

void canvasEdit::zoomIn()
{
    setViewScale(ui->graphicsView->transform().m11() * 1.25);
}

void canvasEdit::zoomOut()
{
    setViewScale(ui->graphicsView->transform().m11() / 1.25);
}

void canvasEdit::zoomToStart()
{
    setViewScale(startZoom);
}

void canvasEdit::zoomToFit()
{
    const qreal right = qMax<qreal>(designRightEdge(*scene), stripHeight);
    ui->graphicsView->fitInView(QRectF(0, 0, right, scene->sceneRect().height()), Qt::KeepAspectRatio);
    showZoom();
}

bool canvasEdit::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != ui->graphicsView->viewport())
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::Wheel) {
        auto *wheel = static_cast<QWheelEvent *>(event);
        const int delta = wheel->angleDelta().y() != 0 ? wheel->angleDelta().y() : wheel->angleDelta().x();
        if (wheel->modifiers() & Qt::ControlModifier) {
            // Around the pointer: the scene point under it stays under it.
            QGraphicsView *view = ui->graphicsView;
            const QGraphicsView::ViewportAnchor anchor = view->transformationAnchor();
            view->setTransformationAnchor(QGraphicsView::AnchorUnderMouse);
            setViewScale(view->transform().m11() * std::pow(1.25, delta / 120.0));
            view->setTransformationAnchor(anchor);
        } else {
            // The strip is long and low: the wheel scrolls along it.
            QScrollBar *bar = ui->graphicsView->horizontalScrollBar();
            bar->setValue(bar->value() - delta);
        }
        return true;
    }
    if (event->type() == QEvent::ContextMenu) {
        QMenu menu(window);
        menu.addAction(window->undo->createUndoAction(&menu, Widget::tr("撤销")));
        menu.addAction(window->undo->createRedoAction(&menu, Widget::tr("重做")));
        menu.addSeparator();
        menu.addActions(canvasActions);
        menu.addSeparator();
        menu.addMenu(window->layout->menu());
        menu.exec(static_cast<QContextMenuEvent *>(event)->globalPos());
        return true;
    }
    return QObject::eventFilter(watched, event);
}
