#include "recovery.h"

#include "modalhooks.h"
#include "safewrite.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QStandardPaths>
#include <QUndoStack>
#include <algorithm>

// Files of one designer session "<session>" in folder(): its lock "<session>.lock", the design's path
// "<session>.path" and the copy "<session>~<design name>.spr".
namespace
{
QString sessionFile(const QString &session, const char *suffix)
{
    return recoveryKeeper::folder() + '/' + session + QLatin1String(suffix);
}

QString sessionOf(const QString &copy)
{
    return QFileInfo(copy).fileName().section(QLatin1Char('~'), 0, 0);
}

// Whether the designer of session still runs: it holds its lock. Age alone never makes a lock stale.
bool isRunning(const QString &session)
{
    QLockFile lock(sessionFile(session, ".lock"));
    lock.setStaleLockTime(0);
    if (!lock.tryLock(0))
        return true;
    lock.unlock();
    return false;
}

QString readOriginal(const QString &session)
{
    QByteArray data;
    return readFileChecked(sessionFile(session, ".path"), 64 * 1024, &data, nullptr) ? QString::fromUtf8(data)
                                                                                     : QString();
}
} // namespace

recoveryKeeper::recoveryKeeper(QUndoStack *undo, designWriter write, std::function<QString()> designPath,
                               QWidget *parent)
    : QObject(parent), undo(undo), write(std::move(write)), designPath(std::move(designPath)), parent(parent),
      session(QStringLiteral("%1-%2")
                  .arg(QCoreApplication::applicationPid())
                  .arg(QDateTime::currentMSecsSinceEpoch(), 0, 36))
{
    timer.setSingleShot(true);
    timer.setInterval(defaultIntervalMs);
    connect(&timer, &QTimer::timeout, this, &recoveryKeeper::writeNow);
    connect(undo, &QUndoStack::indexChanged, this, &recoveryKeeper::edited);
    connect(undo, &QUndoStack::cleanChanged, this, &recoveryKeeper::edited);
    if (QDir().mkpath(folder())) {
        lock = std::make_unique<QLockFile>(sessionFile(session, ".lock"));
        if (!lock->tryLock(0))
            qWarning() << "recovery: cannot lock" << sessionFile(session, ".lock");
    }
}

recoveryKeeper::~recoveryKeeper()
{
    timer.stop();
    removeCopy();
}

QString recoveryKeeper::folder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/recovery");
}

QList<recoveryKeeper::leftover> recoveryKeeper::leftovers()
{
    QList<leftover> found;
    const QFileInfoList copies = QDir(folder()).entryInfoList({QStringLiteral("*~*.spr")}, QDir::Files);
    for (const QFileInfo &copy : copies) {
        const QString session = sessionOf(copy.filePath());
        if (!isRunning(session))
            found.append({copy.filePath(), readOriginal(session), copy.lastModified()});
    }
    std::sort(found.begin(), found.end(),
              [](const leftover &a, const leftover &b) { return a.written < b.written; });
    return found;
}

void recoveryKeeper::discard(const leftover &copy)
{
    const QString session = sessionOf(copy.copy);
    QFile::remove(copy.copy);
    QFile::remove(sessionFile(session, ".path"));
    QFile::remove(sessionFile(session, ".lock"));
}

void recoveryKeeper::offer()
{
    for (const leftover &copy : leftovers()) {
        const QString name = copy.original.isEmpty() ? tr("未命名") : QFileInfo(copy.original).fileName();
        QMessageBox box(QMessageBox::Question, tr("恢复设计"),
                        tr("设计 %1 上次没有正常关闭。要打开 %2 保存的恢复副本吗？")
                            .arg(name, QLocale().toString(copy.written, QLocale::ShortFormat)),
                        QMessageBox::Open | QMessageBox::Discard | QMessageBox::Ignore, parent);
        box.button(QMessageBox::Open)->setText(tr("打开"));
        box.button(QMessageBox::Discard)->setText(tr("丢弃"));
        box.button(QMessageBox::Ignore)->setText(tr("以后再说"));
        box.setDefaultButton(QMessageBox::Open);
        const int answer = modalHooks::execMessageBox(box);
        if (answer == QMessageBox::Discard)
            discard(copy);
        if (answer != QMessageBox::Open)
            continue;
        // The copy goes only once the design is open and this designer keeps a copy of its own.
        if (opener && opener(copy.copy, copy.original)) {
            writeNow();
            discard(copy);
        }
        return;
    }
}

void recoveryKeeper::edited()
{
    if (undo->isClean()) {
        timer.stop();
        removeCopy();
    } else if (!timer.isActive()) {
        timer.start();
    }
}

void recoveryKeeper::writeNow()
{
    timer.stop();
    if (undo->isClean() || !lock || !lock->isLocked())
        return;
    const QString original = designPath();
    const QString name =
        original.isEmpty() ? QStringLiteral("untitled") : QFileInfo(original).completeBaseName();
    const QString path = folder() + '/' + session + '~' + name + QStringLiteral(".spr");
    QString reason;
    if (!write(path, &reason) ||
        !writeFileSafely(sessionFile(session, ".path"), original.toUtf8(), &reason)) {
        qWarning() << "recovery: cannot write" << path << reason;
        return;
    }
    if (!current.isEmpty() && current != path)
        QFile::remove(current);
    current = path;
    emit written(path);
}

void recoveryKeeper::removeCopy()
{
    if (current.isEmpty())
        return;
    QFile::remove(current);
    QFile::remove(sessionFile(session, ".path"));
    current.clear();
}
