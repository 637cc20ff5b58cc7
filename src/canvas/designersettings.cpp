#include "designersettings.h"

#include <QCoreApplication>
#include <QStringList>

namespace
{
const QString appName = QStringLiteral("spr-designer");
const QString acrossKey = QStringLiteral("printer/acrossDotsPerMm");
const QString alongKey = QStringLiteral("printer/alongDotsPerMm");

bool inRange(double value)
{
    return value >= minDotsPerMm && value <= maxDotsPerMm;
}

// A stored value that is missing, not a number or out of range gives the default.
double storedDotsPerMm(const QSettings &settings, const QString &key)
{
    bool ok = false;
    const double value = settings.value(key).toDouble(&ok);
    return ok && inRange(value) ? value : PrinterResolution::defaultDotsPerMm;
}
} // namespace

std::unique_ptr<QSettings> openDesignerSettings()
{
    // Named explicitly rather than from the application object, so sprtool and the window share it.
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, appName, appName);
}

PrinterResolution loadPrinterResolution()
{
    const auto settings = openDesignerSettings();
    PrinterResolution resolution;
    resolution.acrossDotsPerMm = storedDotsPerMm(*settings, acrossKey);
    resolution.alongDotsPerMm = storedDotsPerMm(*settings, alongKey);
    return resolution;
}

bool printerResolutionStored()
{
    const auto settings = openDesignerSettings();
    return settings->contains(acrossKey) || settings->contains(alongKey);
}

bool savePrinterResolution(const PrinterResolution &resolution)
{
    const auto settings = openDesignerSettings();
    settings->setValue(acrossKey, resolution.acrossDotsPerMm);
    settings->setValue(alongKey, resolution.alongDotsPerMm);
    settings->sync();
    return settings->status() == QSettings::NoError;
}

bool parseDotsPerMm(const QString &text, PrinterResolution *resolution)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() > 2)
        return false;
    double values[2] = {0, 0};
    for (int i = 0; i < parts.size(); ++i) {
        bool ok = false;
        values[i] = parts[i].trimmed().toDouble(&ok);
        if (!ok || !inRange(values[i]))
            return false;
    }
    resolution->acrossDotsPerMm = values[0];
    resolution->alongDotsPerMm = parts.size() == 2 ? values[1] : values[0];
    return true;
}
