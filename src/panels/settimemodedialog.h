#pragma once
#include <QDialog>
#include <QString>

namespace Ui
{
class setTimeModeDialog;
}

// Lets the operator pick a ready-made date/time format or compose one from six per-field rows.
// Callers run it modally and read timeMode when it ends accepted.
class setTimeModeDialog : public QDialog
{
    Q_OBJECT

public:
    explicit setTimeModeDialog(QWidget *parent = nullptr);
    ~setTimeModeDialog() override;

    // Opens on a format: the preview line shows it, and the rows and the quick list are set where they
    // can express it. Until a control changes, it is the result.
    void showFormat(const QString &format);

    // The format the dialog currently offers as its result: the one it opened on, then the one its
    // controls show after each change.
    QString timeMode;
    // The sample moment formatted with timeMode, as shown in the preview line.
    QString previewText;

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void on_preViewPushButton_clicked();
    // The int overload: Qt 6 has no currentIndexChanged(QString), and a slot without its signal would
    // silently stay unconnected.
    void on_timeModeCombo_currentIndexChanged(int index);
    void on_OKButton_clicked();
    void on_cancelButton_clicked();

private:
    void refreshPreview();
    QString composeFromRows() const;
    bool setRows(const QString &format);

    bool settingRows = false;

    Ui::setTimeModeDialog *ui;
};
