#include "qrcodesetting.h"
#include "ui_qrcodesetting.h"

#include "datafilefields.h"
#include "datafilegroup.h"
#include "diagramqrcodeitem.h"
#include "emptypicturelabel.h"
#include "panelload.h"
#include "scanverdictlabel.h"

QRCodeSetting::QRCodeSetting(QWidget *parent) : QWidget(parent), ui(new Ui::QRCodeSetting)
{
    ui->setupUi(this);
    emptyPictureLabel = emptyReasonLine::add(ui->gridLayout);
    verdict = new scanVerdictLabel(this);
    verdict->setGeometry(20, 255, 700, 52);
    verdict->placePrintedSize(Qt::AlignTop);
    // The verdict's lines run under the buttons of the last row; the buttons stay on top and clickable.
    verdict->stackUnder(ui->widget);
}

QRCodeSetting::~QRCodeSetting()
{
    delete ui;
}

void QRCodeSetting::loadFromItem(const diagramQRCodeItem *item)
{
    // Unlike the other combos, a level or size the list has no row for leaves it with no row at all,
    // which reports -1 back: the item then encodes at Q, or lets the encoder pick the smallest size.
    panelLoad::loadFields(*this, *item);
    emptyReasonLine::show(emptyPictureLabel, item->pictureSize().isEmpty(), item->emptyReason());
    ui->dataFile->load(*dataFileSettingsOf(item));
}

dataFileGroup *QRCodeSetting::dataFile() const
{
    return ui->dataFile;
}

void QRCodeSetting::on_spinBox_QRCodeItemScale_valueChanged(int)
{
    emit QRCodeScaleChange(ui->spinBox_QRCodeItemScale->value());
}

void QRCodeSetting::on_QRCodeXSpin_valueChanged(int)
{
    emit QRCodeXChange(ui->QRCodeXSpin->value());
}

void QRCodeSetting::on_QRCodeYSpin_valueChanged(int)
{
    emit QRCodeYChange(ui->QRCodeYSpin->value());
}

void QRCodeSetting::on_QRCodeRotateSpin_valueChanged(int)
{
    emit QRCodeRotateChange(ui->QRCodeRotateSpin->value());
}

void QRCodeSetting::on_comboBox_QRCodeItemLevel_currentIndexChanged(int)
{
    emit QRCodeLevelChange(ui->comboBox_QRCodeItemLevel->currentIndex());
}

// The list shows sizes of versions 1 to 5 from row 0; the item wants the version itself.
void QRCodeSetting::on_comboBox_QRCodeItemVersion_currentIndexChanged(int)
{
    emit QRCodeVersionChange(ui->comboBox_QRCodeItemVersion->currentIndex() + 1);
}

void QRCodeSetting::on_pushButton_QRCodeItemDyna_clicked()
{
    emit QRCodeDynamicStyle();
}

void QRCodeSetting::on_pushButton_QRCodeItemGs1_clicked()
{
    emit QRCodeGs1Link();
}

// Every text of the form follows a change of language at once.
void QRCodeSetting::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QWidget::changeEvent(event);
}
