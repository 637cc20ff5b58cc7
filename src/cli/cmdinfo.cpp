// sprtool info: the design as the designer's reader builds it, as JSON.
#include "clidata.h"
#include "cligs1.h"
#include "cliio.h"
#include "cliscan.h"
#include "clitexts.h"
#include "commands.h"
#include "sprdocument.h"

#include "deferredpixmapitem.h"
#include "diagramcnt2item.h"
#include "diagramcntitem.h"
#include "diagramtextitem.h"
#include "diagramtimeitem.h"
#include "placedscan.h"
#include "sprsections.h"

#include <QGraphicsScene>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

namespace
{

const char *kindName(const QGraphicsItem &item)
{
    if (const sectionSpec *section = sectionForType(item.type()))
        return section->kind;
    return item.type() == cnt2ItemType ? "counter2" : "other";
}

// The item's own font field, which the window edits and applies.
QFont itemFontOf(const QGraphicsItem &item)
{
    switch (item.type()) {
    case textItemType:
        return static_cast<const diagramTextItem &>(item).itemFont;
    case cntItemType:
        return static_cast<const diagramCntItem &>(item).itemFont;
    case cnt2ItemType:
        return static_cast<const diagramCnt2Item &>(item).itemFont;
    default:
        return static_cast<const diagramTimeItem &>(item).itemFont;
    }
}

void addTextFamily(QJsonObject &out, const textFamilyItem &item)
{
    const QFont font = item.font();
    out["itemFont"] = fontDescription(itemFontOf(item));
    out["shownText"] = item.toPlainText();
    out["fontFamily"] = font.family();
    out["pixelSize"] = font.pixelSize();
    out["letterSpacing"] = font.letterSpacing();
}

QJsonObject itemJson(const placedStrip &strip, const QGraphicsItem &item, const previewValues &printAt,
                     const PrinterResolution &printer)
{
    QJsonObject out;
    out["kind"] = QLatin1String(kindName(item));
    out["x"] = item.x();
    out["y"] = item.y();
    out["rotation"] = item.rotation();
    // Every item field, those no key line carries included.
    if (const itemFieldList *fields = itemFieldsOf(item.type())) {
        for (int i = 0; i < fields->count; ++i) {
            const itemField &row = fields->rows[i];
            if (row.json)
                out[row.fieldName(fields->prefixLength)] = row.json(item);
        }
    }
    if (const auto *text = dynamic_cast<const textFamilyItem *>(&item))
        addTextFamily(out, *text);
    if (const auto *picture = dynamic_cast<const deferredPixmapItem *>(&item)) {
        out["pictureWidth"] = picture->pictureSize().width();
        out["pictureHeight"] = picture->pictureSize().height();
    }
    if (item.type() == barItemType || item.type() == qrItemType) {
        // Read where it is printed: null unless a scanner reads it there.
        const QJsonObject scan = scanJson(strip, item, printer);
        out["scan"] = scan;
        out["decodedText"] = scan["readable"].toBool() ? scan["decodedText"] : QJsonValue(QJsonValue::Null);
    }
    if (item.type() == qrItemType)
        out["gs1DigitalLink"] = gs1Json(item, printAt);
    return out;
}

// A header value as a number when it reads as one, otherwise as the text found.
QJsonValue headerNumber(const QString &text)
{
    bool ok = false;
    const double number = text.trimmed().toDouble(&ok);
    return ok && qIsFinite(number) ? QJsonValue(number) : QJsonValue(text);
}

// One JSON line per file; the version changes whenever a key is added, removed or changes its type.
constexpr int infoSchemaVersion = 4;

int infoOne(const QString &command, const QString &path, const previewValues &printAt,
            const PrinterResolution &printer)
{
    QGraphicsScene &scene = freshDesignScene();
    sprReadResult read;
    if (!readDesign(command, path, scene, &read, false))
        return exitFailed;
    const QRectF rect = scene.sceneRect();
    const QJsonValue height = headerNumber(read.sceneHeightText);
    QJsonObject header{{"headerFound", read.headerFound},
                       {"sceneWidth", double(read.sceneWidth)},
                       {"sceneHeight", height.isDouble() ? height : QJsonValue()},
                       {"sceneHeightText", read.sceneHeightText},
                       {"dynamicItemNum", read.dynamicItemNum},
                       {"totalItemNum", read.totalItemNum}};
    QJsonArray items;
    const placedStrip strip(scene);
    for (const QGraphicsItem *item : scene.items(Qt::DescendingOrder)) {
        QJsonObject itemOut = itemJson(strip, *item, printAt, printer);
        addDataFileJson(itemOut, *item, designDirOf(path));
        items.append(itemOut);
    }
    const QJsonObject out{
        {"schemaVersion", infoSchemaVersion},
        {"path", path},
        {"sceneRect",
         QJsonObject{{"x", rect.x()}, {"y", rect.y()}, {"width", rect.width()}, {"height", rect.height()}}},
        {"header", header},
        {"items", items}};
    return printOut(command, QJsonDocument(out).toJson(QJsonDocument::Compact) + '\n') ? exitSuccess
                                                                                       : exitFailed;
}

} // namespace

int runInfoCommand(const commandArgs &args)
{
    if (args.arguments().count(QStringLiteral("-")) > 1)
        return args.usageError(cliText::stdinTwice());
    std::optional<previewValues> printAt;
    PrinterResolution printer;
    QString problem = readPreviewOptions(args, printAt);
    if (problem.isEmpty())
        problem = readPrinterOption(args, printer);
    if (!problem.isEmpty())
        return args.usageError(problem);
    int worst = exitSuccess;
    for (const QString &path : args.arguments())
        worst = qMax(worst, infoOne(args.command(), path, printAt.value_or(previewValues()), printer));
    return worst;
}
