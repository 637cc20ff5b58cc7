#include "shownrecord.h"

#include "diagramqrcodeitem.h"
#include "printpreview.h"

#include <QGraphicsItem>

namespace
{
// Keys of QGraphicsItem::setData, which nothing else in the designer uses.
enum : int { lineKey = 0x5352, contentKey, hasContentKey, problemKey };
} // namespace

void setShownRecord(QGraphicsItem &item, const shownRecord &record)
{
    item.setData(lineKey, record.line);
    item.setData(hasContentKey, record.content.has_value());
    item.setData(contentKey, record.content.value_or(QString()));
    item.setData(problemKey, record.problem);
}

void clearShownRecord(QGraphicsItem &item)
{
    for (int key : {lineKey, contentKey, hasContentKey, problemKey})
        item.setData(key, QVariant());
}

std::optional<shownRecord> shownRecordOf(const QGraphicsItem &item)
{
    const QVariant line = item.data(lineKey);
    if (!line.isValid())
        return std::nullopt;
    shownRecord record;
    record.line = line.toUInt();
    if (item.data(hasContentKey).toBool())
        record.content = item.data(contentKey).toString();
    record.problem = item.data(problemKey).toString();
    return record;
}

QString printedContent(const QGraphicsItem &item, const QString &own)
{
    const std::optional<shownRecord> record = shownRecordOf(item);
    return record ? record->content.value_or(QString()) : own;
}

QString shownRecordProblem(const QGraphicsItem &item)
{
    const std::optional<shownRecord> record = shownRecordOf(item);
    return record && !record->content ? record->problem : QString();
}

qrCodeRecord printedQrRecord(const QGraphicsItem &qr, const std::optional<previewValues> &values)
{
    qrCodeRecord record = static_cast<const diagramQRCodeItem &>(qr).record();
    if (const std::optional<shownRecord> shown = shownRecordOf(qr)) {
        record.content = shown->content.value_or(QString());
        // The line is the whole content: the placeholders belong to the typed content.
        record.insertCnt = record.insertTime = record.isInsVariable = false;
    } else if (values && (record.insertCnt || record.insertTime)) {
        const qrPreviewText filled = previewQrText(record, *values);
        if (!filled.stale)
            record.content = filled.text;
    }
    return record;
}
