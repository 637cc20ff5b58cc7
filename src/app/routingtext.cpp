// Panel edits of the text-like kinds (text, counter 1, counter 2, time) applied to the current item of
// each kind, whether or not it is in the scene. Values are applied as they come; the panels' controls
// are what limit them.
#include "routingtext.h"

#include "fonttables.h"

namespace
{

// The font edits shared by every text-like kind: change the working font, then show it.
template <typename Item> void applyFamily(Item *item, const fontTable &table, int index)
{
    item->itemFont.setFamily(table.familyAt(index));
    item->setFont(item->itemFont);
}

template <typename Item> void applyPixelSize(Item *item, int size)
{
    item->itemFont.setPixelSize(size);
    item->setFont(item->itemFont);
}

template <typename Item> void applySpacing(Item *item, int spacing)
{
    item->itemFont.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
    item->setFont(item->itemFont);
}

// Digit index 0 to 7 means 1 to 8 digits; any other index keeps the count, the text is shown again anyway.
template <typename Item> void applyDigits(Item *item, int index)
{
    if (index >= 0 && index <= 7)
        item->mode = index + 1;
    item->setPlainText(item->counterText(item->value));
}

} // namespace

textRouting::textRouting(Widget *window) : kindRoutingOf(window, kind)
{
    connect(panel, &textSetting::textXChange, this, &textRouting::textXChange);
    connect(panel, &textSetting::textYChange, this, &textRouting::textYChange);
    connect(panel, &textSetting::textRotateChange, this, &textRouting::textRotateChange);
    connect(panel, &textSetting::textFontChange, this, &textRouting::textFontChange);
    connect(panel, &textSetting::textSizeChange, this, &textRouting::textSizeChange);
    connect(panel, &textSetting::textIntervalChange, this, &textRouting::textIntervalChange);
}

cntRouting::cntRouting(Widget *window) : kindRoutingOf(window, kind)
{
    connect(panel, &cntSetting::cntXChange, this, &cntRouting::cntXChange);
    connect(panel, &cntSetting::cntYChange, this, &cntRouting::cntYChange);
    connect(panel, &cntSetting::cntRotateChange, this, &cntRouting::cntRotateChange);
    connect(panel, &cntSetting::cntFontChange, this, &cntRouting::cntFontChange);
    connect(panel, &cntSetting::cntSizeChange, this, &cntRouting::cntSizeChange);
    connect(panel, &cntSetting::cntIntervalChange, this, &cntRouting::cntIntervalChange);
    connect(panel, &cntSetting::cntModeChange, this, &cntRouting::cntModeChange);
    connect(panel, &cntSetting::cntNameChange, this, &cntRouting::cntNameChange);
}

cnt2Routing::cnt2Routing(Widget *window) : kindRoutingOf(window, kind)
{
    connect(panel, &cnt2Setting::cnt2XChange, this, &cnt2Routing::cnt2XChange);
    connect(panel, &cnt2Setting::cnt2YChange, this, &cnt2Routing::cnt2YChange);
    connect(panel, &cnt2Setting::cnt2RotateChange, this, &cnt2Routing::cnt2RotateChange);
    connect(panel, &cnt2Setting::cnt2FontChange, this, &cnt2Routing::cnt2FontChange);
    connect(panel, &cnt2Setting::cnt2SizeChange, this, &cnt2Routing::cnt2SizeChange);
    connect(panel, &cnt2Setting::cnt2IntervalChange, this, &cnt2Routing::cnt2IntervalChange);
    connect(panel, &cnt2Setting::cnt2ModeChange, this, &cnt2Routing::cnt2ModeChange);
}

timeRouting::timeRouting(Widget *window) : kindRoutingOf(window, kind)
{
    connect(panel, &timeSetting::timeXChange, this, &timeRouting::timeXChange);
    connect(panel, &timeSetting::timeYChange, this, &timeRouting::timeYChange);
    connect(panel, &timeSetting::timeRotateChange, this, &timeRouting::timeRotateChange);
    connect(panel, &timeSetting::timeFontChange, this, &timeRouting::timeFontChange);
    connect(panel, &timeSetting::timeSizeChange, this, &timeRouting::timeSizeChange);
    connect(panel, &timeSetting::timeModeChange, this, &timeRouting::timeModeChange);
    connect(panel, &timeSetting::timeSpacingChange, this, &timeRouting::timeSpacingChange);
}

