#include "widget.h"
#include "ui_widget.h"

#include "designview.h"
#include "diagrambaritem.h"
#include "diagramcnt2item.h"
#include "diagramcntitem.h"
#include "diagramimageitem.h"
#include "diagramqrcodeitem.h"
#include "diagramscene.h"
#include "diagramtextitem.h"
#include "diagramtimeitem.h"
#include "helppage.h"
#include "languagemenu.h"
#include "layoutaids.h"
#include "livetext.h"
#include "placedscan.h"
#include "printerdialog.h"
#include "printpreview.h"
#include "recentfiles.h"
#include "recovery.h"
#include "sprdocument.h"
#include "undocommands.h"
#include "windowsettings.h"

#include <QButtonGroup>
#include <QDebug>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <QUndoStack>
#include <array>
#include <functional>
#include <utility>

namespace
{
// The panels by panel kind, each in its scroll area, and whether the content editor applies to it.
struct panelRow {
    int kind;
    QScrollArea *area;
    bool editable;
};

std::array<panelRow, 7> panelRows(const Ui::Widget &ui)
{
    return {{
        {0, ui.textScrollArea, true},
        {2, ui.timeScrollArea, false},
        {3, ui.barScrollArea, true},
        {4, ui.imageScrollArea, false},
        {5, ui.cntScrollArea, false},
        {6, ui.cnt2ScrollArea, false},
        {7, ui.QRScrollArea, true},
    }};
}
} // namespace

Widget::Widget(QWidget *parent) : QWidget(parent), ui(new Ui::Widget)
{
    ui->setupUi(this);

    scene = new diagramScene(this);
    setUpDesignScene(*scene);
    ui->graphicsView->setScene(scene);
    ui->graphicsView->centerOn(0, 0);
    ui->graphicsView->setDragMode(QGraphicsView::RubberBandDrag);
    connect(scene, &diagramScene::itemSelected, this, &Widget::itemSelected);
    setZoom("58%");

    createFileMenu();
    createPackAction();
    createEditActions();
    recovery = new recoveryKeeper(
        undo, [this](const QString &path, QString *reason) { return saveSprFile(path, *scene, reason); },
        [this] { return isUntitled ? QString() : currentFilePath; }, this);
    layout = new layoutAids(ui->graphicsView, undo, this);
    auto *layoutButton = new QPushButton(ui->widget);
    layoutButton->setObjectName(QStringLiteral("layoutPushButton"));
    layoutButton->setFont(ui->filePushButton->font());
    layoutButton->setStyleSheet(ui->filePushButton->styleSheet());
    layoutButton->setSizePolicy(ui->filePushButton->sizePolicy());
    layoutButton->setMenu(layout->menu());
    liveText::set(layoutButton, "text", "Widget", QT_TR_NOOP("排列"));
    liveText::set(layoutButton, "toolTip", "Widget", QT_TR_NOOP("对齐、分布和叠放所选对象，网格"));
    liveText::set(layoutButton, "accessibleName", "Widget", QT_TR_NOOP("排列"));
    ui->verticalLayout->insertWidget(ui->verticalLayout->indexOf(ui->filePushButton), layoutButton);
    setupCanvasAids();
    recovery->setOpener(
        [this](const QString &copy, const QString &original) { return openRecovered(copy, original); });
    createCanvasActions();
    createInitialItems();
    setupTextPanels();
    setupMediaPanels();
    setupDataFileRouting();
    setupPreview();
    buttonGroupMenu();

    isUntitled = true;
    updateTitle();
    ui->cnt2PushButton->hide();
    // The panels share one place in the layout; at start the text panel is the one shown.
    for (const panelRow &row : panelRows(*ui)) {
        if (row.kind != 0)
            row.area->hide();
    }
    windowSettings::restoreGeometry(*this);
}

Widget::~Widget()
{
    // The history goes first: its steps own the items out of the design, and nothing is shown any more.
    undo->disconnect(this);
    scene->disconnect(this);
    // The preview goes before the scene whose items it refers to.
    preview.reset();
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

void Widget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        liveText::refresh(this);
        updateTitle();
        showZoom();
        // Texts the panel shows from its item come back over the form's.
        refreshPanel();
    }
    QWidget::changeEvent(event);
}

