#pragma once
#include <QGroupBox>

struct dataFileSettings;

namespace Ui
{
class dataFileGroup;
}

// The data-file controls of the text, barcode and QR code panels: whether the content comes from a
// data file, the file as stored, the first and last line; for QR codes also the serial line. The
// printer's current line and its "all printed" mark are shown, never set.
// Like the panels it holds no item: every edit leaves as a signal with the new value.
class dataFileGroup : public QGroupBox
{
    Q_OBJECT

public:
    explicit dataFileGroup(QWidget *parent = nullptr);
    ~dataFileGroup() override;

    // Shows the item's fields. Unlike the panels' other controls these write nothing back while loading:
    // the printer's values (a first line of 0, a line beyond the box's range) are kept as read.
    void load(const dataFileSettings &settings);

signals:
    void extVariableChange(bool checked);
    void extFilePathChange(const QString &path);
    void extStartLineChange(int line);
    void extEndLineChange(int line);
    void uartVariableChange(bool checked);

private slots:
    void on_checkBox_extVariable_clicked(bool checked);
    void on_checkBox_uartVariable_clicked(bool checked);
    void on_lineEdit_extFilePath_editingFinished();
    void on_pushButton_extFileChoose_clicked();
    void on_spinBox_extStartLine_valueChanged(int line);
    void on_spinBox_extEndLine_valueChanged(int line);

private:
    void setPath(const QString &path);
    Ui::dataFileGroup *ui;
    QString shownPath; // the path last loaded or sent, so that leaving the box unchanged sends nothing
};
