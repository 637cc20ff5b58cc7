// The file menu's commands: New, Open, Save, Save As and Delete (Exit lives with the window).
#include "widget.h"

#include "diagrambaritem.h"
#include "diagramscene.h"
#include "modalhooks.h"
#include "sprdocument.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QUndoStack>

namespace
{

// The dialog of Open and Delete; the operator may also type the name of a file that does not exist.
QString chooseDocument(QWidget *parent)
{
    QFileDialog dialog(parent, Widget::tr("打开文件"), QStringLiteral("."), Widget::tr("Spr Files(*.spr )"));
    const QStringList files = modalHooks::execFileDialog(dialog);
    return files.isEmpty() ? QString() : files.first();
}

// The name to save under; empty when the operator cancels. No extension is added.
QString chooseSaveName(QWidget *parent)
{
    QFileDialog dialog(parent, Widget::tr("保存文件"), QStringLiteral("."), Widget::tr("*.spr"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    const QStringList files = modalHooks::execFileDialog(dialog);
    if (files.isEmpty() || files.first().isEmpty())
        return QString();
    qDebug() << files.first();
    return files.first();
}

void warn(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
    modalHooks::execMessageBox(box);
}

} // namespace

void Widget::newActionSlot()
{
    emit requireBeep();
    isUntitled = true;
    currentFilePath = QStringLiteral("Spray/Untitled.spr");
    // No current-item field may point at an item the scene is about to destroy.
    resetCurrentItems();
    disablePanels();
    // A fresh history: its steps refer to items of the old design.
    undo->clear();
    scene->clear();
}

void Widget::openActionSlot()
{
    emit requireBeep();
    const QString path = chooseDocument(this);
    if (!path.isEmpty())
        openDocument(path);
}

void Widget::saveActionSlot()
{
    emit requireBeep();
    const QString path = isUntitled ? chooseSaveName(this) : currentFilePath;
    if (!path.isEmpty())
        saveDocumentTo(path);
}

void Widget::saveAsActionSlot()
{
    emit requireBeep();
    const QString path = chooseSaveName(this);
    if (!path.isEmpty())
        saveDocumentTo(path);
}

void Widget::deleteActionSlot()
{
    emit requireBeep();
    const QString path = chooseDocument(this);
    // Silent either way; the design on the canvas and the current path stay as they are.
    if (!path.isEmpty())
        QFile::remove(path);
}

// Makes path the current, titled document and writes the design there. A failed write is told to the
// operator; the old file, if any, is then left as it was.
bool Widget::saveDocumentTo(const QString &path)
{
    currentFilePath = path;
    isUntitled = false;
    QString reason;
    if (saveSprFile(path, *scene, &reason)) {
        undo->setClean();
        return true;
    }
    warn(this, tr("保存文件"), tr("无法保存文件 %1：%2").arg(QDir::toNativeSeparators(path), reason));
    return false;
}

// A file that exists but cannot be read or is no design is refused with a warning, leaving the design,
// the path and the state as they were. A name that does not exist yet opens as an empty design.
bool Widget::openDocument(const QString &path)
{
    if (QFileInfo::exists(path)) {
        QString systemError;
        const sprFileStatus status = probeSprFile(path, &systemError);
        if (status != sprFileStatus::ok) {
            const QString reason = status == sprFileStatus::cannotOpen ? systemError
                                   : status == sprFileStatus::tooLarge
                                       ? tr("文件过大")
                                       : tr("文件第一行不是 [FileInfo]，不是设计文件");
            warn(this, tr("打开文件"), tr("无法打开文件 %1：%2").arg(QDir::toNativeSeparators(path), reason));
            return false;
        }
    }
    isUntitled = false;
    resetCurrentItems();
    disablePanels();
    undo->clear();
    scene->clear();
    sprReadResult result;
    const bool read = QFileInfo::exists(path) && loadSprFile(path, *scene, &result);
    currentFilePath = path;
    // After the busy cursor is gone and the scene is complete: one box per refused barcode, in file order.
    for (quint8 code : result.barcodeRefusals)
        showBarcodeFormatErrorBox(code);
    return read;
}
