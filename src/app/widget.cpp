#include "widget.h"
#include "ui_widget.h"

#include "diagrambaritem.h"
#include "diagramcnt2item.h"
#include "diagramcntitem.h"
#include "diagramimageitem.h"
#include "diagramqrcodeitem.h"
#include "diagramscene.h"
#include "diagramtextitem.h"
#include "diagramtimeitem.h"
#include "emptypicture.h"
#include "undocommands.h"

#include <QButtonGroup>
#include <QDebug>
#include <QMenu>
#include <QUndoStack>

Widget::Widget(QWidget *parent) : QWidget(parent), ui(new Ui::Widget)
{
    ui->setupUi(this);

    scene = new diagramScene(this);
    scene->setSceneRect(0, 0, 80000, 300);
    scene->setBackgroundBrush(QBrush(Qt::white, Qt::SolidPattern));
    ui->graphicsView->setScene(scene);
    ui->graphicsView->centerOn(0, 0);
    ui->graphicsView->setDragMode(QGraphicsView::RubberBandDrag);
    connect(scene, &diagramScene::itemSelected, this, &Widget::itemSelected);
    setZoom("58%");

    createFileMenu();
    createEditActions();
    createCanvasActions();
    createInitialItems();
    setupTextPanels();
    setupMediaPanels();
    buttonGroupMenu();

    isUntitled = true;
    updateTitle();
    ui->cnt2PushButton->hide();
    // The panels share one place in the layout; at start the text panel is the one shown.
    for (QScrollArea *area : {ui->timeScrollArea, ui->barScrollArea, ui->imageScrollArea, ui->QRScrollArea,
                              ui->cntScrollArea, ui->cnt2ScrollArea})
        area->hide();
}

Widget::~Widget()
{
    // The history goes first: its steps own the items out of the design, and nothing is shown any more.
    undo->disconnect(this);
    delete undo;
    // The initial items never joined the scene, so nothing else owns them.
    delete initialTextItem;
    delete initialCntItem;
    delete initialCnt2Item;
    delete initialTimeItem;
    delete initialBarItem;
    delete initialImageItem;
    delete initialQRCodeItem;
    delete ui;
}

void Widget::createFileMenu()
{
    fileMenu = new QMenu(ui->filePushButton);
    newAction = new QAction(tr("新建"), fileMenu);
    openAction = new QAction(tr("打开"), fileMenu);
    saveAction = new QAction(tr("保存"), fileMenu);
    saveAsAction = new QAction(tr("另存为"), fileMenu);
    exitAction = new QAction(tr("退出"), fileMenu);
    deleteAction = new QAction(tr("删除"), fileMenu);
    connect(newAction, &QAction::triggered, this, &Widget::newActionSlot);
    connect(openAction, &QAction::triggered, this, &Widget::openActionSlot);
    connect(saveAction, &QAction::triggered, this, &Widget::saveActionSlot);
    connect(saveAsAction, &QAction::triggered, this, &Widget::saveAsActionSlot);
    connect(exitAction, &QAction::triggered, this, &Widget::exitActionSlot);
    connect(deleteAction, &QAction::triggered, this, &Widget::deleteActionSlot);
    fileMenu->addActions({newAction, openAction, saveAction, saveAsAction, exitAction, deleteAction});
    ui->filePushButton->setMenu(fileMenu);
}

void Widget::createInitialItems()
{
    currentTextItem = initialTextItem = new diagramTextItem;
    currentCntItem = initialCntItem = new diagramCntItem;
    currentCnt2Item = initialCnt2Item = new diagramCnt2Item;
    currentTimeItem = initialTimeItem = new diagramTimeItem;
    currentImageItem = initialImageItem = new diagramImageItem;
    currentBarItem = initialBarItem = new diagramBarItem;
    currentQRCodeItem = initialQRCodeItem = new diagramQRCodeItem;
}

void Widget::resetCurrentItems()
{
    forgetItem(nullptr);
}

namespace
{
template <typename Item> void fallBack(Item *&current, Item *initial, const QGraphicsItem *gone)
{
    if (!gone || current == gone)
        current = initial;
}
} // namespace

