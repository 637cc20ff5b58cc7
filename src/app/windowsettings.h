#pragma once
// What the window remembers between runs, in the shared per-user settings file: its geometry and
// state, and the folder each file dialog was last used in. A value that cannot be read gives the
// default; nothing here stops a start.
#include <QString>

class QWidget;

namespace windowSettings
{
// False when nothing usable was stored: the window then keeps the size of its form.
bool restoreGeometry(QWidget &window);
void saveGeometry(const QWidget &window);

// The folder the dialog named by key was last used in; the working folder when none was stored or the
// stored one is gone.
QString lastFolder(const QString &key);
// Remembers the folder of file (a file the dialog named by key returned).
void rememberFolder(const QString &key, const QString &file);
} // namespace windowSettings
