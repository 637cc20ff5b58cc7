#include "barsetting.h"
#include "ui_barsetting.h"

#include "datafilefields.h"
#include "datafilegroup.h"
#include "diagrambaritem.h"
#include "emptypicturelabel.h"
#include "panelload.h"
#include "scanverdictlabel.h"
#include "symbologytable.h"

#include <QSignalBlocker>

namespace
{
// The symbology list is the symbology table's, in mode order.
void nameSymbologies(QComboBox *combo)
{
    const QSignalBlocker quiet(combo);
    for (const symbologyRow &row : barcodeSymbologies) {
        const QString text = QCoreApplication::translate("barSetting", row.panelName);
        if (row.mode < combo->count())
            combo->setItemText(row.mode, text);
        else
            combo->addItem(text);
    }
}
} // namespace

barSetting::barSetting(QWidget *parent) : QWidget(parent), ui(new Ui::barSetting)
{
    ui->setupUi(this);
    nameSymbologies(ui->barModeCombo);
    emptyPictureLabel = emptyReasonLine::add(ui->gridLayout);
    verdict = new scanVerdictLabel(this);
    verdict->setGeometry(440, 200, 290, 105);
    verdict->placePrintedSize(Qt::AlignBottom);
}

barSetting::~barSetting()
{
    delete ui;
}

void barSetting::loadFromItem(const diagramBarItem *item)
{
    panelLoad::loadFields(*this, *item);
    emptyReasonLine::show(emptyPictureLabel, item->showsFrame(), item->emptyReason());
    ui->dataFile->load(*dataFileSettingsOf(item));
}

dataFileGroup *barSetting::dataFile() const
{
    return ui->dataFile;
}

void barSetting::on_barXSpin_valueChanged(int)
{
    emit barXChange(ui->barXSpin->value());
}

void barSetting::on_barYSpin_valueChanged(int)
{
    emit barYChange(ui->barYSpin->value());
}

void barSetting::on_barWidthSpin_valueChanged(int)
{
    emit barWidthChange(ui->barWidthSpin->value());
}

void barSetting::on_barHeightSpin_valueChanged(int)
{
    emit barHeightChange(ui->barHeightSpin->value());
}

void barSetting::on_barRotateSpin_valueChanged(int)
{
    emit barRotateChange(ui->barRotateSpin->value());
}

void barSetting::on_barModeCombo_currentIndexChanged(int)
{
    emit barModeChange(ui->barModeCombo->currentIndex());
}

void barSetting::on_checkBox_showText_clicked(bool checked)
{
    emit barTextStateChange(checked);
}

// Every text of the form follows a change of language at once.
void barSetting::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        nameSymbologies(ui->barModeCombo);
    }
    QWidget::changeEvent(event);
}