// The strip's outline follows the design; the status line and the fit buttons sit beside the canvas.
void Widget::setupCanvasAids()
{
    designView *view = ui->graphicsView;
    connect(undo, &QUndoStack::indexChanged, view,
            [this, view] { view->setStripEnd(designRightEdge(*scene)); });
    connect(view, &designView::zoomed, this, &Widget::showZoom);
    ui->canvasLayout->insertWidget(1, makeStatusLine(view, this));
    auto *fits = new QHBoxLayout;
    const struct {
        const char *name, *text, *tip;
        std::function<void()> run;
    } rows[] = {
        {"fitHeightButton", QT_TR_NOOP("高度"), QT_TR_NOOP("适合高度：显示整个 300 点的高度"),
         [view] { view->fitHeight(); }},
        {"fitDesignButton", QT_TR_NOOP("全部"), QT_TR_NOOP("适合设计：显示整个设计"),
         [this] { zoomToFit(); }},
    };
    for (const auto &row : rows) {
        auto *button = new QPushButton(ui->widget);
        button->setObjectName(QLatin1String(row.name));
        liveText::set(button, "text", "Widget", row.text);
        liveText::set(button, "toolTip", "Widget", row.tip);
        liveText::set(button, "accessibleName", "Widget", row.tip);
        connect(button, &QPushButton::clicked, this, row.run);
        fits->addWidget(button);
    }
    ui->verticalLayout->addLayout(fits);
    // Once the window has its size: the whole height when it is still legible.
    QTimer::singleShot(0, view, [view] {
        if (view->isVisible() && view->heightScale() >= 0.3)
            view->fitHeight();
    });
}