void Widget::forgetItem(const QGraphicsItem *gone)
{
    fallBack(currentTextItem, initialTextItem, gone);
    fallBack(currentCntItem, initialCntItem, gone);
    fallBack(currentCnt2Item, initialCnt2Item, gone);
    fallBack(currentTimeItem, initialTimeItem, gone);
    fallBack(currentBarItem, initialBarItem, gone);
    fallBack(currentImageItem, initialImageItem, gone);
    fallBack(currentQRCodeItem, initialQRCodeItem, gone);
}

void Widget::setZoom(const QString &text)
{
    const double factor = text.left(text.indexOf(tr("%"))).toDouble() / 100.0;
    const QTransform old = ui->graphicsView->transform();
    ui->graphicsView->resetTransform();
    ui->graphicsView->translate(old.dx(), old.dy());
    ui->graphicsView->scale(factor, factor);
}

void Widget::buttonGroupMenu()
{
    buttonGroup = new QButtonGroup(this);
    buttonGroup->addButton(ui->textPushButton, 1);
    buttonGroup->addButton(ui->timePushButton, 4);
    buttonGroup->addButton(ui->cntPushButton, 2);
    buttonGroup->addButton(ui->cnt2PushButton, 3);
    buttonGroup->addButton(ui->imagePushButton, 5);
    buttonGroup->addButton(ui->QRCodePushButton, 6);
    buttonGroup->addButton(ui->barPushButton, 7);
    connect(buttonGroup, &QButtonGroup::idClicked, this, &Widget::buttonItemsClicked);
}

// The rightmost edge of the design, ignoring items beyond the strip's last pixel and (through the
// unsigned comparison) items lying wholly left of the origin.
int Widget::insertionX() const
{
    quint32 right = 0;
    for (QGraphicsItem *item : scene->items()) {
        const QRectF box = emptyPicture::printedSceneRect(*item);
        const quint32 edge = static_cast<quint32>(static_cast<qint32>(box.left() + box.width()));
        if (edge > right && edge <= 79999)
            right = edge;
    }
    return static_cast<int>(right);
}

void Widget::buttonItemsClicked(int id)
{
    const int x = insertionX();
    qDebug() << "itemRigth = " << x;
    ui->graphicsView->centerOn(x, 0);

    // Pictures are generated once: the defaults never fail, so a second generation would only repeat the
    // same work for the same picture.
    QGraphicsItem *item = nullptr;
    switch (id) {
    case 2:
        item = createdItem(currentCntItem);
        break;
    case 3:
        item = createdItem(currentCnt2Item);
        break;
    case 4:
        item = createdItem(currentTimeItem);
        break;
    case 5:
        item = currentImageItem = new diagramImageItem;
        currentImageItem->showPlaceholder();
        break;
    case 6:
        item = currentQRCodeItem = new diagramQRCodeItem;
        currentQRCodeItem->regenerate();
        break;
    case 7:
        item = currentBarItem = new diagramBarItem;
        showBarcodeFormatErrorBox(currentBarItem->regenerate());
        break;
    default:
        item = createdItem(currentTextItem);
        break;
    }
    addCreatedItem(item, x);
}

template <typename TextItem> QGraphicsItem *Widget::createdItem(TextItem *&current)
{
    current = new TextItem;
    current->showFields();
    return current;
}

void Widget::addCreatedItem(QGraphicsItem *item, int x)
{
    item->setPos(x, 0);
    // The panel of the new item is loaded below; the shown one is not reloaded from another item first.
    loadingPanel = true;
    undo->push(new addItemsCommand(tr("新建对象"), scene, {item},
                                   [this](QGraphicsItem *gone) { forgetItem(gone); }));
    loadingPanel = false;
    // The new item is the selection, so the panel and the highlighted item agree.
    scene->clearSelection();
    item->setSelected(true);
    itemSelected(item);
}

void Widget::itemSelected(QGraphicsItem *item)
{
    if (!item)
        return;
    if (item->x() < 0)
        item->setX(0);
    // Loading writes the panel's view back to the item; that is no step of its own in the history.
    const bool wasLoading = loadingPanel;
    loadingPanel = true;
    selectItem(item);
    loadingPanel = wasLoading;
}

