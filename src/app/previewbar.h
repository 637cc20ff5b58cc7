#pragma once
// The row under the canvas that switches the print preview on and off, chooses its moment and counter
// values, and exports the design.
#include <QWidget>

#include "printpreview.h"

class QCheckBox;
class QDateTimeEdit;
class QLabel;
class QPushButton;
class QSpinBox;

class previewBar : public QWidget
{
    Q_OBJECT
public:
    explicit previewBar(QWidget *parent = nullptr);

    bool isPreviewOn() const;
    previewValues values() const;
    // How many QR codes cannot be previewed because their placeholders no longer match.
    void showStaleCount(int count);
    // How many QR codes print a GS1 Digital Link with faults at the preview's moment and counter.
    void showGs1FaultCount(int count);

    QCheckBox *toggle = nullptr;
    QDateTimeEdit *moment = nullptr;
    QSpinBox *counter1 = nullptr;
    QSpinBox *counter2 = nullptr;
    QSpinBox *record = nullptr; // the data-file line shown
    QLabel *staleLabel = nullptr;
    QPushButton *exportButton = nullptr;

signals:
    // The toggle or one of the values changed.
    void previewChanged();
    void exportRequested();

private:
    void showCounts();
    int staleCount = 0;
    int gs1FaultCount = 0;
};
