// The file menu's commands: New, Open, Save, Save As and Delete (Exit lives with the window).
#include "widget.h"

#include "designpack.h"
#include "diagrambaritem.h"
#include "diagramscene.h"
#include "kindpanels.h"
#include "modalhooks.h"
#include "recentfiles.h"
#include "recovery.h"
#include "safewrite.h"
#include "sprdocument.h"
#include "windowsettings.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QCryptographicHash>
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
// Each dialog (folderKey) starts in the folder it was last used in.
QString chooseDocument(QWidget *parent, const QString &title, const QString &folderKey,
                       const QString &acceptLabel = QString())
{
    QFileDialog dialog(parent, title, windowSettings::lastFolder(folderKey), Widget::tr("Spr Files(*.spr )"));
    if (!acceptLabel.isEmpty())
        dialog.setLabelText(QFileDialog::Accept, acceptLabel);
    const QString file = modalHooks::execFileDialog(dialog).value(0);
    windowSettings::rememberFolder(folderKey, file);
    return file;
}

// The name to save under; empty when the operator cancels. A name that does not end in ".spr" gets it
// ("line2.v1" too), so that the Open dialog's filter shows the file.
QString chooseSaveName(QWidget *parent)
{
    const QString folderKey = QStringLiteral("save");
    QFileDialog dialog(parent, Widget::tr("保存文件"), windowSettings::lastFolder(folderKey),
                       Widget::tr("*.spr"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    const QStringList files = modalHooks::execFileDialog(dialog);
    if (files.isEmpty() || files.first().isEmpty())
        return QString();
    windowSettings::rememberFolder(folderKey, files.first());
    qDebug() << files.first();
    const QString name = files.first();
    const QString suffix = QStringLiteral(".spr");
    return name.endsWith(suffix, Qt::CaseInsensitive) ? name : name + suffix;
}

// The digest of the file at path as it is now; none when there is no file. A file that cannot be read
// gives an empty digest, which matches no file read before.
std::optional<QByteArray> digestOfFile(const QString &path)
{
    if (!QFileInfo::exists(path))
        return std::nullopt;
    QByteArray data;
    if (!readFileChecked(path, sprReadLimits().maxFileBytes, &data, nullptr))
        return QByteArray();
    return QCryptographicHash::hash(data, QCryptographicHash::Sha256);
}

// A question whose default answer is to cancel; true when the operator chooses yesText.
bool confirmed(QWidget *parent, const QString &text, const QString &yesText)
{
    QMessageBox ask(QMessageBox::Question, Widget::tr("保存文件"), text,
                    QMessageBox::Yes | QMessageBox::Cancel, parent);
    ask.button(QMessageBox::Yes)->setText(yesText);
    ask.button(QMessageBox::Cancel)->setText(Widget::tr("取消"));
    ask.setDefaultButton(QMessageBox::Cancel);
    return modalHooks::execMessageBox(ask) == QMessageBox::Yes;
}

void warn(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
    modalHooks::execMessageBox(box);
}

} // namespace

// Asks whether to keep the changes of the design before they would be lost; false when the operator
// cancels or the save fails, so the caller keeps everything as it is.
bool Widget::maySetDesignAside()
{
    if (!isWindowModified())
        return true;
    QMessageBox box(QMessageBox::Question, tr("编辑软件"), tr("设计已修改，是否保存？"),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
    box.button(QMessageBox::Save)->setText(tr("保存"));
    box.button(QMessageBox::Discard)->setText(tr("不保存"));
    box.button(QMessageBox::Cancel)->setText(tr("取消"));
    box.setDefaultButton(QMessageBox::Save);
    switch (modalHooks::execMessageBox(box)) {
    case QMessageBox::Save: {
        const QString path = isUntitled ? chooseSaveName(this) : currentFilePath;
        return !path.isEmpty() && saveDocumentTo(path);
    }
    case QMessageBox::Discard:
        return true;
    default: // Cancel, Escape or a box closed some other way
        return false;
    }
}

void Widget::closeEvent(QCloseEvent *event)
{
    if (maySetDesignAside()) {
        windowSettings::saveGeometry(*this);
        event->accept();
    } else
        event->ignore();
}

// "<file> - 编辑软件" once the design has a file; the mark shows unsaved changes.
void Widget::updateTitle()
{
    const QString program = tr("编辑软件");
    setWindowTitle(isUntitled ? program + QStringLiteral("[*]")
                              : QFileInfo(currentFilePath).fileName() + QStringLiteral("[*] - ") + program);
}

void Widget::newActionSlot()
{
    emit requireBeep();
    if (!maySetDesignAside())
        return;
    isUntitled = true;
    currentFilePath = QStringLiteral("Spray/Untitled.spr");
    // No current-item field may point at an item the scene is about to destroy.
    kinds->forget(nullptr);
    kinds->disable();
    // A fresh history: its steps refer to items of the old design.
    undo->clear();
    scene->clear();
    kinds->refresh();
    kinds->showContent();
    updateTitle();
}

void Widget::openActionSlot()
{
    emit requireBeep();
    if (!maySetDesignAside())
        return;
    const QString path = chooseDocument(this, tr("打开文件"), QStringLiteral("open"));
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
    const QString path = chooseDocument(this, tr("删除文件"), QStringLiteral("delete"), tr("删除"));
    if (path.isEmpty() || !QFileInfo::exists(path))
        return;
    const QString shown = QDir::toNativeSeparators(path);
    QMessageBox ask(QMessageBox::Question, tr("删除文件"), tr("确定要删除文件 %1 吗？").arg(shown),
                    QMessageBox::Yes | QMessageBox::Cancel, this);
    ask.button(QMessageBox::Yes)->setText(tr("删除"));
    ask.button(QMessageBox::Cancel)->setText(tr("取消"));
    ask.setDefaultButton(QMessageBox::Cancel);
    if (modalHooks::execMessageBox(ask) != QMessageBox::Yes)
        return;
    QFile file(path);
    if (!file.remove()) {
        warn(this, tr("删除文件"), tr("无法删除文件 %1：%2").arg(shown, file.errorString()));
        return;
    }
    // The design on the canvas stays; it no longer has a file, so it can only be saved anew.
    if (!isUntitled && QFileInfo(path).absoluteFilePath() == QFileInfo(currentFilePath).absoluteFilePath()) {
        isUntitled = true;
        currentFilePath = QStringLiteral("Spray/Untitled.spr");
        undo->resetClean();
        updateTitle();
    }
}

// Writes the design to path and makes it the current, titled document. A failed write is told to the
// operator; the old file, if any, and the document's path and state are then left as they were.
bool Widget::saveDocumentTo(const QString &path)
{
    if (!mayDropUnreadSections(path) || !mayOverwrite(path) || !placePictures(path))
        return false;
    QString reason;
    if (saveSprFile(path, *scene, &reason)) {
        fileDigest = digestOfFile(path);
        unreadSections.clear();
        currentFilePath = path;
        isUntitled = false;
        undo->setClean();
        updateTitle();
        recent->add(path);
        return true;
    }
    warn(this, tr("保存文件"), tr("无法保存文件 %1：%2").arg(QDir::toNativeSeparators(path), reason));
    return false;
}

// The saved design names its pictures "/udisk/bmp/<name>"; the printer's own layout beside the design
// lets it open again with them. A different file already there is replaced only when the operator agrees.
bool Widget::placePictures(const QString &path)
{
    const QString from = isUntitled ? QString() : QFileInfo(currentFilePath).absolutePath();
    const QDir to = QFileInfo(path).absoluteDir();
    QVector<packEntry> pictures;
    QStringList replaced;
    for (const packEntry &entry : planPictures(*scene, from).entries) {
        QByteArray old;
        const QString target = to.filePath(entry.name);
        if (QFileInfo::exists(target) &&
            readFileChecked(target, sprReadLimits().maxFileBytes, &old, nullptr) && old == entry.bytes)
            continue;
        if (QFileInfo::exists(target))
            replaced << QDir::toNativeSeparators(target);
        pictures << entry;
    }
    if (!replaced.isEmpty() && !confirmed(this,
                                          tr("设计文件旁已有同名的其他图片：%1。用设计中的图片替换它们吗？")
                                              .arg(replaced.join(QStringLiteral("、"))),
                                          tr("替换")))
        return false;
    for (const packEntry &entry : qAsConst(pictures)) {
        QString reason;
        if (!to.mkpath(QStringLiteral("bmp")) ||
            !writeFileSafely(to.filePath(entry.name), entry.bytes, &reason)) {
            warn(this, tr("保存文件"),
                 tr("无法保存文件 %1：%2").arg(QDir::toNativeSeparators(to.filePath(entry.name)), reason));
            return false;
        }
    }
    return true;
}

// Checked when saving, not only by watching the file: a change made while no event loop runs, or on a
// file system that reports none, is found all the same.
bool Widget::mayOverwrite(const QString &path)
{
    if (isUntitled || QFileInfo(path).absoluteFilePath() != QFileInfo(currentFilePath).absoluteFilePath() ||
        digestOfFile(path) == fileDigest)
        return true;
    return confirmed(this,
                     tr("文件 %1 在打开或上次保存之后已被其他窗口或程序修改。覆盖这些修改吗？")
                         .arg(QDir::toNativeSeparators(path)),
                     tr("覆盖"));
}

bool Widget::mayDropUnreadSections(const QString &path)
{
    if (unreadSections.isEmpty() || isUntitled ||
        QFileInfo(path).absoluteFilePath() != QFileInfo(currentFilePath).absoluteFilePath())
        return true;
    return confirmed(this,
                     tr("文件 %1 中有设计软件没有读取的段，保存后它们将不再在文件中：%2。仍然保存吗？")
                         .arg(QDir::toNativeSeparators(path), unreadSections),
                     tr("保存"));
}

// The sections a reading left unread, as the operator is told of them: each header with its line.
static QString unreadSectionsText(const sprReadResult &result)
{
    QStringList named;
    const int shown = 10;
    for (const sprFinding &section : result.unreadSections.mid(0, shown))
        named << Widget::tr("第 %1 行的 %2").arg(section.line).arg(section.message);
    QString text = named.join(QStringLiteral(", "));
    if (result.unreadSectionCount > shown)
        text += Widget::tr(" 等 %1 段").arg(result.unreadSectionCount);
    return text;
}

// A file that exists but cannot be read or is no design is refused with a warning, leaving the design,
// the path and the state as they were. A name that does not exist yet opens as an empty design.
bool Widget::openDocument(const QString &path, const QString &documentDir)
{
    const QString shown = QDir::toNativeSeparators(path);
    // Read aside first: a file that fails part-way, or that the reader refuses part-way (a picture
    // beyond its budget), leaves the current design as it was.
    QGraphicsScene staging;
    staging.setSceneRect(scene->sceneRect());
    sprReadResult result;
    const bool exists = QFileInfo::exists(path);
    std::optional<QByteArray> digest;
    if (exists) {
        QByteArray data;
        QString reason;
        if (readSprFileBytes(path, &data, &reason)) {
            digest = QCryptographicHash::hash(data, QCryptographicHash::Sha256);
            reason = sprFileStatusText(probeSprData(data));
            if (reason.isEmpty()) {
                sprReadOptions options;
                options.documentDir = documentDir.isEmpty() ? QFileInfo(path).absolutePath() : documentDir;
                result = readSprData(data, staging, options);
                reason = result.limitExceeded;
            }
        }
        if (!reason.isEmpty()) {
            warn(this, tr("打开文件"), tr("无法打开文件 %1：%2").arg(shown, reason));
            return false;
        }
    }
    isUntitled = false;
    kinds->forget(nullptr);
    kinds->disable();
    undo->clear();
    scene->clear();
    scene->setSceneRect(staging.sceneRect());
    // The staging scene polishes its items only in the event loop; until then each removal searches the
    // list of items waiting for it, which would cost the square of the item count.
    QCoreApplication::sendPostedEvents(&staging, QEvent::MetaCall);
    for (QGraphicsItem *item : staging.items(Qt::AscendingOrder)) {
        staging.removeItem(item);
        scene->addItem(item);
    }
    currentFilePath = path;
    fileDigest = digest;
    unreadSections = unreadSectionsText(result);
    kinds->refresh();
    kinds->showContent();
    updateTitle();
    // After the busy cursor is gone and the scene is complete: one box per refused barcode, in file order.
    for (const sprReadResult::barcodeRefusal &refusal : result.barcodeRefusals)
        showBarcodeFormatErrorBox(refusal.code, refusal.character);
    warnAboutEncoding(shown, result.invalidUtf8Lines);
    // A recovery copy, read with its original's folder, is no file the operator chose.
    if (exists && documentDir.isEmpty())
        recent->add(path);
    return exists;
}

// Lines in another encoding (GBK, say) show U+FFFD and a save would replace their bytes: named before
// the operator edits anything.
void Widget::warnAboutEncoding(const QString &shown, const QVector<int> &lines)
{
    if (lines.isEmpty())
        return;
    const int named = 10;
    QStringList numbers;
    for (int line : lines.mid(0, named))
        numbers << QString::number(line);
    QString list = numbers.join(QStringLiteral(", "));
    if (lines.size() > named)
        list += tr(" 等 %1 行").arg(lines.size());
    warn(this, tr("打开文件"),
         tr("文件 %1 的第 %2 行不是 UTF-8 文本，显示为替换字符；保存后这些字符将丢失。").arg(shown, list));
}

void Widget::offerRecovery()
{
    recovery->offer();
}

// Pictures named relative to the design are found beside the original, not beside the copy.
bool Widget::openRecovered(const QString &copy, const QString &original)
{
    const QString folder = original.isEmpty() ? QString() : QFileInfo(original).absolutePath();
    if (!openDocument(copy, folder))
        return false;
    isUntitled = original.isEmpty();
    currentFilePath = isUntitled ? QStringLiteral("Spray/Untitled.spr") : original;
    fileDigest = isUntitled ? std::nullopt : digestOfFile(original);
    undo->resetClean();
    updateTitle();
    return true;
}
