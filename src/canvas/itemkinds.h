#pragma once
// The seven item kinds as data: one row per kind with every number and name the rest of the program
// knows it by. The type id keys stored designs and the writer; the panel kind is what the window's
// shownPanel() reports; the tool id is the tool column's button id. Adding a kind is adding a row here
// (and its item class, panel and routing).
#include "itemtypes.h"

#include <QString>

class QGraphicsItem;

// Keys the window's per-kind container; the order of the rows below.
enum class itemKind : int { text, cnt, cnt2, time, bar, image, qr };
constexpr int itemKindCount = 7;

struct itemKindRow {
    itemKind kind;
    int typeId;                // QGraphicsItem::type() of the kind's item class
    int panelKind;             // the window's panel kind
    int toolId;                // the tool column's button id
    const char *sectionHeader; // the item's section in a .spr file; nullptr: never stored
    const char *displayName;   // as messages name the kind (translated in the context "placedScan")
    bool hasContent;           // the content editor and "完成" apply to it
    // An item with the kind's defaults, not yet drawn (the window's off-scene initial items).
    QGraphicsItem *(*create)();
    // Draws a fresh item as the tool column places it.
    void (*showNew)(QGraphicsItem &item);
    // Shows the item again after a field was set from its panel control.
    void (*showEdit)(QGraphicsItem &item);
};

// The rows, in the order of itemKind.
const itemKindRow *itemKindRows();
const itemKindRow &itemKindRowOf(itemKind kind);
// The row of a type id, panel kind or tool id; nullptr when no kind has it.
const itemKindRow *itemKindForType(int typeId);
const itemKindRow *itemKindForPanel(int panelKind);
const itemKindRow *itemKindForTool(int toolId);
// The kind's display name, translated; "其他" for an item of no kind.
QString itemKindName(int typeId);
