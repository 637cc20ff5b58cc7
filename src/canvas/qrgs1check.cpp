#include "qrgs1check.h"

#include "diagramqrcodeitem.h"
#include "symbolscan.h"
#include "symbolverdict.h"

#include <QCoreApplication>

namespace
{
// The production date as the printer fills in the date/time placeholder.
const QString productionFormat = QStringLiteral("yyMMdd");

bool placeholderAt(const QString &content, int position, const QString &placeholder)
{
    return position >= 0 && position <= content.size() &&
           QStringView(content).mid(position).startsWith(placeholder);
}
} // namespace

QStringList qrGs1Check::problemTexts() const
{
    QStringList texts;
    for (const gs1Problem &problem : link.problems)
        texts << gs1ProblemText(problem);
    if (readBackDiffers)
        texts << QCoreApplication::translate("qrGs1Check", "扫描读出的 AI 与内容不同：%1")
                     .arg(readBack.recognised ? readBack.elementsText() : QStringLiteral("—"));
    return texts;
}

QString qrGs1Check::elementsLine() const
{
    return QCoreApplication::translate("qrGs1Check", "GS1 数字链接：%1").arg(link.elementsText());
}

qrGs1Check checkQrGs1(const qrCodeRecord &record, const previewValues &values, bool readBack)
{
    qrGs1Check check;
    const bool placeholders = record.insertCnt || record.insertTime;
    check.printed = placeholders ? previewQrText(record, values).text : record.content;
    check.link = parseGs1DigitalLink(check.printed, values.moment.date());
    if (!check.link.recognised || !readBack || record.scale <= 0)
        return check;
    // Read at the scanner's own module size, as sprtool check reads every symbol.
    qrCodeRecord printed = record;
    printed.content = check.printed;
    printed.scale = qMin(record.scale, scanQrModulePixels);
    const QImage picture = diagramQRCodeItem::createQRPixmap(printed).toImage();
    if (picture.isNull())
        return check;
    // A symbol that does not scan at all is the scan verdict's finding, not repeated here.
    const symbolVerdict verdict = verifyQrCode(picture, printed.scale, printed.converse, check.printed);
    if (!verdict.readable)
        return check;
    check.readBack = parseGs1DigitalLink(verdict.decoded, values.moment.date());
    check.readBackDiffers = !check.readBack.sameElements(check.link);
    return check;
}

gs1LinkContent composeGs1Link(const gs1LinkFields &fields)
{
    gs1LinkContent out;
    QString uri = fields.domain.trimmed();
    while (uri.endsWith(QLatin1Char('/')))
        uri.chop(1);
    uri += QStringLiteral("/01/") + fields.gtin;
    if (!fields.batch.isEmpty())
        uri += QStringLiteral("/10/") + gs1PercentEncoded(fields.batch);
    if (fields.serial == gs1LinkFields::fixedSerial && !fields.serialText.isEmpty())
        uri += QStringLiteral("/21/") + gs1PercentEncoded(fields.serialText);
    if (fields.serial == gs1LinkFields::counterSerial) {
        uri += QStringLiteral("/21/");
        out.cntMode = qBound(1, fields.counterWidth, 8);
        out.insertCntPos = uri.size();
        uri += QString(out.cntMode, QLatin1Char('0'));
    }
    // Dates are data attributes: they go in the query, never in the path.
    QChar separator = QLatin1Char('?');
    if (fields.productionDate) {
        uri += separator + QStringLiteral("11=");
        out.timeModeStr = productionFormat;
        out.insertTimePos = uri.size();
        uri += productionFormat;
        separator = QLatin1Char('&');
    }
    if (fields.expiry.isValid())
        uri += separator + QStringLiteral("17=") + fields.expiry.toString(QStringLiteral("yyMMdd"));
    out.content = uri;
    return out;
}

bool readGs1LinkFields(const qrCodeRecord &record, gs1LinkFields &fields)
{
    const gs1DigitalLink link = parseGs1DigitalLink(record.content);
    const QString gtin = link.value(QStringLiteral("01"));
    if (!link.recognised || gtin.isEmpty())
        return false;
    fields = gs1LinkFields();
    fields.domain = link.stem;
    fields.gtin = gtin;
    fields.batch = link.value(QStringLiteral("10"));
    fields.productionDate = record.insertTime && record.timeModeStr == productionFormat &&
                            link.value(QStringLiteral("11")) == productionFormat &&
                            placeholderAt(record.content, record.insertTimePos, productionFormat);
    fields.expiry = gs1Date(link.value(QStringLiteral("17")));
    const QString serial = link.value(QStringLiteral("21"));
    const QString run = QString(qBound(0, record.cntMode, 8), QLatin1Char('0'));
    if (record.insertCnt && !run.isEmpty() && serial == run &&
        placeholderAt(record.content, record.insertCntPos, run)) {
        fields.serial = gs1LinkFields::counterSerial;
        fields.counterWidth = record.cntMode;
    } else if (!serial.isEmpty()) {
        fields.serial = gs1LinkFields::fixedSerial;
        fields.serialText = serial;
    }
    return true;
}
