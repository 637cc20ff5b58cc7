// Placeholder until the barcode, image and QR code panels land.
#include "widget.h"
#include "ui_widget.h"

#include "diagrambaritem.h"
#include "diagramimageitem.h"
#include "diagramqrcodeitem.h"

void Widget::setupMediaPanels()
{
    ui->barScrollArea->setWidget(new QWidget);
    ui->imageScrollArea->setWidget(new QWidget);
    ui->QRScrollArea->setWidget(new QWidget);
}

void Widget::loadMediaPanel(int) {}

void Widget::barXChange(int x) { currentBarItem->setPos(x, currentBarItem->y()); }
void Widget::barYChange(int y) { currentBarItem->setPos(currentBarItem->x(), y); }
void Widget::barWidthChange(int) {}
void Widget::barHeightChange(int) {}
void Widget::barRotateChange(int angle) { currentBarItem->setRotation(angle); }
void Widget::barModeChange(int) {}
void Widget::barTextStateChange(bool) {}
void Widget::imageXChange(int x) { currentImageItem->setPos(x, currentImageItem->y()); }
void Widget::imageYChange(int y) { currentImageItem->setPos(currentImageItem->x(), y); }
void Widget::imageWidthChange(int) {}
void Widget::imageHeightChange(int) {}
void Widget::imageRotateChange(int angle) { currentImageItem->setRotation(angle); }
void Widget::imageSelectChange() {}
void Widget::imageConverseChange() {}
void Widget::QRCodeXChange(int x) { currentQRCodeItem->setPos(x, currentQRCodeItem->y()); }
void Widget::QRCodeYChange(int y) { currentQRCodeItem->setPos(currentQRCodeItem->x(), y); }
void Widget::QRCodeRotateChange(int angle) { currentQRCodeItem->setRotation(angle); }
void Widget::QRCodeLevelChange(int) {}
void Widget::QRCodeScaleChange(int) {}
void Widget::QRCodeVersionChange(int) {}
void Widget::QRCodeConverseChange(int) {}
void Widget::QRCodeSetDynamicStyle() {}
