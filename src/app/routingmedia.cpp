// The barcode, image and QR code panels: building them, loading them from the current item, and applying
// their edits to the current item of their kind.
#include "ui_widget.h"
#include "widget.h"

#include "barsetting.h"
#include "diagrambaritem.h"
#include "diagramimageitem.h"
#include "diagramqrcodeitem.h"
#include "gs1digitallinkdialog.h"
#include "imagesetting.h"
#include "modalhooks.h"
#include "qrcodedynamicstyledialog.h"
#include "qrcodesetting.h"

#include <QDebug>
#include <QFileDialog>
#include <functional>
#include <utility>

void Widget::setupMediaPanels()
{
    m_barSetting = new barSetting;
    m_imageSetting = new imageSetting;
    m_QRCodeSetting = new QRCodeSetting;
    ui->barScrollArea->setWidget(m_barSetting);
    ui->imageScrollArea->setWidget(m_imageSetting);
    ui->QRScrollArea->setWidget(m_QRCodeSetting);

    barSetting *bar = m_barSetting;
    connect(bar, &barSetting::barXChange, this, &Widget::barXChange);
    connect(bar, &barSetting::barYChange, this, &Widget::barYChange);
    connect(bar, &barSetting::barWidthChange, this, &Widget::barWidthChange);
    connect(bar, &barSetting::barHeightChange, this, &Widget::barHeightChange);
    connect(bar, &barSetting::barRotateChange, this, &Widget::barRotateChange);
    connect(bar, &barSetting::barModeChange, this, &Widget::barModeChange);
    connect(bar, &barSetting::barTextStateChange, this, &Widget::barTextStateChange);

    imageSetting *image = m_imageSetting;
    connect(image, &imageSetting::imageXChange, this, &Widget::imageXChange);
    connect(image, &imageSetting::imageYChange, this, &Widget::imageYChange);
    connect(image, &imageSetting::imageWidthChange, this, &Widget::imageWidthChange);
    connect(image, &imageSetting::imageHeightChange, this, &Widget::imageHeightChange);
    connect(image, &imageSetting::imageRotateChange, this, &Widget::imageRotateChange);
    connect(image, &imageSetting::imageSelectChange, this, &Widget::imageSelectChange);
    connect(image, &imageSetting::imageConverseChange, this, &Widget::imageConverseChange);
    connect(image, &imageSetting::imageLocateChange, this, &Widget::imageLocateChange);

    QRCodeSetting *qr = m_QRCodeSetting;
    connect(qr, &QRCodeSetting::QRCodeXChange, this, &Widget::QRCodeXChange);
    connect(qr, &QRCodeSetting::QRCodeYChange, this, &Widget::QRCodeYChange);
    connect(qr, &QRCodeSetting::QRCodeRotateChange, this, &Widget::QRCodeRotateChange);
    connect(qr, &QRCodeSetting::QRCodeLevelChange, this, &Widget::QRCodeLevelChange);
    connect(qr, &QRCodeSetting::QRCodeScaleChange, this, &Widget::QRCodeScaleChange);
    connect(qr, &QRCodeSetting::QRCodeVersionChange, this, &Widget::QRCodeVersionChange);
    connect(qr, &QRCodeSetting::QRCodeConverseChange, this, &Widget::QRCodeConverseChange);
    connect(qr, &QRCodeSetting::QRCodeDynamicStyle, this, &Widget::QRCodeSetDynamicStyle);
    connect(qr, &QRCodeSetting::QRCodeGs1Link, this, &Widget::QRCodeComposeGs1);
}

void Widget::loadMediaPanel(int kind)
{
    const std::pair<int, std::function<void()>> loaders[] = {
        {3, [this] { m_barSetting->loadFromItem(currentBarItem); }},
        {4, [this] { m_imageSetting->loadFromItem(currentImageItem); }},
        {7, [this] { m_QRCodeSetting->loadFromItem(currentQRCodeItem); }},
    };
    for (const auto &loader : loaders) {
        if (loader.first == kind)
            loader.second();
    }
}

// Barcode. The module width and the height draw the symbol again at that size, so the picture shown
// is the picture saved and read back.

void Widget::barXChange(int x)
{
    const editScope scope(this, currentBarItem, "barXChange");
    currentBarItem->setPos(x, currentBarItem->y());
}

void Widget::barYChange(int y)
{
    const editScope scope(this, currentBarItem, "barYChange");
    currentBarItem->setPos(currentBarItem->x(), y);
}

// A refused content was told when it was applied; the frame names the refusal meanwhile.
void Widget::barWidthChange(int width)
{
    const editScope scope(this, currentBarItem, "barWidthChange");
    currentBarItem->lineWidth = width;
    currentBarItem->regenerate();
}

// The bars' height; the text band comes below them.
void Widget::barHeightChange(int height)
{
    const editScope scope(this, currentBarItem, "barHeightChange");
    currentBarItem->lineHeight = height;
    currentBarItem->regenerate();
}

void Widget::barRotateChange(int angle)
{
    const editScope scope(this, currentBarItem, "barRotateChange");
    currentBarItem->setRotation(angle);
}

void Widget::barModeChange(int index)
{
    const editScope scope(this, currentBarItem, "barModeChange");
    if (isBarcodeMode(index))
        currentBarItem->mode = index;
    showBarcodeFormatErrorBox(currentBarItem->regenerate(), *currentBarItem);
}

void Widget::barTextStateChange(bool checked)
{
    const editScope scope(this, currentBarItem, "barTextStateChange");
    currentBarItem->isTextOn = checked;
    showBarcodeFormatErrorBox(currentBarItem->regenerate(), *currentBarItem);
}

// Image.

void Widget::imageXChange(int x)
{
    const editScope scope(this, currentImageItem, "imageXChange");
    currentImageItem->setPos(x, currentImageItem->y());
}

