#pragma once
// The designer's per-user settings file, shared by the window and sprtool so that a printer setting
// chosen in one is the one the other uses. An unreadable file gives the defaults; nothing here stops a
// start.
#include <QSettings>
#include <QString>
#include <memory>

// The settings file: INI format, per user, beside the per-user language.ini.
std::unique_ptr<QSettings> openDesignerSettings();

// The printer's resolution in dots per millimetre, across the strip (its 300 dots) and along it.
struct PrinterResolution {
    // The print head: 300 dots over 12.7 mm (half an inch), both ways.
    static constexpr double defaultDotsPerMm = 300.0 / 12.7;
    double acrossDotsPerMm = defaultDotsPerMm;
    double alongDotsPerMm = defaultDotsPerMm;

    double acrossMm(double dots) const { return dots / acrossDotsPerMm; }
    double alongMm(double dots) const { return dots / alongDotsPerMm; }
    bool operator==(const PrinterResolution &other) const
    {
        return acrossDotsPerMm == other.acrossDotsPerMm && alongDotsPerMm == other.alongDotsPerMm;
    }
};

// Values outside this range are refused: they are typing mistakes, not printers.
constexpr double minDotsPerMm = 1.0;
constexpr double maxDotsPerMm = 200.0;

PrinterResolution loadPrinterResolution();
// Whether the operator has set the resolution (rather than the default standing in for it).
bool printerResolutionStored();
// False when the settings file could not be written.
bool savePrinterResolution(const PrinterResolution &resolution);

// "A" (both ways) or "A,B" (across, along), as sprtool's --dots-per-mm takes it. On failure returns
// false and leaves *resolution alone.
bool parseDotsPerMm(const QString &text, PrinterResolution *resolution);
