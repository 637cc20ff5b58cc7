#include "gs1digitallinkdialog.h"
#include "ui_gs1digitallinkdialog.h"

#include "designersettings.h"
#include "diagramqrcodeitem.h"
#include "gs1digitallink.h"

#include <QPushButton>

namespace
{
const QString domainKey = QStringLiteral("gs1DigitalLink/domain");

// The designer's own settings file, beside its language.ini.
QString rememberedDomain()
{
    return openDesignerSettings()->value(domainKey, QStringLiteral("https://id.gs1.org")).toString();
}

void rememberDomain(const QString &domain)
{
    openDesignerSettings()->setValue(domainKey, domain);
}
} // namespace

gs1DigitalLinkDialog::gs1DigitalLinkDialog(QWidget *parent)
    : QDialog(parent), ui(new Ui::gs1DigitalLinkDialog)
{
    ui->setupUi(this);
    ui->dateEdit_expiry->setDate(QDate::currentDate().addYears(1));
    gs1LinkFields empty;
    empty.domain = rememberedDomain();
    showFields(empty);
    for (QLineEdit *edit : {ui->lineEdit_domain, ui->lineEdit_gtin, ui->lineEdit_batch, ui->lineEdit_serial})
        connect(edit, &QLineEdit::textChanged, this, &gs1DigitalLinkDialog::refresh);
    for (QCheckBox *box : {ui->checkBox_production, ui->checkBox_expiry})
        connect(box, &QCheckBox::toggled, this, &gs1DigitalLinkDialog::refresh);
    connect(ui->dateEdit_expiry, &QDateEdit::dateChanged, this, &gs1DigitalLinkDialog::refresh);
    connect(ui->comboBox_serial, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &gs1DigitalLinkDialog::refresh);
    connect(ui->spinBox_counterWidth, qOverload<int>(&QSpinBox::valueChanged), this,
            &gs1DigitalLinkDialog::refresh);
    refresh();
}

gs1DigitalLinkDialog::~gs1DigitalLinkDialog()
{
    delete ui;
}

void gs1DigitalLinkDialog::loadFromRecord(const qrCodeRecord &record)
{
    gs1LinkFields read;
    if (readGs1LinkFields(record, read))
        showFields(read);
}

void gs1DigitalLinkDialog::showFields(const gs1LinkFields &fields)
{
    ui->lineEdit_domain->setText(fields.domain);
    ui->lineEdit_gtin->setText(fields.gtin);
    ui->lineEdit_batch->setText(fields.batch);
    ui->checkBox_production->setChecked(fields.productionDate);
    ui->checkBox_expiry->setChecked(fields.expiry.isValid());
    if (fields.expiry.isValid())
        ui->dateEdit_expiry->setDate(fields.expiry);
    ui->comboBox_serial->setCurrentIndex(fields.serial);
    ui->lineEdit_serial->setText(fields.serialText);
    ui->spinBox_counterWidth->setValue(fields.counterWidth);
    refresh();
}

gs1LinkFields gs1DigitalLinkDialog::fields() const
{
    gs1LinkFields out;
    out.domain = ui->lineEdit_domain->text().trimmed();
    out.gtin = ui->lineEdit_gtin->text().trimmed();
    out.batch = ui->lineEdit_batch->text();
    out.productionDate = ui->checkBox_production->isChecked();
    if (ui->checkBox_expiry->isChecked())
        out.expiry = ui->dateEdit_expiry->date();
    out.serial = gs1LinkFields::serialKind(qMax(0, ui->comboBox_serial->currentIndex()));
    out.serialText = ui->lineEdit_serial->text();
    out.counterWidth = ui->spinBox_counterWidth->value();
    return out;
}

// The composed URI's problems as it would print now with the counter at 0.
QStringList gs1DigitalLinkDialog::problems(const gs1LinkContent &composed) const
{
    const QString gtin = ui->lineEdit_gtin->text().trimmed();
    if (gtin.isEmpty())
        return {tr("请输入 GTIN")};
    qrCodeRecord record;
    record.content = composed.content;
    record.insertCnt = composed.cntMode != 0;
    record.cntMode = composed.cntMode;
    record.insertCntPos = composed.insertCntPos;
    record.insertTime = !composed.timeModeStr.isEmpty();
    record.timeModeStr = composed.timeModeStr;
    record.insertTimePos = composed.insertTimePos;
    const qrGs1Check check = checkQrGs1(record, previewValues(), false);
    if (!check.link.recognised)
        return {tr("域名须以 http:// 或 https:// 开头")};
    return check.problemTexts();
}

void gs1DigitalLinkDialog::refresh()
{
    const gs1LinkFields now = fields();
    ui->lineEdit_serial->setVisible(now.serial == gs1LinkFields::fixedSerial);
    ui->spinBox_counterWidth->setVisible(now.serial == gs1LinkFields::counterSerial);
    ui->dateEdit_expiry->setEnabled(now.expiry.isValid());

    // The check digit the GTIN needs, and whether the typed one is it.
    const QString gtin = now.gtin;
    const QChar computed = gtin.size() > 1 ? gs1CheckDigit(gtin.chopped(1)) : QChar();
    QString checkText;
    if (!gtin.isEmpty() && computed.isNull())
        checkText = tr("GTIN 只能含数字");
    else if (!gtin.isEmpty() && gtin.size() != 8 && gtin.size() != 12 && gtin.size() != 13 &&
             gtin.size() != 14)
        checkText = tr("GTIN 须为 8、12、13 或 14 位数字（含校验位）");
    else if (!gtin.isEmpty() && computed != gtin.back())
        checkText = tr("校验位应为 %1，输入的是 %2").arg(computed).arg(gtin.back());
    else if (!gtin.isEmpty())
        checkText = tr("校验位 %1 正确").arg(computed);
    ui->label_checkDigit->setText(checkText);

    const gs1LinkContent composed = composeGs1Link(now);
    const QStringList found = problems(composed);
    ui->label_result->setText(found.isEmpty()
                                  ? composed.content
                                  : composed.content + QLatin1Char('\n') + found.join(QLatin1Char('\n')));
    ui->label_result->setStyleSheet(found.isEmpty() ? QString() : QStringLiteral("color: #c00000;"));
    ui->pushButton_OK->setEnabled(found.isEmpty());
}

void gs1DigitalLinkDialog::on_pushButton_OK_clicked()
{
    const gs1LinkFields now = fields();
    const gs1LinkContent composed = composeGs1Link(now);
    if (!problems(composed).isEmpty())
        return;
    content = composed.content;
    cntMode = composed.cntMode;
    insertCntPos = composed.insertCntPos;
    timeModeStr = composed.timeModeStr;
    insertTimePos = composed.insertTimePos;
    insertCnt = cntMode != 0;
    insertTime = !timeModeStr.isEmpty();
    rememberDomain(now.domain);
    accept();
}

void gs1DigitalLinkDialog::on_pushButton_cancel_clicked()
{
    reject();
}

// Every text of the form follows a change of language at once.
void gs1DigitalLinkDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QDialog::changeEvent(event);
}
