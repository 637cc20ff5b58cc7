// Panel edits of the text-like kinds (text, counter 1, counter 2, time) applied to the current item of
// each kind, whether or not it is in the scene. Values are applied as they come; the panels' controls
// are what limit them.
#include "ui_widget.h"
#include "widget.h"

#include "cnt2setting.h"
#include "cntsetting.h"
#include "diagramcnt2item.h"
#include "diagramcntitem.h"
#include "diagramtextitem.h"
#include "diagramtimeitem.h"
#include "fonttables.h"
#include "textsetting.h"
#include "timesetting.h"

#include <functional>
#include <utility>

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

void Widget::setupTextPanels()
{
    m_textSetting = new textSetting;
    m_timeSetting = new timeSetting;
    m_cntSetting = new cntSetting;
    m_cnt2Setting = new cnt2Setting;
    ui->textScrollArea->setWidget(m_textSetting);
    ui->timeScrollArea->setWidget(m_timeSetting);
    ui->cntScrollArea->setWidget(m_cntSetting);
    ui->cnt2ScrollArea->setWidget(m_cnt2Setting);

    connect(m_textSetting, &textSetting::textXChange, this, &Widget::textXChange);
    connect(m_textSetting, &textSetting::textYChange, this, &Widget::textYChange);
    connect(m_textSetting, &textSetting::textRotateChange, this, &Widget::textRotateChange);
    connect(m_textSetting, &textSetting::textFontChange, this, &Widget::textFontChange);
    connect(m_textSetting, &textSetting::textSizeChange, this, &Widget::textSizeChange);
    connect(m_textSetting, &textSetting::textIntervalChange, this, &Widget::textIntervalChange);

    connect(m_cntSetting, &cntSetting::cntXChange, this, &Widget::cntXChange);
    connect(m_cntSetting, &cntSetting::cntYChange, this, &Widget::cntYChange);
    connect(m_cntSetting, &cntSetting::cntRotateChange, this, &Widget::cntRotateChange);
    connect(m_cntSetting, &cntSetting::cntFontChange, this, &Widget::cntFontChange);
    connect(m_cntSetting, &cntSetting::cntSizeChange, this, &Widget::cntSizeChange);
    connect(m_cntSetting, &cntSetting::cntIntervalChange, this, &Widget::cntIntervalChange);
    connect(m_cntSetting, &cntSetting::cntModeChange, this, &Widget::cntModeChange);
    connect(m_cntSetting, &cntSetting::cntNameChange, this, &Widget::cntNameChange);

    connect(m_cnt2Setting, &cnt2Setting::cnt2XChange, this, &Widget::cnt2XChange);
    connect(m_cnt2Setting, &cnt2Setting::cnt2YChange, this, &Widget::cnt2YChange);
    connect(m_cnt2Setting, &cnt2Setting::cnt2RotateChange, this, &Widget::cnt2RotateChange);
    connect(m_cnt2Setting, &cnt2Setting::cnt2FontChange, this, &Widget::cnt2FontChange);
    connect(m_cnt2Setting, &cnt2Setting::cnt2SizeChange, this, &Widget::cnt2SizeChange);
    connect(m_cnt2Setting, &cnt2Setting::cnt2IntervalChange, this, &Widget::cnt2IntervalChange);
    connect(m_cnt2Setting, &cnt2Setting::cnt2ModeChange, this, &Widget::cnt2ModeChange);

    connect(m_timeSetting, &timeSetting::timeXChange, this, &Widget::timeXChange);
    connect(m_timeSetting, &timeSetting::timeYChange, this, &Widget::timeYChange);
    connect(m_timeSetting, &timeSetting::timeRotateChange, this, &Widget::timeRotateChange);
    connect(m_timeSetting, &timeSetting::timeFontChange, this, &Widget::timeFontChange);
    connect(m_timeSetting, &timeSetting::timeSizeChange, this, &Widget::timeSizeChange);
    connect(m_timeSetting, &timeSetting::timeModeChange, this, &Widget::timeModeChange);
    connect(m_timeSetting, &timeSetting::timeSpacingChange, this, &Widget::timeSpacingChange);
    connect(m_timeSetting, &timeSetting::timeValidChange, this, &Widget::timeValidChange);
}

void Widget::loadTextPanel(int kind)
{
    const std::pair<int, std::function<void()>> loaders[] = {
        {0, [this] { m_textSetting->loadFromItem(currentTextItem); }},
        {2, [this] { m_timeSetting->loadFromItem(currentTimeItem); }},
        {5, [this] { m_cntSetting->loadFromItem(currentCntItem); }},
        {6, [this] { m_cnt2Setting->loadFromItem(currentCnt2Item); }},
    };
    for (const auto &loader : loaders) {
        if (loader.first == kind)
            loader.second();
    }
}

