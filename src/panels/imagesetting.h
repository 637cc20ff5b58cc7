#pragma once
#include <QWidget>

class diagramImageItem;
class QLabel;

namespace Ui
{
class imageSetting;
}

// Property panel of an image item: position, shown size, rotation, file choice and inversion.
// It holds no item; every edit leaves as a signal that the main window applies to its current image.
class imageSetting : public QWidget
{
    Q_OBJECT

public:
    explicit imageSetting(QWidget *parent = nullptr);
    ~imageSetting() override;

    // Show the item's values; changed controls report back through the signals below.
    void loadFromItem(const diagramImageItem *item);

signals:
    void imageXChange(int x);
    void imageYChange(int y);
    void imageWidthChange(int width);
    void imageHeightChange(int height);
    void imageRotateChange(int angle);
    void imageSelectChange();
    void imageConverseChange();
    // The operator asks to find a picture that was missing on opening.
    void imageLocateChange();

protected:
    void changeEvent(QEvent *event) override;

private slots:
    void on_imageXSpin_valueChanged(int);
    void on_imageYSpin_valueChanged(int);
    void on_imageWidthSpin_valueChanged(int);
    void on_imageHeightSpin_valueChanged(int);
    void on_imageRotateSpin_valueChanged(int);
    void on_imageSelectPush_clicked();
    void on_imageConversePush_clicked();
    void on_imageLocatePush_clicked();

private:
    Ui::imageSetting *ui;
    QLabel *emptyPictureLabel; // why the item shows no picture
};