void Widget::createFileMenu()
{
    fileMenu = new QMenu(ui->filePushButton);
    const std::pair<QAction **, const char *> rows[] = {
        {&newAction, QT_TR_NOOP("新建")},  {&openAction, QT_TR_NOOP("打开")},
        {&saveAction, QT_TR_NOOP("保存")}, {&saveAsAction, QT_TR_NOOP("另存为")},
        {&exitAction, QT_TR_NOOP("退出")}, {&deleteAction, QT_TR_NOOP("删除")},
    };
    for (const auto &row : rows) {
        *row.first = new QAction(fileMenu);
        liveText::set(*row.first, "text", "Widget", row.second);
    }
    connect(newAction, &QAction::triggered, this, &Widget::newActionSlot);
    connect(openAction, &QAction::triggered, this, &Widget::openActionSlot);
    connect(saveAction, &QAction::triggered, this, &Widget::saveActionSlot);
    connect(saveAsAction, &QAction::triggered, this, &Widget::saveAsActionSlot);
    connect(exitAction, &QAction::triggered, this, &Widget::exitActionSlot);
    connect(deleteAction, &QAction::triggered, this, &Widget::deleteActionSlot);
    fileMenu->addActions({newAction, openAction, saveAction, saveAsAction, exitAction, deleteAction});
    recent = new recentFiles(fileMenu, this);
    connect(recent, &recentFiles::openRequested, this, [this](const QString &path) {
        if (maySetDesignAside())
            openDocument(path);
    });
    fileMenu->addSeparator();
    QAction *printer = fileMenu->addAction(QString(), this, [this] {
        if (printerDialog::edit(this))
            ui->graphicsView->setResolution(loadPrinterResolution());
    });
    liveText::set(printer, "text", "Widget", QT_TR_NOOP("打印机分辨率…"));
    fileMenu->addMenu(new languageMenu(fileMenu));
    QAction *help = fileMenu->addAction(QString(), this, [this] { helpPage::show(this); });
    help->setShortcut(QKeySequence::HelpContents);
    addAction(help); // so that F1 works while the menu is closed
    liveText::set(help, "text", "Widget", QT_TR_NOOP("帮助"));
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

int Widget::insertionX() const
{
    return static_cast<int>(designRightEdge(*scene));
}

void Widget::buttonItemsClicked(int id)
{
    const int x = insertionX();
    qDebug() << "itemRigth = " << x;
    ui->graphicsView->centerOn(x, 0);

    // Pictures are generated once: the defaults never fail, so a second generation would only repeat the
    // same work for the same picture. Any other id makes a text item.
    const std::pair<int, std::function<QGraphicsItem *()>> tools[] = {
        {2, [this] { return createdItem(currentCntItem); }},
        {3, [this] { return createdItem(currentCnt2Item); }},
        {4, [this] { return createdItem(currentTimeItem); }},
        {5,
         [this]() -> QGraphicsItem * {
             currentImageItem = new diagramImageItem;
             currentImageItem->showPlaceholder();
             return currentImageItem;
         }},
        {6,
         [this]() -> QGraphicsItem * {
             currentQRCodeItem = new diagramQRCodeItem;
             currentQRCodeItem->regenerate();
             return currentQRCodeItem;
         }},
        {7,
         [this]() -> QGraphicsItem * {
             currentBarItem = new diagramBarItem;
             showBarcodeFormatErrorBox(currentBarItem->regenerate(), *currentBarItem);
             return currentBarItem;
         }},
    };
    std::function<QGraphicsItem *()> make = [this] { return createdItem(currentTextItem); };
    for (const auto &tool : tools) {
        if (tool.first == id)
            make = tool.second;
    }
    QGraphicsItem *item = make();
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
    // A symbol keeps its quiet zones clear, and nothing is put into a symbol's quiet zone.
    item->setPos(clearOfQuietZones(*scene, *item, QPointF(x, 0)));
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
    // Per kind: the panel that edits it, and how it becomes the current item of its kind, handing back
    // its content for the editor when it has one.
    struct kindRow {
        int type;
        int panel;
        std::function<const QString *(QGraphicsItem *)> makeCurrent;
    };
    const kindRow kinds[] = {
        {textItemType, 0,
         [this](QGraphicsItem *i) {
             return &(currentTextItem = static_cast<diagramTextItem *>(i))->content;
         }},
        {cnt2ItemType, 6,
         [this](QGraphicsItem *i) -> const QString * {
             currentCnt2Item = static_cast<diagramCnt2Item *>(i);
             return nullptr;
         }},
        {cntItemType, 5,
         [this](QGraphicsItem *i) -> const QString * {
             currentCntItem = static_cast<diagramCntItem *>(i);
             return nullptr;
         }},
        {barItemType, 3,
         [this](QGraphicsItem *i) { return &(currentBarItem = static_cast<diagramBarItem *>(i))->content; }},
        {imageItemType, 4,
         [this](QGraphicsItem *i) -> const QString * {
             currentImageItem = static_cast<diagramImageItem *>(i);
             return nullptr;
         }},
        {timeItemType, 2,
         [this](QGraphicsItem *i) -> const QString * {
             currentTimeItem = static_cast<diagramTimeItem *>(i);
             return nullptr;
         }},
        {qrItemType, 7,
         [this](QGraphicsItem *i) {
             return &(currentQRCodeItem = static_cast<diagramQRCodeItem *>(i))->content;
         }},
    };
    // Kinds without a content leave nothing in the editor that "完成" could seem to apply.
    if (item->type() != textItemType && item->type() != barItemType && item->type() != qrItemType)
        ui->lineEdit->clear();
    for (const kindRow &kind : kinds) {
        if (kind.type != item->type())
            continue;
        showPanel(kind.panel);
        const QString *content = kind.makeCurrent(item);
        loadTextPanel(kind.panel);
        loadMediaPanel(kind.panel);
        if (content)
            ui->lineEdit->setText(*content);
        return;
    }
}

void Widget::showPanel(int kind)
{
    currentPanel = kind;
    for (const panelRow &row : panelRows(*ui)) {
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
    for (const panelRow &row : panelRows(*ui))
        row.area->setEnabled(false);
    ui->editPushButton->setEnabled(false);
}

void Widget::on_editPushButton_clicked()
{
    const QString text = ui->lineEdit->text();
    // Per panel with a content: the item it goes to and how it is applied there.
    struct contentRow {
        int panel;
        QGraphicsItem *item;
        std::function<void()> apply;
    };
    const contentRow rows[] = {
        {3, currentBarItem,
         [this, &text] {
             currentBarItem->content = text.isEmpty() ? diagramBarItem::defaultContent() : text;
             showBarcodeFormatErrorBox(currentBarItem->regenerate(), *currentBarItem);
         }},
        {7, currentQRCodeItem,
         [this, &text] {
             currentQRCodeItem->content = text.isEmpty() ? QStringLiteral("123") : text;
             currentQRCodeItem->regenerate();
         }},
        {0, currentTextItem,
         [this, &text] {
             currentTextItem->setPlainText(text);
             currentTextItem->content = text;
         }},
    };
    for (const contentRow &row : rows) {
        if (row.panel != currentPanel)
            continue;
        const editScope scope(this, row.item, "edit");
        row.apply();
        showPanel(row.panel);
        return;
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
