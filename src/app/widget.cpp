#include "widget.h"
#include "ui_widget.h"

#include "canvasedit.h"
#include "designview.h"
#include "diagramscene.h"
#include "helppage.h"
#include "kindpanels.h"
#include "kindrouting.h"
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
#include <functional>
#include <utility>

Widget::Widget(QWidget *parent) : QWidget(parent), ui(new Ui::Widget)
{
    ui->setupUi(this);

    scene = new diagramScene(this);
    setUpDesignScene(*scene);
    ui->graphicsView->setScene(scene);
    ui->graphicsView->centerOn(0, 0);
    ui->graphicsView->setDragMode(QGraphicsView::RubberBandDrag);
    connect(scene, &diagramScene::itemSelected, this, &Widget::itemSelected);
    canvasEdit::setZoom(ui->graphicsView, "58%");

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
    canvas = new canvasEdit(this);
    kinds = std::make_unique<kindPanels>(this);
    setupDataFileRouting();
    setupPreview();
    buttonGroupMenu();

    isUntitled = true;
    updateTitle();
    ui->cnt2PushButton->hide();
    // The panels share one place in the layout; at start the text panel is the one shown.
    for (const auto &kind : kinds->all()) {
        if (kind->row().panelKind != 0)
            kind->area()->hide();
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
    // The initial items go with their kinds; the panels with their scroll areas. The canvas's commands
    // watch the view, which goes with the form.
    kinds.reset();
    delete canvas;
    delete ui;
}

void Widget::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        liveText::refresh(this);
        updateTitle();
        if (canvas)
            canvas->showZoom();
        // Texts the panel shows from its item come back over the form's.
        kinds->refresh();
    }
    QWidget::changeEvent(event);
}

// The strip's outline follows the design; the status line and the fit buttons sit beside the canvas.
void Widget::setupCanvasAids()
{
    designView *view = ui->graphicsView;
    connect(undo, &QUndoStack::indexChanged, view,
            [this, view] { view->setStripEnd(designRightEdge(*scene)); });
    connect(view, &designView::zoomed, this, [this] {
        if (canvas)
            canvas->showZoom();
    });
    ui->canvasLayout->insertWidget(1, makeStatusLine(view, this));
    auto *fits = new QHBoxLayout;
    const struct {
        const char *name, *text, *tip;
        std::function<void()> run;
    } rows[] = {
        {"fitHeightButton", QT_TR_NOOP("高度"), QT_TR_NOOP("适合高度：显示整个 300 点的高度"),
         [view] { view->fitHeight(); }},
        {"fitDesignButton", QT_TR_NOOP("全部"), QT_TR_NOOP("适合设计：显示整个设计"),
         [this] { canvas->zoomToFit(); }},
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

int Widget::shownPanel() const
{
    return kinds->shownPanel();
}

void Widget::buttonGroupMenu()
{
    buttonGroup = new QButtonGroup(this);
    for (const auto &kind : kinds->all())
        buttonGroup->addButton(kind->toolButton(), kind->row().toolId);
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

    // Any other id makes a text item.
    const itemKindRow *row = itemKindForTool(id);
    kindRouting &kind = (*kinds)[row ? row->kind : itemKind::text];
    QGraphicsItem *item = kind.row().create();
    kind.row().showNew(*item);
    kind.makeCurrent(item);
    addCreatedItem(item, x);
}

void Widget::addCreatedItem(QGraphicsItem *item, int x)
{
    // A symbol keeps its quiet zones clear, and nothing is put into a symbol's quiet zone.
    item->setPos(clearOfQuietZones(*scene, *item, QPointF(x, 0)));
    // The panel of the new item is loaded below; the shown one is not reloaded from another item first.
    kinds->loading = true;
    undo->push(new addItemsCommand(tr("新建对象"), scene, {item},
                                   [this](QGraphicsItem *gone) { kinds->forget(gone); }));
    kinds->loading = false;
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
    const bool wasLoading = kinds->loading;
    kinds->loading = true;
    kinds->select(item);
    kinds->loading = wasLoading;
}

void Widget::on_editPushButton_clicked()
{
    kindRouting *kind = kinds->shown();
    if (!kind || !kind->row().hasContent)
        return;
    const editScope scope(this, kind->current(), "edit");
    kind->applyContent(ui->lineEdit->text());
    kinds->show(kind->row().panelKind);
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
