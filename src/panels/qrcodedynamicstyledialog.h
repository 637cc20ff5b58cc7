#pragma once
#include <QDialog>
#include <QString>
#include <QStringList>

struct qrCodeRecord;

namespace Ui
{
class QRCodeDynamicStyleDialog;
}

// Composes a QR content with an embedded printer counter and/or date/time stamp. The operator types
// fixed text; a counter width appends a run of zeros and a date/time format appends the format string.
// The dialog records where the last of each placeholder starts, follows it on acceptance when the text
// was edited in front of it, and forgets it when it was deleted; the opener copies the result to the item.
class QRCodeDynamicStyleDialog : public QDialog
{
    Q_OBJECT

public:
    explicit QRCodeDynamicStyleDialog(QWidget *parent = nullptr);
    ~QRCodeDynamicStyleDialog() override;

    // Opens on a QR item's content and placeholders; accepted without an edit, it gives them back as
    // they were.
    void loadFromItem(const qrCodeRecord &item);
    // Whether the operator changed the text or added a placeholder.
    bool isEdited() const { return edited; }

    QString content;
    QString cntText;
    QString timeModeStr;
    int cntMode = 0;
    int insertTimePos = 0;
    int insertCntPos = 0;
    bool insertCnt = false;
    bool insertTime = false;
    // Theme of the format dialog, handed over by the opener: a translation file path, a theme name and
    // the style sheets of each theme as (English, Chinese) pairs in the order red, orange, blue.
    QString languageFile;
    QString themeName;
    QStringList styleSheetPaths;

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void on_comboBox_type_currentIndexChanged(int index);
    void on_pushButton_timeMode_clicked();
    void on_pushButton_OK_clicked();
    void on_pushButton_cancel_clicked();
    void on_lineEdit_textChanged(const QString &text);

private:
    void appendToContent(const QString &text);
    bool edited = false;
    QString formatDialogStyleSheetPath() const;

    Ui::QRCodeDynamicStyleDialog *ui;
};
