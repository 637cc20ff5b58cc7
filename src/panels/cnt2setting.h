#pragma once
#include <QWidget>

class diagramCnt2Item;

namespace Ui
{
class cnt2Setting;
}

// Property panel of counter-2 items.
class cnt2Setting : public QWidget
{
    Q_OBJECT

public:
    explicit cnt2Setting(QWidget *parent = nullptr);
    ~cnt2Setting() override;

    // Show the item's values; changed controls emit, so the window normalises the item (not blocked).
    void loadFromItem(const diagramCnt2Item *item);

signals:
    void cnt2XChange(int x);
    void cnt2YChange(int y);
    void cnt2RotateChange(int angle);
    void cnt2FontChange(int index);
    void cnt2SizeChange(int size);
    void cnt2IntervalChange(int interval);
    void cnt2ModeChange(int index);

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void on_cnt2XSpin_valueChanged(int value);
    void on_cnt2YSpin_valueChanged(int value);
    void on_cnt2RotateSpin_valueChanged(int value);
    void on_cnt2FontCombo_currentIndexChanged(int index);
    void on_cnt2SizeSpin_valueChanged(int value);
    void on_cnt2IntervalSpin_valueChanged(int value);
    void on_cnt2ModeCombo_currentIndexChanged(int index);

private:
    Ui::cnt2Setting *ui;
};
