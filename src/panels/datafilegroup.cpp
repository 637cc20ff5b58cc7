#include "datafilegroup.h"
#include "ui_datafilegroup.h"

#include "datafilefields.h"
#include "modalhooks.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QSignalBlocker>
#include <limits>

dataFileGroup::dataFileGroup(QWidget *parent) : QGroupBox(parent), ui(new Ui::dataFileGroup)
{
    ui->setupUi(this);
}

dataFileGroup::~dataFileGroup()
{
    delete ui;
}

void dataFileGroup::load(const dataFileSettings &s)
{
    const QSignalBlocker blocker(this);
    const auto shown = [](quint32 line) { return int(qMin<quint32>(line, std::numeric_limits<int>::max())); };
    ui->checkBox_extVariable->setChecked(s.isExtVariable);
    ui->checkBox_uartVariable->setVisible(s.hasUart);
    ui->checkBox_uartVariable->setChecked(s.isUartVariable);
    shownPath = s.path;
    ui->lineEdit_extFilePath->setText(s.path);
    ui->spinBox_extStartLine->setValue(shown(s.firstLine));
    ui->spinBox_extEndLine->setValue(shown(s.lastLine));
    ui->lineEdit_extCurLine->setText(QString::number(s.currentLine));
    ui->checkBox_extAllPrinted->setChecked(s.isAllPrinted);
}

void dataFileGroup::on_checkBox_extVariable_clicked(bool checked)
{
    emit extVariableChange(checked);
}

void dataFileGroup::on_checkBox_uartVariable_clicked(bool checked)
{
    emit uartVariableChange(checked);
}

void dataFileGroup::on_lineEdit_extFilePath_editingFinished()
{
    setPath(ui->lineEdit_extFilePath->text());
}

void dataFileGroup::on_pushButton_extFileChoose_clicked()
{
    const QFileInfo current(shownPath);
    QFileDialog dialog(this, tr("选择数据文件"),
                       shownPath.isEmpty() ? QStringLiteral(".") : current.absolutePath(),
                       tr("数据文件 (*.txt *.csv);;所有文件 (*)"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    const QStringList files = modalHooks::execFileDialog(dialog);
    if (files.isEmpty())
        return;
    ui->lineEdit_extFilePath->setText(files.first());
    setPath(files.first());
}

void dataFileGroup::on_spinBox_extStartLine_valueChanged(int line)
{
    emit extStartLineChange(line);
}

void dataFileGroup::on_spinBox_extEndLine_valueChanged(int line)
{
    emit extEndLineChange(line);
}

void dataFileGroup::setPath(const QString &path)
{
    if (path == shownPath)
        return;
    shownPath = path;
    emit extFilePathChange(path);
}