void Widget::imageYChange(int y)
{
    const editScope scope(this, currentImageItem, "imageYChange");
    currentImageItem->setPos(currentImageItem->x(), y);
}

void Widget::imageWidthChange(int width)
{
    const editScope scope(this, currentImageItem, "imageWidthChange");
    currentImageItem->setShownWidth(width);
}

void Widget::imageHeightChange(int height)
{
    const editScope scope(this, currentImageItem, "imageHeightChange");
    currentImageItem->setShownHeight(height);
}

void Widget::imageRotateChange(int angle)
{
    const editScope scope(this, currentImageItem, "imageRotateChange");
    currentImageItem->setRotation(angle);
}

void Widget::imageSelectChange()
{
    const editScope scope(this, currentImageItem, "imageSelectChange");
    QFileDialog dialog(this, tr("打开图片"), QStringLiteral("."),
                       tr("Image Files(*.jpg *.jpeg *.bmp *.png)"));
    const QStringList files = modalHooks::execFileDialog(dialog);
    if (files.isEmpty())
        return;
    const QString path = files.first();
    qDebug() << "path = " << path;
    currentImageItem->setPictureFile(path);
}

void Widget::imageConverseChange()
{
    const editScope scope(this, currentImageItem, "imageConverseChange");
    currentImageItem->invertColors();
}

// QR code. Every parameter change draws the symbol again.

namespace
{
// The content and placeholders a composing dialog accepted, as the item takes them (the dynamic content
// dialog and the GS1 Digital Link composer have the same result members).
template <class composer> void copyPlaceholders(const composer &dialog, diagramQRCodeItem &item)
{
    item.insertCntPos = dialog.insertCntPos;
    item.cntMode = dialog.cntMode;
    item.insertCnt = dialog.insertCnt;
    item.insertTime = dialog.insertTime;
    item.timeModeStr = dialog.timeModeStr;
    item.insertTimePos = dialog.insertTimePos;
}
} // namespace

void Widget::QRCodeXChange(int x)
{
    const editScope scope(this, currentQRCodeItem, "QRCodeXChange");
    currentQRCodeItem->setPos(x, currentQRCodeItem->y());
}

void Widget::QRCodeYChange(int y)
{
    const editScope scope(this, currentQRCodeItem, "QRCodeYChange");
    currentQRCodeItem->setPos(currentQRCodeItem->x(), y);
}

void Widget::QRCodeRotateChange(int angle)
{
    const editScope scope(this, currentQRCodeItem, "QRCodeRotateChange");
    currentQRCodeItem->setRotation(angle);
}

void Widget::QRCodeLevelChange(int index)
{
    const editScope scope(this, currentQRCodeItem, "QRCodeLevelChange");
    currentQRCodeItem->level = index;
    currentQRCodeItem->regenerate();
}

void Widget::QRCodeScaleChange(int index)
{
    const editScope scope(this, currentQRCodeItem, "QRCodeScaleChange");
    currentQRCodeItem->scale = index;
    currentQRCodeItem->regenerate();
}

void Widget::QRCodeVersionChange(int index)
{
    const editScope scope(this, currentQRCodeItem, "QRCodeVersionChange");
    currentQRCodeItem->version = index;
    currentQRCodeItem->regenerate();
}

void Widget::QRCodeConverseChange(int index)
{
    const editScope scope(this, currentQRCodeItem, "QRCodeConverseChange");
    currentQRCodeItem->converse = index != 0;
    currentQRCodeItem->regenerate();
}

// The dialog opens on the item; accepted without an edit, or cancelled, it leaves the item and the
// history as they are.
void Widget::QRCodeSetDynamicStyle()
{
    QRCodeDynamicStyleDialog dialog;
    dialog.loadFromItem(*currentQRCodeItem);
    dialog.languageFile = languageFile;
    dialog.themeName = themeName;
    for (const char *theme : {"red", "orange", "blue"})
        for (const char *language : {"en", "cn"})
            dialog.styleSheetPaths.append(
                QStringLiteral(":/qss/%1/%2/dynamicQRCode.qss").arg(theme, language));
    if (modalHooks::execDialog(dialog) != QDialog::Accepted || !dialog.isEdited())
        return;

    const editScope scope(this, currentQRCodeItem, "QRCodeSetDynamicStyle");
    diagramQRCodeItem *item = currentQRCodeItem;
    copyPlaceholders(dialog, *item);
    ui->lineEdit->setText(dialog.content.isEmpty() ? QStringLiteral("VORANEX") : dialog.content);
    item->content = ui->lineEdit->text();
    item->regenerate();
    showPanel(7);
}

// One undo step, like the dynamic content dialog; the composer fills itself from a content it made.
void Widget::QRCodeComposeGs1()
{
    gs1DigitalLinkDialog dialog(this);
    dialog.loadFromRecord(currentQRCodeItem->record());
    if (modalHooks::execDialog(dialog) != QDialog::Accepted)
        return;
    // Accepted as it opened: no change, so no undo step.
    const qrCodeRecord &now = currentQRCodeItem->record();
    if (dialog.content == now.content && dialog.insertCntPos == now.insertCntPos &&
        dialog.cntMode == now.cntMode && dialog.insertCnt == now.insertCnt &&
        dialog.insertTime == now.insertTime && dialog.timeModeStr == now.timeModeStr &&
        dialog.insertTimePos == now.insertTimePos)
        return;
    const editScope scope(this, currentQRCodeItem, "QRCodeComposeGs1");
    diagramQRCodeItem *item = currentQRCodeItem;
    copyPlaceholders(dialog, *item);
    ui->lineEdit->setText(dialog.content);
    item->content = dialog.content;
    item->regenerate();
    showPanel(7);
}
