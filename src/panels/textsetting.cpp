#include "textsetting.h"
#include "ui_textsetting.h"

#include "datafilefields.h"
#include "datafilegroup.h"
#include "diagramtextitem.h"
#include "fonttables.h"
#include "panelload.h"

textSetting::textSetting(QWidget *parent) : QWidget(parent), ui(new Ui::textSetting)
{
    ui->setupUi(this);
    ui->textFontCombo->addItems(textFontTable.displayTexts(metaObject()->className()));
}

textSetting::~textSetting()
{
    delete ui;
}

void textSetting::loadFromItem(const diagramTextItem *item)
{
    panelLoad::loadFields(*this, *item, textFontTable.families());
    ui->dataFile->load(*dataFileSettingsOf(item));
}

dataFileGroup *textSetting::dataFile() const
{
    return ui->dataFile;
}

void textSetting::on_textXSpin_valueChanged(int value)
{
    emit textXChange(value);
}

void textSetting::on_textYSpin_valueChanged(int value)
{
    emit textYChange(value);
}

void textSetting::on_textRotateSpin_valueChanged(int value)
{
    emit textRotateChange(value);
}

void textSetting::on_textFontCombo_currentIndexChanged(int index)
{
    emit textFontChange(index);
}

void textSetting::on_textSizeSpin_valueChanged(int value)
{
    emit textSizeChange(value);
}

void textSetting::on_textIntervalSpin_valueChanged(int value)
{
    emit textIntervalChange(value);
}

// Every text of the form follows a change of language at once.
void textSetting::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        textFontTable.retranslate(*ui->textFontCombo, metaObject()->className());
    }
    QWidget::changeEvent(event);
}
