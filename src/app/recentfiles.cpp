#include "recentfiles.h"

#include "designersettings.h"
#include "livetext.h"
#include "modalhooks.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>
#include <utility>

namespace
{
const QString listKey = QStringLiteral("recentFiles/files");
}

recentFiles::recentFiles(QMenu *menu, QWidget *parent)
    : QObject(parent), menu(menu), parent(parent), separator(menu->addSeparator()),
      clearAction(menu->addAction(QString()))
{
    connect(clearAction, &QAction::triggered, this, &recentFiles::clear);
    liveText::set(clearAction, "text", "recentFiles", QT_TR_NOOP("清除列表"));
    liveText::set(clearAction, "toolTip", "recentFiles", QT_TR_NOOP("清除最近打开的文件列表"));
    rebuild();
}

QStringList recentFiles::files() const
{
    return openDesignerSettings()->value(listKey).toStringList().mid(0, maxFiles);
}

void recentFiles::add(const QString &path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    QStringList list = files();
    list.removeAll(absolute);
    list.prepend(absolute);
    store(list.mid(0, maxFiles));
}

void recentFiles::clear()
{
    store({});
}

void recentFiles::store(const QStringList &list)
{
    openDesignerSettings()->setValue(listKey, list);
    rebuild();
}

void recentFiles::rebuild()
{
    // Later, not now: the entry being triggered may be the one that asked for this.
    for (QAction *entry : std::as_const(entries)) {
        menu->removeAction(entry);
        entry->deleteLater();
    }
    entries.clear();
    const QStringList list = files();
    for (int i = 0; i < list.size(); ++i) {
        // Numbered so that the keyboard reaches each entry; && keeps an ampersand in a name visible.
        const QString shown = QFileInfo(list[i]).fileName().replace('&', QStringLiteral("&&"));
        auto *entry = new QAction(QStringLiteral("&%1 %2").arg((i + 1) % 10).arg(shown), menu);
        entry->setToolTip(QDir::toNativeSeparators(list[i]));
        entry->setStatusTip(entry->toolTip());
        const QString path = list[i];
        connect(entry, &QAction::triggered, this, [this, path] { choose(path); });
        menu->insertAction(clearAction, entry);
        entries << entry;
    }
    clearAction->setEnabled(!list.isEmpty());
}

// A file gone since it was listed is dropped, and the operator told why nothing opens.
void recentFiles::choose(const QString &path)
{
    if (QFileInfo(path).isFile()) {
        emit openRequested(path);
        return;
    }
    QStringList list = files();
    list.removeAll(path);
    store(list);
    QMessageBox box(QMessageBox::Information, tr("最近的文件"),
                    tr("文件 %1 已不存在，已从列表中移除。").arg(QDir::toNativeSeparators(path)),
                    QMessageBox::Ok, parent);
    modalHooks::execMessageBox(box);
}