// "完成" on a text: the editor's text is the item's text.
void textRouting::applyContent(const QString &text)
{
    item->setPlainText(text);
    item->content = text;
}

void textRouting::textXChange(int x)
{
    const editScope scope(this, item, "textXChange");
    item->setPos(x, item->y());
}
void textRouting::textYChange(int y)
{
    const editScope scope(this, item, "textYChange");
    item->setPos(item->x(), y);
}
void textRouting::textRotateChange(int angle)
{
    const editScope scope(this, item, "textRotateChange");
    item->setRotation(angle);
}
void textRouting::textFontChange(int index)
{
    const editScope scope(this, item, "textFontChange");
    applyFamily(item, textFontTable, index);
}
void textRouting::textSizeChange(int size)
{
    const editScope scope(this, item, "textSizeChange");
    applyPixelSize(item, size);
}
void textRouting::textIntervalChange(int interval)
{
    const editScope scope(this, item, "textIntervalChange");
    applySpacing(item, interval);
}

void cntRouting::cntXChange(int x)
{
    const editScope scope(this, item, "cntXChange");
    item->setPos(x, item->y());
}
void cntRouting::cntYChange(int y)
{
    const editScope scope(this, item, "cntYChange");
    item->setPos(item->x(), y);
}
void cntRouting::cntRotateChange(int angle)
{
    const editScope scope(this, item, "cntRotateChange");
    item->setRotation(angle);
}
void cntRouting::cntFontChange(int index)
{
    const editScope scope(this, item, "cntFontChange");
    applyFamily(item, cntFontTable, index);
}
void cntRouting::cntSizeChange(int size)
{
    const editScope scope(this, item, "cntSizeChange");
    applyPixelSize(item, size);
}
void cntRouting::cntIntervalChange(int interval)
{
    const editScope scope(this, item, "cntIntervalChange");
    applySpacing(item, interval);
}
void cntRouting::cntModeChange(int index)
{
    const editScope scope(this, item, "cntModeChange");
    applyDigits(item, index);
}
// Which of the printer's counters the item stands for; it does not change what is shown.
void cntRouting::cntNameChange(int index)
{
    const editScope scope(this, item, "cntNameChange");
    item->name = index;
}

void cnt2Routing::cnt2XChange(int x)
{
    const editScope scope(this, item, "cnt2XChange");
    item->setPos(x, item->y());
}
void cnt2Routing::cnt2YChange(int y)
{
    const editScope scope(this, item, "cnt2YChange");
    item->setPos(item->x(), y);
}
void cnt2Routing::cnt2RotateChange(int angle)
{
    const editScope scope(this, item, "cnt2RotateChange");
    item->setRotation(angle);
}
void cnt2Routing::cnt2FontChange(int index)
{
    const editScope scope(this, item, "cnt2FontChange");
    applyFamily(item, cnt2FontTable, index);
}
void cnt2Routing::cnt2SizeChange(int size)
{
    const editScope scope(this, item, "cnt2SizeChange");
    applyPixelSize(item, size);
}
void cnt2Routing::cnt2IntervalChange(int interval)
{
    const editScope scope(this, item, "cnt2IntervalChange");
    applySpacing(item, interval);
}
void cnt2Routing::cnt2ModeChange(int index)
{
    const editScope scope(this, item, "cnt2ModeChange");
    applyDigits(item, index);
}

void timeRouting::timeXChange(int x)
{
    const editScope scope(this, item, "timeXChange");
    item->setPos(x, item->y());
}
void timeRouting::timeYChange(int y)
{
    const editScope scope(this, item, "timeYChange");
    item->setPos(item->x(), y);
}
void timeRouting::timeRotateChange(int angle)
{
    const editScope scope(this, item, "timeRotateChange");
    item->setRotation(angle);
}
// The time panel offers the counter list.
void timeRouting::timeFontChange(int index)
{
    const editScope scope(this, item, "timeFontChange");
    applyFamily(item, cntFontTable, index);
}
void timeRouting::timeSizeChange(int size)
{
    const editScope scope(this, item, "timeSizeChange");
    applyPixelSize(item, size);
}
void timeRouting::timeSpacingChange(int value)
{
    const editScope scope(this, item, "timeSpacingChange");
    applySpacing(item, value);
}

void timeRouting::timeModeChange(QString timeModeStr)
{
    const editScope scope(this, item, "timeModeChange");
    item->mode = timeModeStr;
    item->setPlainText(item->timeText(item->dateTime, item->valid));
}
