#pragma once
#include <QString>
#include <QWidget>

class diagramTimeItem;

namespace Ui
{
class timeSetting;
}

// Property panel of date/time items; the format is edited only through the format dialog.
class timeSetting : public QWidget
{
    Q_OBJECT

public:
    explicit timeSetting(QWidget *parent = nullptr);
    ~timeSetting() override;

    // Show the item's values; changed controls emit, so the window normalises the item (not blocked).
    void loadFromItem(const diagramTimeItem *item);

signals:
    void timeXChange(int x);
    void timeYChange(int y);
    // Part of the panel's interface for a size-based time item; nothing emits them.
    void timeWidthChange(int width);
    void timeHeightChange(int height);
    void timeRotateChange(int angle);
    void timeFontChange(int index);
    void timeSizeChange(int size);
    void timeModeChange(QString timeModeStr);
    void timeSpacingChange(int value);
    // Months of validity: 0 prints the print date, N the print date plus N months minus one day.
    void timeValidChange(int months);

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void on_timeXSpin_valueChanged(int value);
    void on_timeYSpin_valueChanged(int value);
    void on_timeRotateSpin_valueChanged(int value);
    void on_timeFontCombo_currentIndexChanged(int index);
    void on_timeSizeSpin_valueChanged(int value);
    void on_timeSpacingSpin_valueChanged(int value);
    void on_timeValidSpin_valueChanged(int value);
    void on_changePushButton_clicked();

private:
    Ui::timeSetting *ui;
    // The loaded item's format, which the format dialog opens on.
    QString itemFormat;
};
