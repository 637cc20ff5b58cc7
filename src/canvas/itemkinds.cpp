#include "itemkinds.h"

#include "diagrambaritem.h"
#include "diagramcnt2item.h"
#include "diagramcntitem.h"
#include "diagramimageitem.h"
#include "diagramqrcodeitem.h"
#include "diagramtextitem.h"
#include "diagramtimeitem.h"

#include <QCoreApplication>

namespace
{
template <typename Item> QGraphicsItem *create()
{
    return new Item;
}

template <typename Item> void showFields(QGraphicsItem &item)
{
    static_cast<Item &>(item).showFields();
}

// Edits other than the content and the symbology tell no refusal: the frame names it meanwhile.
template <typename Item> void regenerate(QGraphicsItem &item)
{
    static_cast<Item &>(item).regenerate();
}

// The defaults never fail; a box would only tell of a changed default that does.
void showBarcode(QGraphicsItem &item)
{
    auto &bar = static_cast<diagramBarItem &>(item);
    showBarcodeFormatErrorBox(bar.regenerate(), bar);
}

const itemKindRow rows[itemKindCount] = {
    {itemKind::text, textItemType, 0, 1, "[TextItemInfo]", QT_TRANSLATE_NOOP("placedScan", "文本"), true,
     create<diagramTextItem>, showFields<diagramTextItem>, showFields<diagramTextItem>},
    {itemKind::cnt, cntItemType, 5, 2, "[CntItemInfo]", QT_TRANSLATE_NOOP("placedScan", "计数器"), false,
     create<diagramCntItem>, showFields<diagramCntItem>, showFields<diagramCntItem>},
    {itemKind::cnt2, cnt2ItemType, 6, 3, nullptr, QT_TRANSLATE_NOOP("placedScan", "计数器2"), false,
     create<diagramCnt2Item>, showFields<diagramCnt2Item>, showFields<diagramCnt2Item>},
    {itemKind::time, timeItemType, 2, 4, "[TimeItemInfo]", QT_TRANSLATE_NOOP("placedScan", "时间"), false,
     create<diagramTimeItem>, showFields<diagramTimeItem>, showFields<diagramTimeItem>},
    {itemKind::bar, barItemType, 3, 7, "[BarItemInfo]", QT_TRANSLATE_NOOP("placedScan", "条码"), true,
     create<diagramBarItem>, showBarcode, regenerate<diagramBarItem>},
    {itemKind::image, imageItemType, 4, 5, "[ImageItemInfo]", QT_TRANSLATE_NOOP("placedScan", "图片"), false,
     create<diagramImageItem>,
     [](QGraphicsItem &item) { static_cast<diagramImageItem &>(item).showPlaceholder(); },
     [](QGraphicsItem &item) { item.update(); }},
    {itemKind::qr, qrItemType, 7, 6, "[QRcodeItemInfo]", QT_TRANSLATE_NOOP("placedScan", "二维码"), true,
     create<diagramQRCodeItem>, regenerate<diagramQRCodeItem>, regenerate<diagramQRCodeItem>},
};

template <typename Key> const itemKindRow *find(Key itemKindRow::*column, Key value)
{
    for (const itemKindRow &row : rows)
        if (row.*column == value)
            return &row;
    return nullptr;
}
} // namespace

const itemKindRow *itemKindRows()
{
    return rows;
}

const itemKindRow &itemKindRowOf(itemKind kind)
{
    return rows[int(kind)];
}

const itemKindRow *itemKindForType(int typeId)
{
    return find(&itemKindRow::typeId, typeId);
}

const itemKindRow *itemKindForPanel(int panelKind)
{
    return find(&itemKindRow::panelKind, panelKind);
}

const itemKindRow *itemKindForTool(int toolId)
{
    return find(&itemKindRow::toolId, toolId);
}

QString itemKindName(int typeId)
{
    const itemKindRow *row = itemKindForType(typeId);
    return QCoreApplication::translate("placedScan",
                                       row ? row->displayName : QT_TRANSLATE_NOOP("placedScan", "其他"));
}
