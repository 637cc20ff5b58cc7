// sprtool info: the design as the designer's reader builds it, as JSON.
#include "cmddesign.h"
#include "commands.h"
#include "sprdocument.h"

#include "diagramcnt2item.h"
#include "diagramcntitem.h"
#include "diagramtextitem.h"
#include "diagramtimeitem.h"
#include "sprsections.h"

#include <QGraphicsPixmapItem>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
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

void addTextFamily(QJsonObject &out, const QGraphicsTextItem &item)
{
    const QFont font = item.font();
    out["itemFont"] = fontDescription(itemFontOf(item));
    out["shownText"] = item.toPlainText();
    out["fontFamily"] = font.family();
    out["pixelSize"] = font.pixelSize();
    out["letterSpacing"] = font.letterSpacing();
}

// Fields that travel through no key line but belong to the item classes.
void addOtherFields(QJsonObject &out, const QGraphicsItem &item)
{
    switch (item.type()) {
    case cntItemType:
        out["value"] = static_cast<const diagramCntItem &>(item).value;
        break;
    case cnt2ItemType:
        out["value"] = static_cast<const diagramCnt2Item &>(item).value;
        out["mode"] = static_cast<const diagramCnt2Item &>(item).mode;
        break;
    case timeItemType:
        out["dateTime"] = static_cast<const diagramTimeItem &>(item).dateTime.toString(Qt::ISODate);
        break;
    default:
        break;
    }
}

QJsonObject itemJson(const QGraphicsItem &item)
{
    QJsonObject out;
    out["kind"] = QLatin1String(kindName(item));
    out["x"] = item.x();
    out["y"] = item.y();
    out["rotation"] = item.rotation();
    if (const sectionSpec *section = sectionForType(item.type())) {
        for (int i = 0; i < section->rowCount; ++i) {
            const keyRow &row = section->rows[i];
            if (row.json)
                out[row.fieldName(section->prefixLength)] = row.json(item);
        }
    }
    addOtherFields(out, item);
    if (const auto *text = dynamic_cast<const QGraphicsTextItem *>(&item))
        addTextFamily(out, *text);
    if (const auto *picture = dynamic_cast<const QGraphicsPixmapItem *>(&item)) {
        out["pictureWidth"] = picture->pixmap().width();
        out["pictureHeight"] = picture->pixmap().height();
    }
    return out;
}

// A header value as a number when it reads as one, otherwise as the text found.
QJsonValue headerNumber(const QString &text)
{
    bool ok = false;
    const double number = text.trimmed().toDouble(&ok);
    return ok && qIsFinite(number) ? QJsonValue(number) : QJsonValue(text);
}

} // namespace

int runInfoCommand(const QStringList &args)
{
    if (args.size() != 1)
        return usageError("info FILE.spr");
    QGraphicsScene scene;
    sprReadResult read;
    if (!readDesign(args.first(), scene, &read, false))
        return 2;
    const QRectF rect = scene.sceneRect();
    QJsonObject header{{"headerFound", read.headerFound},
                       {"sceneWidth", double(read.sceneWidth)},
                       {"sceneHeight", headerNumber(read.sceneHeightText)},
                       {"dynamicItemNum", read.dynamicItemNum},
                       {"totalItemNum", read.totalItemNum}};
    QJsonArray items;
    for (const QGraphicsItem *item : scene.items(Qt::DescendingOrder))
        items.append(itemJson(*item));
    const QJsonObject out{
        {"sceneRect",
         QJsonObject{{"x", rect.x()}, {"y", rect.y()}, {"width", rect.width()}, {"height", rect.height()}}},
        {"header", header},
        {"items", items}};
    std::fputs(QJsonDocument(out).toJson(QJsonDocument::Indented).constData(), stdout);
    return 0;
}
