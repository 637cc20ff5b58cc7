#include "datafilefields.h"

#include "diagrambaritem.h"
#include "diagramqrcodeitem.h"
#include "diagramtextitem.h"

namespace
{
template <typename T> void sync(bool toItem, T &itemField, T &value)
{
    if (toItem)
        itemField = value;
    else
        value = itemField;
}

// Text and barcode items share one spelling of the fields.
template <typename I> void syncExtData(I &i, dataFileSettings &s, bool toItem)
{
    sync(toItem, i.isExtVariable, s.isExtVariable);
    sync(toItem, i.extDataFilePath, s.path);
    sync(toItem, i.extDataStartLine, s.firstLine);
    sync(toItem, i.extDataEndLine, s.lastLine);
    sync(toItem, i.extDataCurLine, s.currentLine);
    sync(toItem, i.isAllPrinted, s.isAllPrinted);
}

bool syncFields(QGraphicsItem *item, dataFileSettings &s, bool toItem)
{
    switch (item ? item->type() : 0) {
    case textItemType:
        syncExtData(static_cast<diagramTextItem &>(*item), s, toItem);
        return true;
    case barItemType:
        syncExtData(static_cast<diagramBarItem &>(*item), s, toItem);
        return true;
    case qrItemType: {
        auto &q = static_cast<diagramQRCodeItem &>(*item);
        sync(toItem, q.isExtVariable, s.isExtVariable);
        sync(toItem, q.extFilePath, s.path);
        sync(toItem, q.extStartLine, s.firstLine);
        sync(toItem, q.extEndLine, s.lastLine);
        sync(toItem, q.extCurLine, s.currentLine);
        sync(toItem, q.isAllPrinted, s.isAllPrinted);
        sync(toItem, q.isUartVariable, s.isUartVariable);
        s.hasUart = true;
        return true;
    }
    default:
        return false;
    }
}
} // namespace

std::optional<dataFileSettings> dataFileSettingsOf(const QGraphicsItem *item)
{
    dataFileSettings s;
    // Reading only: the same field list writes, so it takes a mutable item.
    if (!syncFields(const_cast<QGraphicsItem *>(item), s, false))
        return std::nullopt;
    return s;
}

void applyDataFileSettings(QGraphicsItem *item, const dataFileSettings &settings)
{
    dataFileSettings s = settings;
    syncFields(item, s, true);
}
