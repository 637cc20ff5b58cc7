#pragma once
#include <QGraphicsItem>

// Fixed type ids; stored designs, the writer and every dispatch on an item use them. The rest of what
// is known per kind is in the table of itemkinds.h.
enum itemTypeId : int {
    textItemType = QGraphicsItem::UserType + 3,  // 65539
    cnt2ItemType = QGraphicsItem::UserType + 4,  // 65540
    cntItemType = QGraphicsItem::UserType + 5,   // 65541
    barItemType = QGraphicsItem::UserType + 7,   // 65543
    imageItemType = QGraphicsItem::UserType + 8, // 65544
    timeItemType = QGraphicsItem::UserType + 9,  // 65545
    qrItemType = QGraphicsItem::UserType + 10,   // 65546
};
