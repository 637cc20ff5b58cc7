#include "cnt2setting.h"
#include "ui_cnt2setting.h"

#include "diagramcnt2item.h"
#include "fonttables.h"
#include "panelload.h"

cnt2Setting::cnt2Setting(QWidget *parent) : QWidget(parent), ui(new Ui::cnt2Setting)
{
    ui->setupUi(this);
    ui->cnt2FontCombo->addItems(cnt2FontTable.displayTexts(metaObject()->className()));
}

cnt2Setting::~cnt2Setting()
{
    delete ui;
}

void cnt2Setting::loadFromItem(const diagramCnt2Item *item)
{
    panelLoad::loadFields(*this, *item, cnt2FontTable.families());
}

void cnt2Setting::on_cnt2XSpin_valueChanged(int value)
{
    emit cnt2XChange(value);
}

void cnt2Setting::on_cnt2YSpin_valueChanged(int value)
{
    emit cnt2YChange(value);
}

void cnt2Setting::on_cnt2RotateSpin_valueChanged(int value)
{
    emit cnt2RotateChange(value);
}

void cnt2Setting::on_cnt2FontCombo_currentIndexChanged(int index)
{
    emit cnt2FontChange(index);
}

void cnt2Setting::on_cnt2SizeSpin_valueChanged(int value)
{
    emit cnt2SizeChange(value);
}

void cnt2Setting::on_cnt2IntervalSpin_valueChanged(int value)
{
    emit cnt2IntervalChange(value);
}

void cnt2Setting::on_cnt2ModeCombo_currentIndexChanged(int index)
{
    emit cnt2ModeChange(index);
}

// Every text of the form follows a change of language at once.
void cnt2Setting::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        cnt2FontTable.retranslate(*ui->cnt2FontCombo, metaObject()->className());
    }
    QWidget::changeEvent(event);
}