void Widget::selectItem(QGraphicsItem *item)
{
    // Kinds without a content leave nothing in the editor that "完成" could seem to apply.
    if (item->type() != textItemType && item->type() != barItemType && item->type() != qrItemType)
        ui->lineEdit->clear();
    switch (item->type()) {
    case textItemType:
        showPanel(0);
        currentTextItem = static_cast<diagramTextItem *>(item);
        loadTextPanel(0);
        ui->lineEdit->setText(currentTextItem->content);
        break;
    case cnt2ItemType:
        showPanel(6);
        currentCnt2Item = static_cast<diagramCnt2Item *>(item);
        loadTextPanel(6);
        break;
    case cntItemType:
        showPanel(5);
        currentCntItem = static_cast<diagramCntItem *>(item);
        loadTextPanel(5);
        break;
    case barItemType:
        showPanel(3);
        currentBarItem = static_cast<diagramBarItem *>(item);
        loadMediaPanel(3);
        ui->lineEdit->setText(currentBarItem->content);
        break;
    case imageItemType:
        showPanel(4);
        currentImageItem = static_cast<diagramImageItem *>(item);
        loadMediaPanel(4);
        break;
    case timeItemType:
        showPanel(2);
        currentTimeItem = static_cast<diagramTimeItem *>(item);
        loadTextPanel(2);
        break;
    case qrItemType:
        showPanel(7);
        currentQRCodeItem = static_cast<diagramQRCodeItem *>(item);
        loadMediaPanel(7);
        ui->lineEdit->setText(currentQRCodeItem->content);
        break;
    default:
        break;
    }
}

void Widget::showPanel(int kind)
{
    struct panelRow {
        int kind;
        QScrollArea *area;
        bool editable;
    };
    const panelRow rows[] = {
        {0, ui->textScrollArea, true},   {2, ui->timeScrollArea, false}, {3, ui->barScrollArea, true},
        {4, ui->imageScrollArea, false}, {5, ui->cntScrollArea, false},  {6, ui->cnt2ScrollArea, false},
        {7, ui->QRScrollArea, true},
    };
    currentPanel = kind;
    for (const panelRow &row : rows) {
        if (row.kind == kind) {
            row.area->setEnabled(true);
            row.area->show();
            ui->editPushButton->setEnabled(row.editable);
        } else {
            row.area->hide();
        }
    }
}

void Widget::disablePanels()
{
    for (QScrollArea *area : {ui->textScrollArea, ui->timeScrollArea, ui->barScrollArea, ui->imageScrollArea,
                              ui->QRScrollArea, ui->cntScrollArea, ui->cnt2ScrollArea})
        area->setEnabled(false);
    ui->editPushButton->setEnabled(false);
}

void Widget::on_editPushButton_clicked()
{
    const QString text = ui->lineEdit->text();
    QGraphicsItem *const targets[] = {currentTextItem, nullptr, nullptr, currentBarItem,
                                      nullptr,         nullptr, nullptr, currentQRCodeItem};
    const editScope scope(this, currentPanel >= 0 && currentPanel <= 7 ? targets[currentPanel] : nullptr,
                          "edit");
    switch (currentPanel) {
    case 3:
        currentBarItem->content = text.isEmpty() ? QStringLiteral("6901234567891") : text;
        showBarcodeFormatErrorBox(currentBarItem->regenerate());
        showPanel(3);
        break;
    case 7:
        currentQRCodeItem->content = text.isEmpty() ? QStringLiteral("123") : text;
        currentQRCodeItem->regenerate();
        showPanel(7);
        break;
    case 0:
        currentTextItem->setPlainText(text);
        currentTextItem->content = text;
        showPanel(0);
        break;
    default:
        break;
    }
}

// Removed items live on in their undo step; any current-item field that pointed at one falls back to the
// off-scene initial item of its kind, so no later edit can reach an item outside the design.
void Widget::on_deletePushButton_clicked()
{
    undoableDelete(scene->selectedItems(), tr("删除"));
}

void Widget::exitActionSlot()
{
    emit requireBeep();
    close();
}
