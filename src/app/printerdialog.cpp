#include "printerdialog.h"

#include "designersettings.h"
#include "modalhooks.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QMessageBox>
#include <QPushButton>

namespace
{
QDoubleSpinBox *dotsBox(QDialog &dialog, const char *name, double value, const QString &label,
                        const QString &tip)
{
    auto *box = new QDoubleSpinBox(&dialog);
    box->setObjectName(QLatin1String(name));
    box->setRange(minDotsPerMm, maxDotsPerMm);
    box->setDecimals(3);
    box->setValue(value);
    box->setToolTip(tip);
    box->setAccessibleName(label);
    return box;
}
} // namespace

bool printerDialog::edit(QWidget *parent)
{
    const PrinterResolution stored = loadPrinterResolution();
    QDialog dialog(parent);
    dialog.setWindowTitle(tr("打印机分辨率"));
    auto *across = dotsBox(dialog, "acrossDotsPerMm", stored.acrossDotsPerMm, tr("横向（点/毫米）"),
                           tr("横向（300 点的喷头方向）每毫米的点数"));
    auto *along = dotsBox(dialog, "alongDotsPerMm", stored.alongDotsPerMm, tr("纵向（点/毫米）"),
                          tr("沿打印方向每毫米的点数"));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    const struct {
        QDialogButtonBox::StandardButton which;
        QString text, tip;
    } buttonTexts[] = {
        {QDialogButtonBox::Ok, tr("确定"), tr("保存分辨率；标尺随即按它标出毫米")},
        {QDialogButtonBox::Cancel, tr("取消"), tr("关闭，不改变分辨率")},
    };
    for (const auto &row : buttonTexts) {
        QPushButton *button = buttons->button(row.which);
        button->setText(row.text);
        button->setToolTip(row.tip);
        button->setAccessibleName(row.text);
    }
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto *form = new QFormLayout(&dialog);
    form->addRow(across->accessibleName(), across);
    form->addRow(along->accessibleName(), along);
    form->addRow(buttons);
    if (modalHooks::execDialog(dialog) != QDialog::Accepted)
        return false;
    PrinterResolution chosen;
    chosen.acrossDotsPerMm = across->value();
    chosen.alongDotsPerMm = along->value();
    if (savePrinterResolution(chosen))
        return true;
    QMessageBox box(QMessageBox::Warning, dialog.windowTitle(), tr("无法保存设置文件。"), QMessageBox::Ok,
                    parent);
    modalHooks::execMessageBox(box);
    return false;
}
