#pragma once
// Composes a GS1 Digital Link for a QR code: GTIN, batch, production date (the date/time placeholder,
// so the printer prints its own date), expiry and serial (fixed, or the counter placeholder). Its
// result has the members of the dynamic content dialog and reaches the item the same way; it opens on a
// content it made with its fields filled in. The domain is remembered for the next time.
#include "qrgs1check.h"

#include <QDialog>
#include <QString>

namespace Ui
{
class gs1DigitalLinkDialog;
}

class gs1DigitalLinkDialog : public QDialog
{
    Q_OBJECT

public:
    explicit gs1DigitalLinkDialog(QWidget *parent = nullptr);
    ~gs1DigitalLinkDialog() override;

    // Fills the fields from the item's content when the dialog made it; otherwise they start empty under
    // the remembered domain.
    void loadFromRecord(const qrCodeRecord &record);
    gs1LinkFields fields() const;

    // The result, named as in the dynamic content dialog.
    QString content;
    QString timeModeStr;
    int cntMode = 0;
    int insertTimePos = 0;
    int insertCntPos = 0;
    bool insertCnt = false;
    bool insertTime = false;

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void on_pushButton_OK_clicked();
    void on_pushButton_cancel_clicked();

private:
    void showFields(const gs1LinkFields &fields);
    void refresh();
    QStringList problems(const gs1LinkContent &composed) const;

    Ui::gs1DigitalLinkDialog *ui;
};