void Widget::textXChange(int x)
{
    const editScope scope(this, currentTextItem, "textXChange");
    currentTextItem->setPos(x, currentTextItem->y());
}
void Widget::textYChange(int y)
{
    const editScope scope(this, currentTextItem, "textYChange");
    currentTextItem->setPos(currentTextItem->x(), y);
}
void Widget::textRotateChange(int angle)
{
    const editScope scope(this, currentTextItem, "textRotateChange");
    currentTextItem->setRotation(angle);
}
void Widget::textFontChange(int index)
{
    const editScope scope(this, currentTextItem, "textFontChange");
    applyFamily(currentTextItem, textFontTable, index);
}
void Widget::textSizeChange(int size)
{
    const editScope scope(this, currentTextItem, "textSizeChange");
    applyPixelSize(currentTextItem, size);
}
void Widget::textIntervalChange(int interval)
{
    const editScope scope(this, currentTextItem, "textIntervalChange");
    applySpacing(currentTextItem, interval);
}

void Widget::cntXChange(int x)
{
    const editScope scope(this, currentCntItem, "cntXChange");
    currentCntItem->setPos(x, currentCntItem->y());
}
void Widget::cntYChange(int y)
{
    const editScope scope(this, currentCntItem, "cntYChange");
    currentCntItem->setPos(currentCntItem->x(), y);
}
void Widget::cntRotateChange(int angle)
{
    const editScope scope(this, currentCntItem, "cntRotateChange");
    currentCntItem->setRotation(angle);
}
void Widget::cntFontChange(int index)
{
    const editScope scope(this, currentCntItem, "cntFontChange");
    applyFamily(currentCntItem, cntFontTable, index);
}
void Widget::cntSizeChange(int size)
{
    const editScope scope(this, currentCntItem, "cntSizeChange");
    applyPixelSize(currentCntItem, size);
}
void Widget::cntIntervalChange(int interval)
{
    const editScope scope(this, currentCntItem, "cntIntervalChange");
    applySpacing(currentCntItem, interval);
}
void Widget::cntModeChange(int index)
{
    const editScope scope(this, currentCntItem, "cntModeChange");
    applyDigits(currentCntItem, index);
}
// Which of the printer's counters the item stands for; it does not change what is shown.
void Widget::cntNameChange(int index)
{
    const editScope scope(this, currentCntItem, "cntNameChange");
    currentCntItem->name = index;
}

void Widget::cnt2XChange(int x)
{
    const editScope scope(this, currentCnt2Item, "cnt2XChange");
    currentCnt2Item->setPos(x, currentCnt2Item->y());
}
void Widget::cnt2YChange(int y)
{
    const editScope scope(this, currentCnt2Item, "cnt2YChange");
    currentCnt2Item->setPos(currentCnt2Item->x(), y);
}
void Widget::cnt2RotateChange(int angle)
{
    const editScope scope(this, currentCnt2Item, "cnt2RotateChange");
    currentCnt2Item->setRotation(angle);
}
void Widget::cnt2FontChange(int index)
{
    const editScope scope(this, currentCnt2Item, "cnt2FontChange");
    applyFamily(currentCnt2Item, cnt2FontTable, index);
}
void Widget::cnt2SizeChange(int size)
{
    const editScope scope(this, currentCnt2Item, "cnt2SizeChange");
    applyPixelSize(currentCnt2Item, size);
}
void Widget::cnt2IntervalChange(int interval)
{
    const editScope scope(this, currentCnt2Item, "cnt2IntervalChange");
    applySpacing(currentCnt2Item, interval);
}
void Widget::cnt2ModeChange(int index)
{
    const editScope scope(this, currentCnt2Item, "cnt2ModeChange");
    applyDigits(currentCnt2Item, index);
}

void Widget::timeXChange(int x)
{
    const editScope scope(this, currentTimeItem, "timeXChange");
    currentTimeItem->setPos(x, currentTimeItem->y());
}
void Widget::timeYChange(int y)
{
    const editScope scope(this, currentTimeItem, "timeYChange");
    currentTimeItem->setPos(currentTimeItem->x(), y);
}
void Widget::timeRotateChange(int angle)
{
    const editScope scope(this, currentTimeItem, "timeRotateChange");
    currentTimeItem->setRotation(angle);
}
// The time panel offers the counter list.
void Widget::timeFontChange(int index)
{
    const editScope scope(this, currentTimeItem, "timeFontChange");
    applyFamily(currentTimeItem, cntFontTable, index);
}
void Widget::timeSizeChange(int size)
{
    const editScope scope(this, currentTimeItem, "timeSizeChange");
    applyPixelSize(currentTimeItem, size);
}
void Widget::timeSpacingChange(int value)
{
    const editScope scope(this, currentTimeItem, "timeSpacingChange");
    applySpacing(currentTimeItem, value);
}

void Widget::timeModeChange(QString timeModeStr)
{
    const editScope scope(this, currentTimeItem, "timeModeChange");
    currentTimeItem->mode = timeModeStr;
    currentTimeItem->setPlainText(
        currentTimeItem->timeText(currentTimeItem->dateTime, currentTimeItem->valid));
}

// The printer prints the print date plus that many months, minus one day; the item shows the same.
void Widget::timeValidChange(int months)
{
    const editScope scope(this, currentTimeItem, "timeValidChange");
    currentTimeItem->valid = months;
    currentTimeItem->setPlainText(currentTimeItem->timeText(currentTimeItem->dateTime, months));
}
