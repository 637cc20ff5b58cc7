#include "cliscan.h"

#include "clitexts.h"
#include "commands.h"
#include "designexport.h"
#include "itemtypes.h"
#include "placedscan.h"
#include "sprsections.h"

#include <QCoreApplication>
#include <QGraphicsScene>
#include <QtMath>
#include <cmath>

namespace
{
bool isSymbol(int type)
{
    return type == barItemType || type == qrItemType;
}

// The section line of each barcode and QR code, in file order: the reader builds one item per section
// header, so the n-th symbol section belongs to the n-th symbol.
QVector<int> symbolLines(const QByteArray &data)
{
    QVector<int> lines;
    const QList<QByteArray> all = data.split('\n');
    for (int i = 0; i < all.size(); ++i) {
        const QString line = QString::fromUtf8(QByteArray(all.at(i)).replace('\r', QByteArray()));
        if (const sectionSpec *section = sectionForHeader(line))
            if (isSymbol(section->typeId))
                lines.append(i + 1);
    }
    return lines;
}

QJsonValue textOrNull(const QString &text)
{
    return text.isEmpty() ? QJsonValue(QJsonValue::Null) : QJsonValue(text);
}
} // namespace

void addPlacedScanFindings(const QGraphicsScene &scene, const QByteArray &data,
                           const PrinterResolution &printer, bool printerKnown,
                           const QSet<const QGraphicsItem *> &readAlone, QVector<sprFinding> &findings)
{
    const QVector<int> lines = symbolLines(data);
    const placedStrip strip(scene);
    int index = 0;
    for (const QGraphicsItem *item : scene.items(Qt::DescendingOrder)) {
        if (!isSymbol(item->type()))
            continue;
        const int line = lines.value(index++, 1);
        const std::optional<placedVerdict> placed = verifyInPlace(strip, *item);
        if (!placed)
            continue;
        // Against a printer the operator named: the default resolution is only a stand-in.
        if (printerKnown && printedSizeOf(*item, *placed, printer).belowMinimum)
            findings.append({line, printedSizeTexts(*item, *placed, printer).join(QStringLiteral("; "))});
        if (placed->inkGrowDots == 0)
            findings.append({line, QCoreApplication::translate(
                                       "sprtool", "%1 经不起墨水扩散：每根条每边加粗 1 点就扫描不出")
                                       .arg(itemKindText(*item))});
        // A symbol that does not read even on its own is the reader's finding already.
        if (placed->verdict.readable || !readAlone.contains(item))
            continue;
        findings.append(
            {line, QCoreApplication::translate("sprtool", "%1 单独可以扫描，但在打印的位置扫描不出：%2")
                       .arg(itemKindText(*item), placed->verdict.reason)});
    }
}

QString readPrinterOption(const commandArgs &args, PrinterResolution &printer)
{
    printer = loadPrinterResolution();
    if (!args.isSet("dots-per-mm") || parseDotsPerMm(args.value("dots-per-mm"), &printer))
        return QString();
    return cliText::badValue().arg(QStringLiteral("--dots-per-mm"), args.value("dots-per-mm"),
                                   cliText::expectedDotsPerMm());
}

QJsonObject scanJson(const placedStrip &strip, const QGraphicsItem &item, const PrinterResolution &printer)
{
    const std::optional<placedVerdict> placed = verifyInPlace(strip, item);
    if (!placed)
        return {};
    const auto side = [](const quietZoneSide &zone) {
        return QJsonObject{{"found", std::round(zone.found * 100) / 100}, {"required", zone.required}};
    };
    const double mm = printedSizeOf(item, *placed, printer).xDimensionMm;
    return QJsonObject{
        {"readable", placed->verdict.readable},
        {"decodedText", textOrNull(placed->verdict.decoded)},
        {"cause", textOrNull(placedCauseName(*placed))},
        {"quietZoneModules", QJsonObject{{"left", side(placed->left)}, {"right", side(placed->right)}}},
        {"xDimensionMm", placed->placed ? QJsonValue(mm) : QJsonValue(QJsonValue::Null)},
        {"inkSpreadDots", placed->inkGrowDots < 0 ? QJsonValue(QJsonValue::Null)
                                                  : QJsonObject{{"grow", placed->inkGrowDots},
                                                                {"shrink", placed->inkShrinkDots}}},
    };
}
