#pragma once
#include "diagramcntitem.h"

// Counter 2 keeps the toolkit's own painting, selection frame included.
class diagramCnt2Item : public textFamilyItem
{
public:
    explicit diagramCnt2Item(QGraphicsItem *parent = nullptr);

    int type() const override { return cnt2ItemType; }

    QString counterText(int number) const { return paddedCounterText(number, mode); }

    // Apply itemFont and show the text the fields give (creation and loading).
    void showFields();

    int value = 0;
    int mode = 6;
};
