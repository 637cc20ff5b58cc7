#pragma once
// Barcodes and QR codes judged where they are printed, for check (findings with their lines) and info
// (the scan object), with the printer's resolution for the module's size in millimetres.
#include "designersettings.h"
#include "sprdocument.h"

class commandArgs;

#include <QJsonObject>
#include <QRectF>

class QGraphicsItem;
class QGraphicsScene;
class placedStrip;

// --dots-per-mm, or the designer's setting; the usage problem, or an empty text when it is sound.
QString readPrinterOption(const commandArgs &args, PrinterResolution &printer);

// One finding per symbol that reads on its own (one of readAlone, as the reader found) but not where it
// is printed, at its section's line; with printerKnown (--dots-per-mm or the designer's setting), also one
// per symbol whose module is below its symbology's minimum.
void addPlacedScanFindings(const QGraphicsScene &scene, const QByteArray &data,
                           const PrinterResolution &printer, bool printerKnown,
                           const QSet<const QGraphicsItem *> &readAlone, QVector<sprFinding> &findings);
// The scan object of a barcode or QR item (see docs/sprtool-info.md), its surroundings taken from strip.
QJsonObject scanJson(const placedStrip &strip, const QGraphicsItem &item, const PrinterResolution &printer);
