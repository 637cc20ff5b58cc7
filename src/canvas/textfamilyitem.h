#pragma once
#include <QFont>
#include <QGraphicsTextItem>

// What the text, time and both counter items share: movable and selectable, a working font ("simsun"
// at 150 pixels) applied when the item first shows its text, and painting. Text, time and counter 1
// show selection as red text without the toolkit's dashed frame; counter 2 keeps the frame.
//
// At 150 pixels the toolkit fills every glyph as an outline on each paint, the most costly part of
// showing or rendering a large design. Painted without rotation and on whole device pixels, a text
// painted before is drawn from a shared picture instead: every item showing the same text in the same
// font, colour and scale (a column of "000000" counters, the time items of one design, the visible
// items at each repaint) uses one picture, drawn once.
class textFamilyItem : public QGraphicsTextItem
{
public:
    enum class selectionLook { redText, toolkitFrame };

    explicit textFamilyItem(selectionLook look = selectionLook::redText, QGraphicsItem *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

    // Applies itemFont and shows text (creation, loading and every edit that changes the text).
    void showText(const QString &text);

    QFont itemFont;

private:
    // Draws the item from its shared picture; false when the painter's transformation does not allow it.
    bool paintShared(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget);

    selectionLook look;
};
