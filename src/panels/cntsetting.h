#pragma once
#include <QWidget>

class diagramCntItem;

namespace Ui
{
class cntSetting;
}

// Property panel of counter-1 items.
class cntSetting : public QWidget
{
    Q_OBJECT

public:
    explicit cntSetting(QWidget *parent = nullptr);
    ~cntSetting() override;

    // Show the item's values; changed controls emit, so the window normalises the item (not blocked).
    // The counter choice is not loaded.
    void loadFromItem(const diagramCntItem *item);

signals:
    void cntXChange(int x);
    void cntYChange(int y);
    void cntRotateChange(int angle);
    void cntFontChange(int index);
    void cntSizeChange(int size);
    void cntIntervalChange(int interval);
    void cntModeChange(int index);
    void cntNameChange(int index);

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void on_cntXSpin_valueChanged(int value);
    void on_cntYSpin_valueChanged(int value);
    void on_cntRotateSpin_valueChanged(int value);
    void on_cntFontCombo_currentIndexChanged(int index);
    void on_cntSizeSpin_valueChanged(int value);
    void on_cntIntervalSpin_valueChanged(int value);
    void on_cntModeCombo_currentIndexChanged(int index);
    void on_cntNameCombo_currentIndexChanged(int index);

private:
    Ui::cntSetting *ui;
};
