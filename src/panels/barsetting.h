#pragma once
#include <QWidget>

class scanVerdictLabel;

class diagramBarItem;
class dataFileGroup;
class QLabel;

namespace Ui
{
class barSetting;
}

// Property panel of a barcode item: position, bar height, module width, rotation, symbology and the
// digits switch.
// It holds no item; every edit leaves as a signal that the main window applies to its current barcode.
class barSetting : public QWidget
{
    Q_OBJECT

public:
    explicit barSetting(QWidget *parent = nullptr);
    ~barSetting() override;

    // Show the item's values; changed controls report back through the signals below.
    void loadFromItem(const diagramBarItem *item);
    // The data-file controls, whose signals the window routes to the same item.
    dataFileGroup *dataFile() const;
    // Where the window shows what a scanner reads from the item's symbol.
    scanVerdictLabel *scanVerdict() const { return verdict; }

signals:
    void barXChange(int);
    void barYChange(int);
    void barWidthChange(int width);
    void barHeightChange(int height);
    void barRotateChange(int angle);
    void barModeChange(int index);
    void barTextStateChange(bool checked);

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void on_barXSpin_valueChanged(int);
    void on_barYSpin_valueChanged(int);
    void on_barWidthSpin_valueChanged(int);
    void on_barHeightSpin_valueChanged(int);
    void on_barRotateSpin_valueChanged(int);
    void on_barModeCombo_currentIndexChanged(int index);
    void on_checkBox_showText_clicked(bool checked);

private:
    scanVerdictLabel *verdict = nullptr;
    Ui::barSetting *ui;
    QLabel *emptyPictureLabel; // why the item shows no picture
};
