#pragma once
#include <QWidget>

class scanVerdictLabel;

class diagramQRCodeItem;
class dataFileGroup;
class QLabel;

namespace Ui
{
class QRCodeSetting;
}

// Property panel of a QR code item: position, rotation, error-correction level, module size, symbol
// size and the button that composes a content with counter and date/time placeholders.
// It holds no item; every edit leaves as a signal that the main window applies to its current QR code.
class QRCodeSetting : public QWidget
{
    Q_OBJECT

public:
    explicit QRCodeSetting(QWidget *parent = nullptr);
    ~QRCodeSetting() override;

    // Show the item's values; changed controls report back through the signals below.
    void loadFromItem(const diagramQRCodeItem *item);
    // The data-file controls, whose signals the window routes to the same item.
    dataFileGroup *dataFile() const;
    // Where the window shows what a scanner reads from the item's symbol.
    scanVerdictLabel *scanVerdict() const { return verdict; }

signals:
    void QRCodeXChange(int x);
    void QRCodeYChange(int y);
    void QRCodeRotateChange(int angle);
    void QRCodeLevelChange(int index);
    void QRCodeScaleChange(int);
    void QRCodeVersionChange(int index);
    // 0 = normal, non-zero = inverted. The form has no control that emits it, so inversion reaches an
    // item only from a document.
    void QRCodeConverseChange(int index);
    void QRCodeDynamicStyle();
    // The GS1 Digital Link composer is asked for.
    void QRCodeGs1Link();

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void on_spinBox_QRCodeItemScale_valueChanged(int);
    void on_QRCodeXSpin_valueChanged(int);
    void on_QRCodeYSpin_valueChanged(int);
    void on_QRCodeRotateSpin_valueChanged(int);
    void on_comboBox_QRCodeItemLevel_currentIndexChanged(int index);
    void on_comboBox_QRCodeItemVersion_currentIndexChanged(int index);
    void on_pushButton_QRCodeItemDyna_clicked();
    void on_pushButton_QRCodeItemGs1_clicked();

private:
    scanVerdictLabel *verdict = nullptr;
    Ui::QRCodeSetting *ui;
    QLabel *emptyPictureLabel; // why the item shows no picture
};
