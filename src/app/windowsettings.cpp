#include "windowsettings.h"

#include "designersettings.h"

#include <QByteArray>
#include <QFileInfo>
#include <QWidget>

namespace
{
const QString geometryKey = QStringLiteral("window/geometry");
const QString folderGroup = QStringLiteral("folders/");
} // namespace

bool windowSettings::restoreGeometry(QWidget &window)
{
    const QByteArray stored = openDesignerSettings()->value(geometryKey).toByteArray();
    return !stored.isEmpty() && window.restoreGeometry(stored);
}

void windowSettings::saveGeometry(const QWidget &window)
{
    openDesignerSettings()->setValue(geometryKey, window.saveGeometry());
}

QString windowSettings::lastFolder(const QString &key)
{
    const QString folder = openDesignerSettings()->value(folderGroup + key).toString();
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QStringLiteral(".");
}

void windowSettings::rememberFolder(const QString &key, const QString &file)
{
    if (!file.isEmpty())
        openDesignerSettings()->setValue(folderGroup + key, QFileInfo(file).absolutePath());
}
