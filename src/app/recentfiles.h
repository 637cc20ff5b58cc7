#pragma once
// The recent-files list at the end of the file menu: the designs last opened or saved, newest first,
// kept in the shared per-user settings file.
#include <QObject>
#include <QStringList>

class QAction;
class QMenu;
class QWidget;

class recentFiles : public QObject
{
    Q_OBJECT

public:
    static constexpr int maxFiles = 10;
    // Appends the list and its "清除列表" entry to menu; the list's boxes have parent as theirs.
    recentFiles(QMenu *menu, QWidget *parent);

    QStringList files() const;
    // Puts path at the top (once), dropping the oldest beyond maxFiles.
    void add(const QString &path);
    void clear();

signals:
    // An entry was chosen whose file still exists.
    void openRequested(const QString &path);

private:
    void store(const QStringList &list);
    void rebuild();
    void choose(const QString &path);

    QMenu *menu;
    QWidget *parent;
    QAction *separator;
    QAction *clearAction;
    QList<QAction *> entries;
};
