#include "cligs1.h"

#include "diagramqrcodeitem.h"
#include "qrgs1check.h"
#include "sprsections.h"

#include <QCoreApplication>
#include <QGraphicsScene>
#include <QJsonArray>
#include <QJsonObject>

namespace
{
// The line of each QR section's content key, in file order; the section's own line when it has none.
// The reader builds one item per section header, so the n-th line belongs to the n-th QR code.
QVector<int> qrContentLines(const QByteArray &data)
{
    QVector<int> lines;
    bool inQrSection = false;
    const QList<QByteArray> all = data.split('\n');
    for (int i = 0; i < all.size(); ++i) {
        const QString line = QString::fromUtf8(QByteArray(all.at(i)).replace('\r', QByteArray()));
        if (const sectionSpec *section = sectionForHeader(line)) {
            inQrSection = section->typeId == qrItemType;
            if (inQrSection)
                lines.append(i + 1);
        } else if (inQrSection &&
                   line.section(QLatin1Char('='), 0, 0).trimmed() == QLatin1String("QRcodeContent")) {
            lines.last() = i + 1;
            inQrSection = false;
        }
    }
    return lines;
}

QString quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}
} // namespace

void addGs1Findings(const QGraphicsScene &scene, const QByteArray &data, const previewValues &values,
                    QVector<sprFinding> &findings)
{
    const QVector<int> lines = qrContentLines(data);
    int index = 0;
    for (const QGraphicsItem *item : scene.items(Qt::DescendingOrder)) {
        if (item->type() != qrItemType)
            continue;
        const auto &qr = static_cast<const diagramQRCodeItem &>(*item);
        const int line = lines.value(index++, 1);
        const qrGs1Check check = checkQrGs1(qr.record(), values);
        if (!check.link.recognised)
            continue;
        const QString where = check.printed == qr.content
                                  ? QStringLiteral("QRcodeContent %1").arg(quoted(qr.content))
                                  : QCoreApplication::translate("sprtool", "QRcodeContent %1（打印为 %2）")
                                        .arg(quoted(qr.content), quoted(check.printed));
        for (const QString &problem : check.problemTexts())
            findings.append(
                {line, QCoreApplication::translate("sprtool", "%1：GS1 数字链接 %2").arg(where, problem)});
    }
}

QJsonValue gs1Json(const QGraphicsItem &item, const previewValues &values)
{
    if (item.type() != qrItemType)
        return QJsonValue();
    const qrGs1Check check = checkQrGs1(static_cast<const diagramQRCodeItem &>(item).record(), values);
    if (!check.link.recognised)
        return QJsonValue();
    QJsonArray elements;
    for (const gs1Element &element : check.link.elements)
        elements.append(QJsonObject{{"ai", element.ai}, {"value", element.value}});
    QJsonArray problems;
    for (const gs1Problem &problem : check.link.problems)
        problems.append(
            QJsonObject{{"kind", QLatin1String(gs1ProblemName(problem.kind))}, {"ai", problem.ai}});
    return QJsonObject{{"printedText", check.printed},
                       {"stem", check.link.stem},
                       {"elements", elements},
                       {"problems", problems},
                       {"readBackDiffers", check.readBackDiffers}};
}
