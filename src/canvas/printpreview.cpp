#include "printpreview.h"

#include "datafilefields.h"
#include "diagrambaritem.h"
#include "diagramcnt2item.h"
#include "diagramcntitem.h"
#include "diagramqrcodeitem.h"
#include "diagramtextitem.h"
#include "diagramtimeitem.h"
#include "qrgs1check.h"
#include "shownrecord.h"

#include <QCoreApplication>
#include <QGraphicsColorizeEffect>
#include <QGraphicsScene>
#include <algorithm>

namespace
{
struct placeholder {
    int position;
    int length;
    QString filled;
};

// A placeholder matches when the content still holds, at its recorded position, what was inserted.
bool matches(const QString &content, int position, const QString &inserted)
{
    return position >= 0 && position <= content.size() && content.mid(position, inserted.size()) == inserted;
}

QString counterRun(int digits)
{
    return QString(digits, QLatin1Char('0'));
}

void tint(QGraphicsItem &item, const QColor &colour, const QString &why)
{
    auto *effect = new QGraphicsColorizeEffect;
    effect->setColor(colour);
    item.setGraphicsEffect(effect);
    item.setToolTip(why);
}
} // namespace

qrPreviewText previewQrText(const qrCodeRecord &record, const previewValues &values)
{
    qrPreviewText out{record.content, false};
    QList<placeholder> fills;
    if (record.insertCnt) {
        const bool valid = record.cntMode >= 1 && record.cntMode <= 8;
        if (!valid || !matches(record.content, record.insertCntPos, counterRun(record.cntMode))) {
            out.stale = true;
            return out;
        }
        fills.append(
            {record.insertCntPos, record.cntMode, paddedCounterText(values.counter1, record.cntMode)});
    }
    if (record.insertTime) {
        if (record.timeModeStr.isEmpty() ||
            !matches(record.content, record.insertTimePos, record.timeModeStr)) {
            out.stale = true;
            return out;
        }
        fills.append({record.insertTimePos, int(record.timeModeStr.size()),
                      values.moment.toString(record.timeModeStr)});
    }
    // Two placeholders over the same characters cannot both be what the dialog inserted.
    if (fills.size() == 2 && fills[0].position < fills[1].position + fills[1].length &&
        fills[1].position < fills[0].position + fills[0].length) {
        out.stale = true;
        return out;
    }
    // The later one first, so the earlier position still holds.
    std::sort(fills.begin(), fills.end(),
              [](const placeholder &a, const placeholder &b) { return a.position > b.position; });
    for (const placeholder &fill : fills)
        out.text.replace(fill.position, fill.length, fill.filled);
    return out;
}

QString previewItemText(const QGraphicsItem &item, const previewValues &values)
{
    switch (item.type()) {
    case timeItemType: {
        const auto &time = static_cast<const diagramTimeItem &>(item);
        return time.timeText(values.moment, time.valid);
    }
    case cntItemType: {
        const auto &counter = static_cast<const diagramCntItem &>(item);
        return counter.counterText(counter.name == 1 ? values.counter2 : values.counter1);
    }
    case cnt2ItemType:
        return static_cast<const diagramCnt2Item &>(item).counterText(values.counter2);
    default:
        return QString();
    }
}

void scenePreview::show(const previewValues &values)
{
    restore();
    current = values;
    shown = true;
    for (QGraphicsItem *item : scene.items()) {
        if (values.record > 0 && showRecord(*item, values.record))
            continue;
        if (auto *text = dynamic_cast<textFamilyItem *>(item)) {
            const QString shownText = previewItemText(*item, values);
            if (item->type() != textItemType && !shownText.isNull())
                text->setPlainText(shownText);
        } else if (item->type() == qrItemType) {
            auto *qr = static_cast<diagramQRCodeItem *>(item);
            const bool placeholders = qr->insertCnt || qr->insertTime;
            const qrPreviewText filled = previewQrText(qr->record(), values);
            if (placeholders && filled.stale) {
                // Tinted and explained rather than guessed: the printer would fill in the wrong places.
                tint(*qr, Qt::red,
                     QCoreApplication::translate("scenePreview", "占位符位置与内容不符，无法预览"));
                stale.append(qr);
                continue;
            }
            markGs1Faults(*qr, values);
            if (!placeholders)
                continue;
            qrCodeRecord record = qr->record();
            record.content = filled.text;
            qr->setPixmap(diagramQRCodeItem::createQRPixmap(record));
        }
    }
}

