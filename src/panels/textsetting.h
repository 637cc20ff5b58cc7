#pragma once
#include <QWidget>

class diagramTextItem;
class dataFileGroup;

namespace Ui
{
class textSetting;
}

// Property panel of free-text items. It holds no item: every edit leaves as a signal with the new value.
class textSetting : public QWidget
{
    Q_OBJECT

public:
    explicit textSetting(QWidget *parent = nullptr);
    ~textSetting() override;

    // Show the item's values; changed controls emit, so the window normalises the item (not blocked).
    void loadFromItem(const diagramTextItem *item);
    // The data-file controls, whose signals the window routes to the same item.
    dataFileGroup *dataFile() const;

signals:
    void textXChange(int x);
    void textYChange(int y);
    void textRotateChange(int angle);
    void textFontChange(int index);
    void textSizeChange(int size);
    void textIntervalChange(int interval);

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void on_textXSpin_valueChanged(int value);
    void on_textYSpin_valueChanged(int value);
    void on_textRotateSpin_valueChanged(int value);
    void on_textFontCombo_currentIndexChanged(int index);
    void on_textSizeSpin_valueChanged(int value);
    void on_textIntervalSpin_valueChanged(int value);

private:
    Ui::textSetting *ui;
};
