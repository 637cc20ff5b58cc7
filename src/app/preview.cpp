// Print preview, export and scan verification in the window. The preview only changes what items show;
// while it is on, nothing can be edited, so it never reaches the file, the undo history or the modified
// flag.
#include "ui_widget.h"
#include "widget.h"

#include "datafile.h"
#include "datafilefields.h"
#include "designexport.h"
#include "diagramscene.h"
#include "kindpanels.h"
#include "modalhooks.h"
#include "placedscan.h"
#include "previewbar.h"
#include "printpreview.h"
#include "qrgs1check.h"
#include "routingmedia.h"
#include "scanverdictlabel.h"
#include "shownrecord.h"
#include "symbolverdict.h"

#include <QAction>
#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QTimer>

namespace
{
const int barcodePanel = itemKindRowOf(itemKind::bar).panelKind;
const int qrPanel = itemKindRowOf(itemKind::qr).panelKind;

struct exportChoice {
    const char *filter;
    const char *suffix;
};
const exportChoice exportChoices[] = {
    {"PNG (*.png)", "png"},
    {"PDF (*.pdf)", "pdf"},
    {"SVG (*.svg)", "svg"},
};

// The chosen name, with the extension of the chosen filter when it has none of the three.
QString chooseExportName(QWidget *parent)
{
    QStringList filters;
    for (const exportChoice &choice : exportChoices)
        filters << QString::fromLatin1(choice.filter);
    QFileDialog dialog(parent, Widget::tr("导出"), QStringLiteral("."));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(filters);
    const QStringList files = modalHooks::execFileDialog(dialog);
    if (files.isEmpty() || files.first().isEmpty())
        return QString();
    QString path = files.first();
    if (!exportFormatForPath(path)) {
        const int index = qMax(0, filters.indexOf(dialog.selectedNameFilter()));
        path += QLatin1Char('.') + QLatin1String(exportChoices[index].suffix);
    }
    return path;
}
} // namespace

void Widget::setupPreview()
{
    preview = std::make_unique<scenePreview>(*scene);
    // Each data file is read once per preview shown, so stepping through records sees the file as it is.
    preview->setRecordSource(
        [this](const QGraphicsItem &item, quint32 line, QString *why) -> std::optional<QString> {
            const QString path = dataFileSettingsOf(&item)->path;
            const QString dir = isUntitled ? QString() : QFileInfo(currentFilePath).absolutePath();
            auto cached = previewDataFiles.find(path);
            if (cached == previewDataFiles.end())
                cached = previewDataFiles.insert(path, readDataFile(path, dir));
            return recordLine(*cached, line, why);
        });
    m_previewBar = new previewBar(this);
    ui->canvasLayout->insertWidget(1, m_previewBar);
    connect(m_previewBar, &previewBar::previewChanged, this, &Widget::applyPreview);
    connect(m_previewBar, &previewBar::exportRequested, this, &Widget::exportDesign);
    // Verified once the picture is on the screen, so decoding never holds up the edit itself: the scene
    // reports its change before the view repaints, and the view's repaint is a posted event, which the
    // event loop delivers before a zero timer.
    connect(scene, &QGraphicsScene::changed, this, [this] {
        if (verifyScheduled)
            return;
        verifyScheduled = true;
        QTimer::singleShot(0, this, [this] {
            verifyScheduled = false;
            refreshScanVerdict();
        });
    });
}

void Widget::applyPreview()
{
    const bool on = m_previewBar->isPreviewOn();
    previewDataFiles.clear();
    if (on)
        preview->show(m_previewBar->values());
    else
        preview->restore();
    m_previewBar->showStaleCount(on ? preview->staleItems().size() : 0);
    m_previewBar->showGs1FaultCount(on ? preview->gs1FaultyItems().size() : 0);
    setEditingEnabled(!on);
}

void Widget::setEditingEnabled(bool enabled)
{
    // Every value changed while the preview is on comes here again: only the first call may note what was
    // on, or leaving the preview would turn nothing back on.
    if (ui->graphicsView->isInteractive() == enabled)
        return;
    ui->graphicsView->setInteractive(enabled);
    for (QWidget *part : {static_cast<QWidget *>(ui->lineEdit), static_cast<QWidget *>(ui->editPushButton),
                          static_cast<QWidget *>(ui->widget)})
        part->setEnabled(enabled);
    for (QScrollArea *area : {ui->textScrollArea, ui->timeScrollArea, ui->barScrollArea, ui->imageScrollArea,
                              ui->QRScrollArea, ui->cntScrollArea, ui->cnt2ScrollArea})
        area->setEnabled(enabled);
    // Keyboard commands edit too. Nothing changes the history meanwhile, so the ones that were on come
    // back exactly as they were.
    if (!enabled) {
        actionsOffForPreview.clear();
        for (QAction *action : actions()) {
            if (action->isEnabled()) {
                action->setEnabled(false);
                actionsOffForPreview.append(action);
            }
        }
    } else {
        for (QAction *action : actionsOffForPreview)
            action->setEnabled(true);
        actionsOffForPreview.clear();
    }
}

