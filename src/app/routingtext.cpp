// Placeholder until the text-family panels land: empty panels and position routing only.
#include "widget.h"
#include "ui_widget.h"

#include "diagramcnt2item.h"
#include "diagramcntitem.h"
#include "diagramtextitem.h"
#include "diagramtimeitem.h"

void Widget::setupTextPanels()
{
    ui->textScrollArea->setWidget(new QWidget);
    ui->timeScrollArea->setWidget(new QWidget);
    ui->cntScrollArea->setWidget(new QWidget);
    ui->cnt2ScrollArea->setWidget(new QWidget);
}

void Widget::loadTextPanel(int) {}

void Widget::textXChange(int x) { currentTextItem->setPos(x, currentTextItem->y()); }
void Widget::textYChange(int y) { currentTextItem->setPos(currentTextItem->x(), y); }
void Widget::textRotateChange(int angle) { currentTextItem->setRotation(angle); }
void Widget::textFontChange(int) {}
void Widget::textSizeChange(int) {}
void Widget::textIntervalChange(int) {}
void Widget::cntXChange(int x) { currentCntItem->setPos(x, currentCntItem->y()); }
void Widget::cntYChange(int y) { currentCntItem->setPos(currentCntItem->x(), y); }
void Widget::cntRotateChange(int angle) { currentCntItem->setRotation(angle); }
void Widget::cntFontChange(int) {}
void Widget::cntSizeChange(int) {}
void Widget::cntIntervalChange(int) {}
void Widget::cntModeChange(int) {}
void Widget::cntNameChange(int index) { currentCntItem->name = index; }
void Widget::cnt2XChange(int x) { currentCnt2Item->setPos(x, currentCnt2Item->y()); }
void Widget::cnt2YChange(int y) { currentCnt2Item->setPos(currentCnt2Item->x(), y); }
void Widget::cnt2RotateChange(int angle) { currentCnt2Item->setRotation(angle); }
void Widget::cnt2FontChange(int) {}
void Widget::cnt2SizeChange(int) {}
void Widget::cnt2IntervalChange(int) {}
void Widget::cnt2ModeChange(int) {}
void Widget::timeXChange(int x) { currentTimeItem->setPos(x, currentTimeItem->y()); }
void Widget::timeYChange(int y) { currentTimeItem->setPos(currentTimeItem->x(), y); }
void Widget::timeRotateChange(int angle) { currentTimeItem->setRotation(angle); }
void Widget::timeFontChange(int) {}
void Widget::timeSizeChange(int) {}
void Widget::timeModeChange(QString) {}
void Widget::timeSpacingChange(int) {}
