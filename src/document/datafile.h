#pragma once
// The data files of text, barcode and QR code items: one record a line, the item's content when it
// prints. The stored path is the operator's; the designer looks for it as given, then beside the design.
#include <QByteArray>
#include <QString>
#include <QVector>
#include <optional>

struct dataFileContents {
    QString foundPath; // where it was read; empty for bytes given (standard input) or a file not found
    QString problem;   // why it could not be read; empty when it was
    QVector<QByteArray> lines; // each line's bytes without its line end
};

// The file a stored path names: as given, else its name beside the design; empty when neither is a file.
QString locateDataFile(const QString &stored, const QString &designDir);
dataFileContents readDataFile(const QString &stored, const QString &designDir);
// Lines end at LF (a CR before it belongs to the line end); a last line end starts no empty record.
dataFileContents dataFileFromBytes(const QByteArray &bytes);
// The record's text; false when its bytes are not UTF-8 (text then shows U+FFFD in their place).
bool decodeRecord(const QByteArray &bytes, QString *text);
// The text of line (1-based) of a file read; nullopt, with why, when the file was not read, holds no such
// line, or the line is not UTF-8.
std::optional<QString> recordLine(const dataFileContents &file, quint32 line, QString *why);
