#pragma once
#include "itemtypes.h"
#include "textfamilyitem.h"

class diagramTextItem : public textFamilyItem
{
public:
    explicit diagramTextItem(QGraphicsItem *parent = nullptr);

    int type() const override { return textItemType; }
    // Without text the item is the dashed frame of emptypicture.h in the view, so it can be found; it
    // prints nothing.
    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    bool contains(const QPointF &point) const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

    // Apply itemFont and show the text the fields give (creation and loading). Only the first
    // maxShownLength characters are shown, as many as the content editor takes: laying out a text of
    // millions of characters from a file would take minutes and gigabytes. content keeps them all.
    void showFields();
    static constexpr int maxShownLength = 32767;

    QString content;
    quint32 extDataStartLine = 1;
    quint32 extDataEndLine = 1;
    QString extDataFilePath;
    quint32 extDataCurLine = 1;
    bool isExtVariable = false;
    bool isAllPrinted = false;
};
