#pragma once
// Crash recovery: while the design has unsaved changes, a copy of it is kept in the per-user data
// folder, written from a timer (never while painting) at most once per interval of editing. The copy is
// removed when the design is saved or its changes are discarded and when the window closes cleanly;
// copies a designer that ended abruptly left behind are offered on the next start.
#include <QDateTime>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>

class QUndoStack;
class QWidget;

class recoveryKeeper : public QObject
{
    Q_OBJECT

public:
    // A copy left behind by a designer that is no longer running.
    struct leftover {
        QString copy;     // the recovery copy, a design file
        QString original; // the path the design had; empty when it was untitled
        QDateTime written;
    };
    // write stores the design at a path; name gives the design's current path (empty when untitled).
    using designWriter = std::function<bool(const QString &path, QString *reason)>;
    recoveryKeeper(QUndoStack *undo, designWriter write, std::function<QString()> designPath,
                   QWidget *parent);
    // A clean exit: this designer's copy goes.
    ~recoveryKeeper() override;

    static constexpr int defaultIntervalMs = 30000;
    void setInterval(int ms) { timer.setInterval(ms); }
    static QString folder();
    // This designer's copy, while one exists.
    QString copyPath() const { return current; }
    // Copies left behind by designers that are no longer running, oldest first.
    static QList<leftover> leftovers();
    // Opens a copy as the design of the window, tied to original; false when it could not be opened.
    using copyOpener = std::function<bool(const QString &copy, const QString &original)>;
    void setOpener(copyOpener open) { opener = std::move(open); }
    // Asks about each leftover (open, discard, later); at most one is opened. A copy that was opened or
    // discarded is removed; one left for later is offered again on the next start.
    void offer();
    // Writes this designer's copy now, when there are unsaved changes.
    void writeNow();
    static void discard(const leftover &copy);

signals:
    void written(const QString &copy);

private:
    void edited();
    void removeCopy();

    QUndoStack *undo;
    designWriter write;
    std::function<QString()> designPath;
    QWidget *parent;
    copyOpener opener;
    QTimer timer;
    // Held while this designer runs, so that no other one takes its copies for left behind.
    std::unique_ptr<QLockFile> lock;
    QString session;
    QString current;
};
