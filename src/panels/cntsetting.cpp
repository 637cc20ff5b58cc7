#include "cntsetting.h"
#include "ui_cntsetting.h"

#include "diagramcntitem.h"
#include "fonttables.h"
#include "panelload.h"

cntSetting::cntSetting(QWidget *parent) : QWidget(parent), ui(new Ui::cntSetting)
{
    ui->setupUi(this);
    ui->cntFontCombo->addItems(cntFontTable.displayTexts(metaObject()->className()));
}

cntSetting::~cntSetting()
{
    delete ui;
}

void cntSetting::loadFromItem(const diagramCntItem *item)
{
    panelLoad::loadSpin(ui->cntXSpin, item->x());
    panelLoad::loadY(ui->cntYSpin, *item);
    panelLoad::loadSpin(ui->cntRotateSpin, item->rotation());
    panelLoad::loadSpin(ui->cntSizeSpin, item->itemFont.pixelSize());
    panelLoad::loadSpin(ui->cntIntervalSpin, item->itemFont.letterSpacing());
    panelLoad::loadComboByFamily(ui->cntFontCombo, cntFontTable.families(), item->font().family());
    // mode counts digits from 1, the list's rows from 0; any other count (from a file) leaves the list.
    if (item->mode >= 1 && item->mode <= 8)
        panelLoad::loadComboIndex(ui->cntModeCombo, item->mode - 1);
}

void cntSetting::on_cntXSpin_valueChanged(int value)
{
    emit cntXChange(value);
}

void cntSetting::on_cntYSpin_valueChanged(int value)
{
    emit cntYChange(value);
}

void cntSetting::on_cntRotateSpin_valueChanged(int value)
{
    emit cntRotateChange(value);
}

void cntSetting::on_cntFontCombo_currentIndexChanged(int index)
{
    emit cntFontChange(index);
}

void cntSetting::on_cntSizeSpin_valueChanged(int value)
{
    emit cntSizeChange(value);
}

void cntSetting::on_cntIntervalSpin_valueChanged(int value)
{
    emit cntIntervalChange(value);
}

void cntSetting::on_cntModeCombo_currentIndexChanged(int index)
{
    emit cntModeChange(index);
}

void cntSetting::on_cntNameCombo_currentIndexChanged(int index)
{
    emit cntNameChange(index);
}

// Every text of the form follows a change of language at once.
void cntSetting::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        cntFontTable.retranslate(*ui->cntFontCombo, metaObject()->className());
    }
    QWidget::changeEvent(event);
}
