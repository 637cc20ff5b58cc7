#include "qrcodedynamicstyledialog.h"
#include "ui_qrcodedynamicstyledialog.h"

#include "diagramqrcodeitem.h"
#include "modalhooks.h"
#include "settimemodedialog.h"

#include <QFile>

QRCodeDynamicStyleDialog::QRCodeDynamicStyleDialog(QWidget *parent)
    : QDialog(parent), ui(new Ui::QRCodeDynamicStyleDialog)
{
    ui->setupUi(this);
    setWindowFlags(Qt::FramelessWindowHint);
}

QRCodeDynamicStyleDialog::~QRCodeDynamicStyleDialog()
{
    delete ui;
}

void QRCodeDynamicStyleDialog::loadFromItem(const qrCodeRecord &item)
{
    cntMode = item.cntMode;
    insertCnt = item.insertCnt;
    insertCntPos = item.insertCntPos;
    cntText = insertCnt && cntMode > 0 ? QString(cntMode, QLatin1Char('0')) : QString();
    insertTime = item.insertTime;
    insertTimePos = item.insertTimePos;
    timeModeStr = insertTime ? item.timeModeStr : QString();
    ui->lineEdit->setText(item.content);
    content = item.content;
    edited = false;
}

// Row i of the list is a counter of i + 1 digits. Every choice appends a new run; only the last one is
// described by the members.
void QRCodeDynamicStyleDialog::on_comboBox_type_currentIndexChanged(int index)
{
    if (index < 0)
        return;
    cntText = QString(index + 1, QLatin1Char('0'));
    cntMode = index + 1;
    insertCntPos = content.length();
    appendToContent(cntText);
    edited = true;
}

void QRCodeDynamicStyleDialog::on_pushButton_timeMode_clicked()
{
    setTimeModeDialog dialog;
    const QString sheetPath = formatDialogStyleSheetPath();
    QFile sheet(sheetPath);
    if (!sheetPath.isEmpty() && sheet.open(QIODevice::ReadOnly))
        dialog.setStyleSheet(QString::fromUtf8(sheet.readAll()));
    if (modalHooks::execDialog(dialog) != QDialog::Accepted)
        return;
    timeModeStr = dialog.timeMode;
    insertTimePos = content.length();
    appendToContent(timeModeStr);
    edited = true;
}

// Where a placeholder lies in text: its recorded place while it is still there, otherwise its last
// occurrence, or -1 when the operator has deleted it.
static int placeholderPos(const QString &text, const QString &placeholder, int recorded)
{
    if (recorded >= 0 && recorded <= text.length() && QStringView(text).mid(recorded).startsWith(placeholder))
        return recorded;
    return text.lastIndexOf(placeholder);
}

void QRCodeDynamicStyleDialog::on_pushButton_OK_clicked()
{
    if (!edited) {
        accept();
        return;
    }
    content = ui->lineEdit->text();
    // Text edited in front of a placeholder, or over it, would leave the printer filling in the wrong
    // characters; follow the placeholder, or drop its description when it is gone.
    if (!cntText.isEmpty()) {
        insertCntPos = placeholderPos(content, cntText, insertCntPos);
        if (insertCntPos < 0) {
            cntText.clear();
            cntMode = 0;
            insertCntPos = 0;
        }
    }
    if (!timeModeStr.isEmpty()) {
        insertTimePos = placeholderPos(content, timeModeStr, insertTimePos);
        if (insertTimePos < 0) {
            timeModeStr.clear();
            insertTimePos = 0;
        }
    }
    insertCnt = cntMode != 0 || insertCntPos != 0;
    insertTime = !timeModeStr.isEmpty() || insertTimePos != 0;
    accept();
}

void QRCodeDynamicStyleDialog::on_pushButton_cancel_clicked()
{
    reject();
}

void QRCodeDynamicStyleDialog::on_lineEdit_textChanged(const QString &text)
{
    edited = edited || text != content;
    content = text;
}

void QRCodeDynamicStyleDialog::appendToContent(const QString &text)
{
    content += text;
    ui->lineEdit->setText(content);
}

// The style sheet of the current theme in the current language (English or Chinese); none for an
// unknown or unset theme, or when the opener handed over no paths.
QString QRCodeDynamicStyleDialog::formatDialogStyleSheetPath() const
{
    static const QStringList themes = {QStringLiteral("red"), QStringLiteral("orange"),
                                       QStringLiteral("blue")};
    const int theme = themes.indexOf(themeName);
    if (theme < 0)
        return {};
    const bool english = languageFile == QLatin1String(":/translate/en.qm");
    return styleSheetPaths.value(2 * theme + (english ? 0 : 1));
}

// Every text of the form follows a change of language at once.
void QRCodeDynamicStyleDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        ui->retranslateUi(this);
    QDialog::changeEvent(event);
}
