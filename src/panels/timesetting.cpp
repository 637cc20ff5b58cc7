#include "timesetting.h"
#include "ui_timesetting.h"

#include "diagramtimeitem.h"
#include "fonttables.h"
#include "modalhooks.h"
#include "panelload.h"
#include "settimemodedialog.h"

timeSetting::timeSetting(QWidget *parent) : QWidget(parent), ui(new Ui::timeSetting)
{
    ui->setupUi(this);
    ui->timeFontCombo->addItems(cntFontTable.displayTexts(metaObject()->className()));
    // Until an item is loaded the panel edits one with the defaults.
    itemFormat = diagramTimeItem().mode;
}

timeSetting::~timeSetting()
{
    delete ui;
}

void timeSetting::loadFromItem(const diagramTimeItem *item)
{
    panelLoad::loadFields(*this, *item, cntFontTable.families());
    itemFormat = item->mode;
}

void timeSetting::on_timeXSpin_valueChanged(int value)
{
    emit timeXChange(value);
}

void timeSetting::on_timeYSpin_valueChanged(int value)
{
    emit timeYChange(value);
}

void timeSetting::on_timeRotateSpin_valueChanged(int value)
{
    emit timeRotateChange(value);
}

void timeSetting::on_timeFontCombo_currentIndexChanged(int index)
{
    emit timeFontChange(index);
}

void timeSetting::on_timeSizeSpin_valueChanged(int value)
{
    emit timeSizeChange(value);
}

void timeSetting::on_timeSpacingSpin_valueChanged(int value)
{
    emit timeSpacingChange(value);
}

void timeSetting::on_timeValidSpin_valueChanged(int value)
{
    emit timeValidChange(value);
}

// A fresh dialog per click, opened on the item's format; it lives on the stack, so it is gone when the
// click has been handled.
void timeSetting::on_changePushButton_clicked()
{
    setTimeModeDialog dialog;
    dialog.showFormat(itemFormat);
    if (modalHooks::execDialog(dialog) == QDialog::Accepted)
        emit timeModeChange(dialog.timeMode);
}

// Every text of the form follows a change of language at once.
void timeSetting::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        cntFontTable.retranslate(*ui->timeFontCombo, metaObject()->className());
    }
    QWidget::changeEvent(event);
}
