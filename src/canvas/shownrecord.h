#pragma once
// The data-file record an item shows while a preview shows records: the line's text in place of the
// item's own content, or why there is none. It is kept on the item as display data, never in a field,
// so it reaches no file; everything that draws or reads the item as printed (export, the in-place scan,
// the dashed placeholder) asks for it here.
#include "printpreview.h"

#include <QString>
#include <optional>

class QGraphicsItem;
struct qrCodeRecord;

struct shownRecord {
    quint32 line = 0;
    std::optional<QString> content; // the line's text; none when it cannot be read
    QString problem;                // why it cannot
};

void setShownRecord(QGraphicsItem &item, const shownRecord &record);
void clearShownRecord(QGraphicsItem &item);
std::optional<shownRecord> shownRecordOf(const QGraphicsItem &item);

// What the item prints: the record's text while it shows one (empty when it cannot be read), own otherwise.
QString printedContent(const QGraphicsItem &item, const QString &own);
// Why the item shows no record, for its placeholder; empty when it shows one or none is asked for.
QString shownRecordProblem(const QGraphicsItem &item);
// The record a QR item prints from: the shown record's line as the whole content, or, with preview
// values, its placeholders filled in (left as they are when they no longer match).
qrCodeRecord printedQrRecord(const QGraphicsItem &qr, const std::optional<previewValues> &values);
