#pragma once
#include "itemtypes.h"
#include "textfamilyitem.h"

// The number shown by a counter, zero-padded to the digit count; a longer number is never cut.
QString paddedCounterText(int value, int digits);

class diagramCntItem : public textFamilyItem
{
public:
    explicit diagramCntItem(QGraphicsItem *parent = nullptr);

    int type() const override { return cntItemType; }

    QString counterText(int number) const { return paddedCounterText(number, mode); }

    // Apply itemFont and show the text the fields give (creation and loading).
    void showFields();

    int value = 0;
    int mode = 6;
    int name = 0;
};