bool Widget::isPreviewShown() const
{
    return preview && preview->isShown();
}

void Widget::exportDesign()
{
    const QString path = chooseExportName(this);
    if (path.isEmpty())
        return;
    exportOptions options;
    options.format = *exportFormatForPath(path);
    if (isPreviewShown())
        options.preview = preview->values();
    QString reason;
    if (exportDesignFile(path, *scene, options, &reason))
        return;
    QMessageBox box(QMessageBox::Warning, tr("导出"),
                    tr("无法导出 %1：%2").arg(QFileInfo(path).fileName(), reason), QMessageBox::Ok, this);
    modalHooks::execMessageBox(box);
}

void Widget::refreshScanVerdict()
{
    const int currentPanel = kinds->shownPanel();
    const diagramBarItem *currentBarItem = kinds->get<barRouting>().currentItem();
    const diagramQRCodeItem *currentQRCodeItem = kinds->get<qrRouting>().currentItem();
    barSetting *m_barSetting = kinds->get<barRouting>().panel;
    QRCodeSetting *m_QRCodeSetting = kinds->get<qrRouting>().panel;
    // An item out of the design (after New, Open or a removal) has no verdict to show.
    const struct {
        int panel;
        const QGraphicsItem *item;
        scanVerdictLabel *label;
    } shown[] = {{barcodePanel, currentBarItem, m_barSetting->scanVerdict()},
                 {qrPanel, currentQRCodeItem, m_QRCodeSetting->scanVerdict()}};
    for (const auto &row : shown) {
        if (row.panel == currentPanel && row.item->scene() != scene) {
            row.label->clear();
            row.label->showPrintedSize({});
            verifiedItem = nullptr;
            return;
        }
    }
    const QGraphicsItem *item = currentPanel == barcodePanel
                                    ? static_cast<const QGraphicsItem *>(currentBarItem)
                                : currentPanel == qrPanel ? currentQRCodeItem
                                                          : nullptr;
    if (!item)
        return;
    // Judged where it is printed: only a change to the symbol, its neighbourhood or the preview's values
    // asks for a new verdict.
    const std::optional<previewValues> printAt =
        isPreviewShown() ? std::optional<previewValues>(preview->values()) : std::nullopt;
    size_t key = placedRegionKey(*scene, *item);
    if (printAt)
        key ^= qHash(printAt->moment.toMSecsSinceEpoch()) ^ qHash(printAt->counter1) * 31 ^
               qHash(printAt->counter2) ^ qHash(printAt->record) * 131;
    if (item == verifiedItem && key == verifiedKey)
        return;
    verifiedItem = item;
    verifiedKey = key;
    const std::optional<placedVerdict> placed = verifyInPlace(*scene, *item, printAt);
    if (!placed)
        return;
    // Sides that an item intrudes on are shaded red; a QR code's top and bottom count with its left and
    // right.
    const bool left = placed->left.intruder != nullptr;
    const bool right = placed->right.intruder != nullptr;
    scene->setQuietZoneShades(item, quietZonePolygons(*item), {left, right, left, right});
    symbolVerdict verdict = placed->verdict;
    const QStringList sizes = printedSizeTexts(*item, *placed, loadPrinterResolution());
    if (currentPanel == barcodePanel) {
        m_barSetting->scanVerdict()->showVerdict(verdict);
        m_barSetting->scanVerdict()->showPrintedSize(sizes);
        return;
    }
    // A GS1 Digital Link is judged as it prints: at the preview's moment and counter, or now with the
    // counter at 0.
    const qrGs1Check gs1 =
        checkQrGs1(printedQrRecord(*currentQRCodeItem, std::nullopt), printAt.value_or(previewValues()));
    if (gs1.link.recognised) {
        verdict.facts << gs1.elementsLine();
        verdict.notes << gs1.problemTexts();
    }
    m_QRCodeSetting->scanVerdict()->showVerdict(verdict);
    m_QRCodeSetting->scanVerdict()->showPrintedSize(sizes);
}
