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

    connect(m_textSetting, SIGNAL(textXChange(int)), this, SLOT(textXChange(int)));
    connect(m_textSetting, SIGNAL(textYChange(int)), this, SLOT(textYChange(int)));
    connect(m_textSetting, SIGNAL(textRotateChange(int)), this, SLOT(textRotateChange(int)));
    connect(m_textSetting, SIGNAL(textFontChange(int)), this, SLOT(textFontChange(int)));
    connect(m_textSetting, SIGNAL(textSizeChange(int)), this, SLOT(textSizeChange(int)));
    connect(m_textSetting, SIGNAL(textIntervalChange(int)), this, SLOT(textIntervalChange(int)));

    connect(m_cntSetting, SIGNAL(cntXChange(int)), this, SLOT(cntXChange(int)));
    connect(m_cntSetting, SIGNAL(cntYChange(int)), this, SLOT(cntYChange(int)));
    connect(m_cntSetting, SIGNAL(cntRotateChange(int)), this, SLOT(cntRotateChange(int)));
    connect(m_cntSetting, SIGNAL(cntFontChange(int)), this, SLOT(cntFontChange(int)));
    connect(m_cntSetting, SIGNAL(cntSizeChange(int)), this, SLOT(cntSizeChange(int)));
    connect(m_cntSetting, SIGNAL(cntIntervalChange(int)), this, SLOT(cntIntervalChange(int)));
    connect(m_cntSetting, SIGNAL(cntModeChange(int)), this, SLOT(cntModeChange(int)));
    connect(m_cntSetting, &cntSetting::cntNameChange, this, &Widget::cntNameChange);

    connect(m_cnt2Setting, SIGNAL(cnt2XChange(int)), this, SLOT(cnt2XChange(int)));
    connect(m_cnt2Setting, SIGNAL(cnt2YChange(int)), this, SLOT(cnt2YChange(int)));
    connect(m_cnt2Setting, SIGNAL(cnt2RotateChange(int)), this, SLOT(cnt2RotateChange(int)));
    connect(m_cnt2Setting, SIGNAL(cnt2FontChange(int)), this, SLOT(cnt2FontChange(int)));
    connect(m_cnt2Setting, SIGNAL(cnt2SizeChange(int)), this, SLOT(cnt2SizeChange(int)));
    connect(m_cnt2Setting, SIGNAL(cnt2IntervalChange(int)), this, SLOT(cnt2IntervalChange(int)));
    connect(m_cnt2Setting, SIGNAL(cnt2ModeChange(int)), this, SLOT(cnt2ModeChange(int)));

    connect(m_timeSetting, SIGNAL(timeXChange(int)), this, SLOT(timeXChange(int)));
    connect(m_timeSetting, SIGNAL(timeYChange(int)), this, SLOT(timeYChange(int)));
    connect(m_timeSetting, SIGNAL(timeRotateChange(int)), this, SLOT(timeRotateChange(int)));
    connect(m_timeSetting, SIGNAL(timeFontChange(int)), this, SLOT(timeFontChange(int)));
    connect(m_timeSetting, SIGNAL(timeSizeChange(int)), this, SLOT(timeSizeChange(int)));
    connect(m_timeSetting, SIGNAL(timeModeChange(QString)), this, SLOT(timeModeChange(QString)));
    connect(m_timeSetting, SIGNAL(timeSpacingChange(int)), this, SLOT(timeSpacingChange(int)));
}

void Widget::loadTextPanel(int kind)
{
    switch (kind) {
    case 0:
        m_textSetting->loadFromItem(currentTextItem);
        break;
    case 2:
        m_timeSetting->loadFromItem(currentTimeItem);
        break;
    case 5:
        m_cntSetting->loadFromItem(currentCntItem);
        break;
    case 6:
        m_cnt2Setting->loadFromItem(currentCnt2Item);
        break;
    default:
        break;
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
