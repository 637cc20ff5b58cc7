#pragma once
// Data files in sprtool: --data FILE|-, the records every data-file item of a design takes instead of its
// own file's, and what info says about each item's own file.
#include "cliparse.h"
#include "datafile.h"

#include <QJsonObject>
#include <optional>

class QGraphicsItem;

// Reads the option's file (or standard input); false, with the reason on standard error, when it cannot.
bool readDataOption(const commandArgs &args, std::optional<dataFileContents> &contents);
// The folder a data file is looked for in beside the design named on the command line; none for "-".
QString designDirOf(const QString &designPath);
// info's "dataFile" of text, barcode and QR code items: null when the content comes from no data file,
// otherwise whether the file was found (as stored, then beside the design, as the designer looks), where,
// and how many lines it has (null when it could not be read). Other kinds get no key.
void addDataFileJson(QJsonObject &out, const QGraphicsItem &item, const QString &designDir);
