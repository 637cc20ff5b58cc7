#pragma once
// Each record (one line of an item's data file) as the item prints it: verified, and checked for
// sprtool check.
#include "datafile.h"
#include "sprdocument.h"
#include "symbolverdict.h"

#include <QHash>
#include <QSizeF>
#include <QStringList>
#include <optional>

class QGraphicsItem;

// One record verified: the item with content in place of its own. This is the one place a record's
// verdict is made, so a better verification (where the symbol lies on the strip) replaces it here.
struct recordVerdict {
    std::optional<quint8> refusal;     // the symbology refused the content (barcodes)
    QString refusedCharacter;          // the sentence naming the refused character, when one is
    bool noSymbol = false;             // no QR symbol holds the content
    std::optional<symbolVerdict> scan; // what a scanner reads (barcodes and QR codes that were made)
    QSizeF size;                       // the item's printed size with this content
};
recordVerdict verifyRecord(const QGraphicsItem &item, const QString &content);

// What is wrong with one record, each sentence starting with where (the item, file and line): refused,
// read back otherwise than typed, past the strip, characters the text's font lacks. Empty when nothing is.
QStringList recordProblems(const QGraphicsItem &item, const QString &content, const QString &where);

struct recordTotals {
    int items = 0; // data-file items looked at
    qint64 checked = 0;
    qint64 refused = 0;
};

// Every record in the range of each data-file item of scene (in file order, data the design's bytes);
// findings at the line of the item's data-file key. override, when set, stands for every item's file.
void checkDataFileRecords(const QGraphicsScene &scene, const QByteArray &data, const QString &designDir,
                          const dataFileContents *override, QVector<sprFinding> &findings,
                          recordTotals &totals);
// The line of each image's and data-file item's path key (the section's own line when it has none).
QHash<const QGraphicsItem *, int> itemPathLines(const QGraphicsScene &scene, const QByteArray &data);
// The summary line of such a check.
QString recordTotalsText(const recordTotals &totals);