// The item drawn from its line as the printer draws it; a line that cannot be read empties the item, which
// then shows the dashed frame, tinted with the reason: never a guess.
bool scenePreview::showRecord(QGraphicsItem &item, quint32 record)
{
    const std::optional<dataFileSettings> s = dataFileSettingsOf(&item);
    if (!s || !s->isExtVariable || !records)
        return false;
    recordItems.append(&item);
    const quint32 line =
        qBound<quint32>(qMax<quint32>(s->firstLine, 1), record, qMax(s->firstLine, s->lastLine));
    QString why;
    const std::optional<QString> content = records(item, line, &why);
    if (!content)
        tint(item, Qt::red, why);
    setShownRecord(item, {line, content, why});
    const QString shownContent = content.value_or(QString());
    if (item.type() == textItemType) {
        static_cast<diagramTextItem &>(item).setPlainText(shownContent);
    } else if (item.type() == barItemType) {
        auto &bar = static_cast<diagramBarItem &>(item);
        bar.setPixmap(content ? diagramBarItem::createBarcodePixmap(&bar, shownContent) : QPixmap());
    } else {
        qrCodeRecord qr = static_cast<diagramQRCodeItem &>(item).record();
        qr.content = shownContent;
        qr.insertCnt = qr.insertTime = false; // the line is the whole content
        static_cast<diagramQRCodeItem &>(item).setPixmap(content ? diagramQRCodeItem::createQRPixmap(qr)
                                                                 : QPixmap());
    }
    return true;
}

// A GS1 Digital Link that would print wrong at this moment and counter is tinted and says why.
void scenePreview::markGs1Faults(QGraphicsItem &qr, const previewValues &values)
{
    const qrGs1Check check = checkQrGs1(static_cast<const diagramQRCodeItem &>(qr).record(), values);
    const QStringList problems = check.problemTexts();
    if (!check.link.recognised || problems.isEmpty())
        return;
    tint(qr, QColor(0xe0, 0x70, 0x00),
         QCoreApplication::translate("scenePreview", "GS1 数字链接有误：") + QLatin1Char('\n') +
             problems.join(QLatin1Char('\n')));
    gs1Faulty.append(&qr);
}

void scenePreview::restore()
{
    if (!shown)
        return;
    shown = false;
    stale.clear();
    gs1Faulty.clear();
    for (QGraphicsItem *item : scene.items()) {
        if (!recordItems.contains(item))
            continue;
        item->setGraphicsEffect(nullptr);
        item->setToolTip(QString());
        clearShownRecord(*item);
        if (item->type() == textItemType)
            static_cast<diagramTextItem *>(item)->showFields();
        else if (item->type() == barItemType)
            static_cast<diagramBarItem *>(item)->regenerate();
        else
            static_cast<diagramQRCodeItem *>(item)->regenerate();
    }
    recordItems.clear();
    for (QGraphicsItem *item : scene.items()) {
        switch (item->type()) {
        case timeItemType: {
            auto *time = static_cast<diagramTimeItem *>(item);
            time->setPlainText(time->timeText(time->dateTime, time->valid));
            break;
        }
        case cntItemType: {
            auto *counter = static_cast<diagramCntItem *>(item);
            counter->setPlainText(counter->counterText(counter->value));
            break;
        }
        case cnt2ItemType: {
            auto *counter = static_cast<diagramCnt2Item *>(item);
            counter->setPlainText(counter->counterText(counter->value));
            break;
        }
        case qrItemType: {
            auto *qr = static_cast<diagramQRCodeItem *>(item);
            qr->setGraphicsEffect(nullptr);
            qr->setToolTip(QString());
            if (qr->insertCnt || qr->insertTime)
                qr->regenerate();
            break;
        }
        default:
            break;
        }
    }
}
