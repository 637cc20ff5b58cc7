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
    textSetting *m_textSetting = panel;
    connect(m_textSetting, &textSetting::textXChange, this, &textRouting::textXChange);
    connect(m_textSetting, &textSetting::textYChange, this, &textRouting::textYChange);
    connect(m_textSetting, &textSetting::textRotateChange, this, &textRouting::textRotateChange);
    connect(m_textSetting, &textSetting::textFontChange, this, &textRouting::textFontChange);
    connect(m_textSetting, &textSetting::textSizeChange, this, &textRouting::textSizeChange);
    connect(m_textSetting, &textSetting::textIntervalChange, this, &textRouting::textIntervalChange);
}

cntRouting::cntRouting(Widget *window) : kindRoutingOf(window, kind)
{
    cntSetting *m_cntSetting = panel;
    connect(m_cntSetting, &cntSetting::cntXChange, this, &cntRouting::cntXChange);
    connect(m_cntSetting, &cntSetting::cntYChange, this, &cntRouting::cntYChange);
    connect(m_cntSetting, &cntSetting::cntRotateChange, this, &cntRouting::cntRotateChange);
    connect(m_cntSetting, &cntSetting::cntFontChange, this, &cntRouting::cntFontChange);
    connect(m_cntSetting, &cntSetting::cntSizeChange, this, &cntRouting::cntSizeChange);
    connect(m_cntSetting, &cntSetting::cntIntervalChange, this, &cntRouting::cntIntervalChange);
    connect(m_cntSetting, &cntSetting::cntModeChange, this, &cntRouting::cntModeChange);
    connect(m_cntSetting, &cntSetting::cntNameChange, this, &cntRouting::cntNameChange);
}

cnt2Routing::cnt2Routing(Widget *window) : kindRoutingOf(window, kind)
{
    cnt2Setting *m_cnt2Setting = panel;
    connect(m_cnt2Setting, &cnt2Setting::cnt2XChange, this, &cnt2Routing::cnt2XChange);
    connect(m_cnt2Setting, &cnt2Setting::cnt2YChange, this, &cnt2Routing::cnt2YChange);
    connect(m_cnt2Setting, &cnt2Setting::cnt2RotateChange, this, &cnt2Routing::cnt2RotateChange);
    connect(m_cnt2Setting, &cnt2Setting::cnt2FontChange, this, &cnt2Routing::cnt2FontChange);
    connect(m_cnt2Setting, &cnt2Setting::cnt2SizeChange, this, &cnt2Routing::cnt2SizeChange);
    connect(m_cnt2Setting, &cnt2Setting::cnt2IntervalChange, this, &cnt2Routing::cnt2IntervalChange);
    connect(m_cnt2Setting, &cnt2Setting::cnt2ModeChange, this, &cnt2Routing::cnt2ModeChange);
}

timeRouting::timeRouting(Widget *window) : kindRoutingOf(window, kind)
{
    timeSetting *m_timeSetting = panel;
    connect(m_timeSetting, &timeSetting::timeXChange, this, &timeRouting::timeXChange);
    connect(m_timeSetting, &timeSetting::timeYChange, this, &timeRouting::timeYChange);
    connect(m_timeSetting, &timeSetting::timeRotateChange, this, &timeRouting::timeRotateChange);
    connect(m_timeSetting, &timeSetting::timeFontChange, this, &timeRouting::timeFontChange);
    connect(m_timeSetting, &timeSetting::timeSizeChange, this, &timeRouting::timeSizeChange);
    connect(m_timeSetting, &timeSetting::timeModeChange, this, &timeRouting::timeModeChange);
    connect(m_timeSetting, &timeSetting::timeSpacingChange, this, &timeRouting::timeSpacingChange);
    connect(m_timeSetting, &timeSetting::timeValidChange, this, &timeRouting::timeValidChange);
}

// "完成" on a text: the editor's text is the item's text.
void textRouting::applyContent(const QString &text)
{
    currentTextItem->setPlainText(text);
    currentTextItem->content = text;
}

void textRouting::textXChange(int x)
{
    const editScope scope(this, currentTextItem, "textXChange");
    currentTextItem->setPos(x, currentTextItem->y());
}
void textRouting::textYChange(int y)
{
    const editScope scope(this, currentTextItem, "textYChange");
    currentTextItem->setPos(currentTextItem->x(), y);
}
void textRouting::textRotateChange(int angle)
{
    const editScope scope(this, currentTextItem, "textRotateChange");
    currentTextItem->setRotation(angle);
}
void textRouting::textFontChange(int index)
{
    const editScope scope(this, currentTextItem, "textFontChange");
    applyFamily(currentTextItem, textFontTable, index);
}
void textRouting::textSizeChange(int size)
{
    const editScope scope(this, currentTextItem, "textSizeChange");
    applyPixelSize(currentTextItem, size);
}
void textRouting::textIntervalChange(int interval)
{
    const editScope scope(this, currentTextItem, "textIntervalChange");
    applySpacing(currentTextItem, interval);
}

