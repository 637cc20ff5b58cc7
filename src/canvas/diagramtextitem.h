#pragma once
#include "itemtypes.h"

#include <QFont>
#include <QGraphicsTextItem>

class diagramTextItem : public QGraphicsTextItem
{
public:
    explicit diagramTextItem(QGraphicsItem *parent = nullptr);

    int type() const override { return textItemType; }
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

    // Apply itemFont and show the text the fields give (creation and loading). Only the first
    // maxShownLength characters are shown, as many as the content editor takes: laying out a text of
    // millions of characters from a file would take minutes and gigabytes. content keeps them all.
    void showFields();
    static constexpr int maxShownLength = 32767;

    QString content;
    QFont itemFont;
    quint32 extDataStartLine = 1;
    quint32 extDataEndLine = 1;
    QString extDataFilePath;
    quint32 extDataCurLine = 1;
    bool isExtVariable = false;
    bool isAllPrinted = false;
};
