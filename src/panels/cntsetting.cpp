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
    panelLoad::loadFields(*this, *item, cntFontTable.families());
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
