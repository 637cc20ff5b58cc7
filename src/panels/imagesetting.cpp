#include "imagesetting.h"
#include "ui_imagesetting.h"

#include "diagramimageitem.h"
#include "emptypicturelabel.h"
#include "panelload.h"

imageSetting::imageSetting(QWidget *parent) : QWidget(parent), ui(new Ui::imageSetting)
{
    ui->setupUi(this);
    emptyPictureLabel = emptyReasonLine::add(ui->gridLayout);
}

imageSetting::~imageSetting()
{
    delete ui;
}

void imageSetting::loadFromItem(const diagramImageItem *item)
{
    panelLoad::loadFields(*this, *item);
    const bool missing = !item->missingFile.isEmpty();
    emptyReasonLine::show(emptyPictureLabel, item->pictureSize().isEmpty() || missing, item->emptyReason());
    ui->imageLocatePush->setVisible(missing);
}

void imageSetting::on_imageXSpin_valueChanged(int)
{
    emit imageXChange(ui->imageXSpin->value());
}

void imageSetting::on_imageYSpin_valueChanged(int)
{
    emit imageYChange(ui->imageYSpin->value());
}

void imageSetting::on_imageWidthSpin_valueChanged(int)
{
    emit imageWidthChange(ui->imageWidthSpin->value());
}

void imageSetting::on_imageHeightSpin_valueChanged(int)
{
    emit imageHeightChange(ui->imageHeightSpin->value());
}

void imageSetting::on_imageRotateSpin_valueChanged(int)
{
    emit imageRotateChange(ui->imageRotateSpin->value());
}

void imageSetting::on_imageSelectPush_clicked()
{
    emit imageSelectChange();
}

void imageSetting::on_imageConversePush_clicked()
{
    emit imageConverseChange();
}

void imageSetting::on_imageLocatePush_clicked()
{
    emit imageLocateChange();
}

// Every text of the form follows a change of language at once.
void imageSetting::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QWidget::changeEvent(event);
}