void cntRouting::cntXChange(int x)
{
    const editScope scope(this, currentCntItem, "cntXChange");
    currentCntItem->setPos(x, currentCntItem->y());
}
void cntRouting::cntYChange(int y)
{
    const editScope scope(this, currentCntItem, "cntYChange");
    currentCntItem->setPos(currentCntItem->x(), y);
}
void cntRouting::cntRotateChange(int angle)
{
    const editScope scope(this, currentCntItem, "cntRotateChange");
    currentCntItem->setRotation(angle);
}
void cntRouting::cntFontChange(int index)
{
    const editScope scope(this, currentCntItem, "cntFontChange");
    applyFamily(currentCntItem, cntFontTable, index);
}
void cntRouting::cntSizeChange(int size)
{
    const editScope scope(this, currentCntItem, "cntSizeChange");
    applyPixelSize(currentCntItem, size);
}
void cntRouting::cntIntervalChange(int interval)
{
    const editScope scope(this, currentCntItem, "cntIntervalChange");
    applySpacing(currentCntItem, interval);
}
void cntRouting::cntModeChange(int index)
{
    const editScope scope(this, currentCntItem, "cntModeChange");
    applyDigits(currentCntItem, index);
}
// Which of the printer's counters the item stands for; it does not change what is shown.
void cntRouting::cntNameChange(int index)
{
    const editScope scope(this, currentCntItem, "cntNameChange");
    currentCntItem->name = index;
}

void cnt2Routing::cnt2XChange(int x)
{
    const editScope scope(this, currentCnt2Item, "cnt2XChange");
    currentCnt2Item->setPos(x, currentCnt2Item->y());
}
void cnt2Routing::cnt2YChange(int y)
{
    const editScope scope(this, currentCnt2Item, "cnt2YChange");
    currentCnt2Item->setPos(currentCnt2Item->x(), y);
}
void cnt2Routing::cnt2RotateChange(int angle)
{
    const editScope scope(this, currentCnt2Item, "cnt2RotateChange");
    currentCnt2Item->setRotation(angle);
}
void cnt2Routing::cnt2FontChange(int index)
{
    const editScope scope(this, currentCnt2Item, "cnt2FontChange");
    applyFamily(currentCnt2Item, cnt2FontTable, index);
}
void cnt2Routing::cnt2SizeChange(int size)
{
    const editScope scope(this, currentCnt2Item, "cnt2SizeChange");
    applyPixelSize(currentCnt2Item, size);
}
void cnt2Routing::cnt2IntervalChange(int interval)
{
    const editScope scope(this, currentCnt2Item, "cnt2IntervalChange");
    applySpacing(currentCnt2Item, interval);
}
void cnt2Routing::cnt2ModeChange(int index)
{
    const editScope scope(this, currentCnt2Item, "cnt2ModeChange");
    applyDigits(currentCnt2Item, index);
}

void timeRouting::timeXChange(int x)
{
    const editScope scope(this, currentTimeItem, "timeXChange");
    currentTimeItem->setPos(x, currentTimeItem->y());
}
void timeRouting::timeYChange(int y)
{
    const editScope scope(this, currentTimeItem, "timeYChange");
    currentTimeItem->setPos(currentTimeItem->x(), y);
}
void timeRouting::timeRotateChange(int angle)
{
    const editScope scope(this, currentTimeItem, "timeRotateChange");
    currentTimeItem->setRotation(angle);
}
// The time panel offers the counter list.
void timeRouting::timeFontChange(int index)
{
    const editScope scope(this, currentTimeItem, "timeFontChange");
    applyFamily(currentTimeItem, cntFontTable, index);
}
void timeRouting::timeSizeChange(int size)
{
    const editScope scope(this, currentTimeItem, "timeSizeChange");
    applyPixelSize(currentTimeItem, size);
}
void timeRouting::timeSpacingChange(int value)
{
    const editScope scope(this, currentTimeItem, "timeSpacingChange");
    applySpacing(currentTimeItem, value);
}

void timeRouting::timeModeChange(QString timeModeStr)
{
    const editScope scope(this, currentTimeItem, "timeModeChange");
    currentTimeItem->mode = timeModeStr;
    currentTimeItem->setPlainText(
        currentTimeItem->timeText(currentTimeItem->dateTime, currentTimeItem->valid));
}

// The printer prints the print date plus that many months, minus one day; the item shows the same.
void timeRouting::timeValidChange(int months)
{
    const editScope scope(this, currentTimeItem, "timeValidChange");
    currentTimeItem->valid = months;
    currentTimeItem->setPlainText(currentTimeItem->timeText(currentTimeItem->dateTime, months));
}
