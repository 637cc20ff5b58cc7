// File > "写入打印机U盘…": the design, its pictures and its data files written as the printer's disk
// wants them. Nothing is written unless all of it can be, and existing files are replaced only when
// the operator agrees.
#include "ui_widget.h"
#include "widget.h"

#include "designpack.h"
#include "diagramscene.h"
#include "modalhooks.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>

namespace
{
int showBox(QWidget *parent, QMessageBox::Icon icon, const QString &text,
            QMessageBox::StandardButtons buttons = QMessageBox::Ok)
{
    QMessageBox box(icon, Widget::tr("写入打印机U盘"), text, buttons, parent);
    if (buttons & QMessageBox::Cancel) {
        box.button(QMessageBox::Yes)->setText(Widget::tr("替换"));
        box.button(QMessageBox::Cancel)->setText(Widget::tr("取消"));
        box.setDefaultButton(QMessageBox::Cancel);
    }
    return modalHooks::execMessageBox(box);
}
} // namespace

void Widget::createPackAction()
{
    auto *pack = new QAction(tr("写入打印机U盘…"), fileMenu);
    connect(pack, &QAction::triggered, this, &Widget::packActionSlot);
    fileMenu->insertAction(exitAction, pack);
}

void Widget::packActionSlot()
{
    // The disk's design takes the file's name, and pictures and data files are found beside it.
    if (isUntitled) {
        showBox(this, QMessageBox::Warning, tr("请先保存设计：U盘上的设计使用它的文件名。"));
        return;
    }
    const QFileInfo design(currentFilePath);
    QFileDialog dialog(this, tr("选择打印机U盘的文件夹"), design.absolutePath());
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    const QStringList chosen = modalHooks::execFileDialog(dialog);
    if (chosen.isEmpty())
        return;
    const QString dir = chosen.first();
    const packPlan plan = planPack(*scene, design.completeBaseName(), design.absolutePath());
    if (!plan.problems.isEmpty()) {
        QStringList texts;
        for (const packProblem &problem : plan.problems)
            texts << problem.text;
        showBox(this, QMessageBox::Warning, tr("没有写入任何文件：") + QLatin1Char('\n') + texts.join('\n'));
        return;
    }
    const QStringList replaced = packReplacements(plan, dir);
    if (!replaced.isEmpty() &&
        showBox(this, QMessageBox::Question,
                tr("文件夹中已有这些文件，是否替换？") + QLatin1Char('\n') + replaced.join('\n'),
                QMessageBox::Yes | QMessageBox::Cancel) != QMessageBox::Yes)
        return;
    QString reason;
    if (!writePack(plan, dir, &reason))
        showBox(this, QMessageBox::Warning, tr("没有写入任何文件：") + QLatin1Char('\n') + reason);
    else
        showBox(this, QMessageBox::Information,
                tr("已写入 %1 个文件到 %2").arg(plan.entries.size()).arg(dir));
}
