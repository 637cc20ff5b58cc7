// The barcode, image and QR code panels: building them, loading them from the current item, and applying
// their edits to the current item of their kind.
#include "routingmedia.h"
#include "ui_widget.h"

#include "gs1digitallinkdialog.h"
#include "modalhooks.h"
#include "qrcodedynamicstyledialog.h"

#include <QDebug>
#include <QFileDialog>

barRouting::barRouting(Widget *window) : kindRoutingOf(window, kind)
{
    barSetting *bar = panel;
    connect(bar, &barSetting::barXChange, this, &barRouting::barXChange);
    connect(bar, &barSetting::barYChange, this, &barRouting::barYChange);
    connect(bar, &barSetting::barWidthChange, this, &barRouting::barWidthChange);
    connect(bar, &barSetting::barHeightChange, this, &barRouting::barHeightChange);
    connect(bar, &barSetting::barRotateChange, this, &barRouting::barRotateChange);
    connect(bar, &barSetting::barModeChange, this, &barRouting::barModeChange);
    connect(bar, &barSetting::barTextStateChange, this, &barRouting::barTextStateChange);
}

imageRouting::imageRouting(Widget *window) : kindRoutingOf(window, kind)
{
    imageSetting *image = panel;
    connect(image, &imageSetting::imageXChange, this, &imageRouting::imageXChange);
    connect(image, &imageSetting::imageYChange, this, &imageRouting::imageYChange);
    connect(image, &imageSetting::imageWidthChange, this, &imageRouting::imageWidthChange);
    connect(image, &imageSetting::imageHeightChange, this, &imageRouting::imageHeightChange);
    connect(image, &imageSetting::imageRotateChange, this, &imageRouting::imageRotateChange);
    connect(image, &imageSetting::imageSelectChange, this, &imageRouting::imageSelectChange);
    connect(image, &imageSetting::imageConverseChange, this, &imageRouting::imageConverseChange);
    connect(image, &imageSetting::imageLocateChange, this, &imageRouting::imageLocateChange);
}

qrRouting::qrRouting(Widget *window) : kindRoutingOf(window, kind)
{
    QRCodeSetting *qr = panel;
    connect(qr, &QRCodeSetting::QRCodeXChange, this, &qrRouting::QRCodeXChange);
    connect(qr, &QRCodeSetting::QRCodeYChange, this, &qrRouting::QRCodeYChange);
    connect(qr, &QRCodeSetting::QRCodeRotateChange, this, &qrRouting::QRCodeRotateChange);
    connect(qr, &QRCodeSetting::QRCodeLevelChange, this, &qrRouting::QRCodeLevelChange);
    connect(qr, &QRCodeSetting::QRCodeScaleChange, this, &qrRouting::QRCodeScaleChange);
    connect(qr, &QRCodeSetting::QRCodeVersionChange, this, &qrRouting::QRCodeVersionChange);
    connect(qr, &QRCodeSetting::QRCodeConverseChange, this, &qrRouting::QRCodeConverseChange);
    connect(qr, &QRCodeSetting::QRCodeDynamicStyle, this, &qrRouting::QRCodeSetDynamicStyle);
    connect(qr, &QRCodeSetting::QRCodeGs1Link, this, &qrRouting::QRCodeComposeGs1);
}

// Barcode. The module width and the height draw the symbol again at that size, so the picture shown
// is the picture saved and read back.

// "完成" on a barcode; an empty editor gives the default content.
void barRouting::applyContent(const QString &text)
{
    currentBarItem->content = text.isEmpty() ? QStringLiteral("6901234567891") : text;
    showBarcodeFormatErrorBox(currentBarItem->regenerate(), *currentBarItem);
}

void barRouting::barXChange(int x)
{
    const editScope scope(this, currentBarItem, "barXChange");
    currentBarItem->setPos(x, currentBarItem->y());
}

void barRouting::barYChange(int y)
{
    const editScope scope(this, currentBarItem, "barYChange");
    currentBarItem->setPos(currentBarItem->x(), y);
}

// A refused content was told when it was applied; the frame names the refusal meanwhile.
void barRouting::barWidthChange(int width)
{
    const editScope scope(this, currentBarItem, "barWidthChange");
    currentBarItem->lineWidth = width;
    currentBarItem->regenerate();
}

// The bars' height; the text band comes below them.
void barRouting::barHeightChange(int height)
{
    const editScope scope(this, currentBarItem, "barHeightChange");
    currentBarItem->lineHeight = height;
    currentBarItem->regenerate();
}

void barRouting::barRotateChange(int angle)
{
    const editScope scope(this, currentBarItem, "barRotateChange");
    currentBarItem->setRotation(angle);
}

void barRouting::barModeChange(int index)
{
    const editScope scope(this, currentBarItem, "barModeChange");
    if (index >= 0 && index <= 6)
        currentBarItem->mode = index;
    showBarcodeFormatErrorBox(currentBarItem->regenerate(), *currentBarItem);
}

void barRouting::barTextStateChange(bool checked)
{
    const editScope scope(this, currentBarItem, "barTextStateChange");
    currentBarItem->isTextOn = checked;
    showBarcodeFormatErrorBox(currentBarItem->regenerate(), *currentBarItem);
}

// Image.

void imageRouting::imageXChange(int x)
{
    const editScope scope(this, currentImageItem, "imageXChange");
    currentImageItem->setPos(x, currentImageItem->y());
}

void imageRouting::imageYChange(int y)
{
    const editScope scope(this, currentImageItem, "imageYChange");
    currentImageItem->setPos(currentImageItem->x(), y);
}

void imageRouting::imageWidthChange(int width)
{
    const editScope scope(this, currentImageItem, "imageWidthChange");
    currentImageItem->setShownWidth(width);
}

void imageRouting::imageHeightChange(int height)
{
    const editScope scope(this, currentImageItem, "imageHeightChange");
    currentImageItem->setShownHeight(height);
}

void imageRouting::imageRotateChange(int angle)
{
    const editScope scope(this, currentImageItem, "imageRotateChange");
    currentImageItem->setRotation(angle);
}

void imageRouting::imageSelectChange()
{
    const editScope scope(this, currentImageItem, "imageSelectChange");
    QFileDialog dialog(window, tr("打开图片"), QStringLiteral("."),
                       tr("Image Files(*.jpg *.jpeg *.bmp *.png)"));
    const QStringList files = modalHooks::execFileDialog(dialog);
    if (files.isEmpty())
        return;
    const QString path = files.first();
    qDebug() << "path = " << path;
    currentImageItem->setPictureFile(path);
}

void imageRouting::imageConverseChange()
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

// "完成" on a QR code.
void qrRouting::applyContent(const QString &text)
{
    currentQRCodeItem->content = text.isEmpty() ? QStringLiteral("123") : text;
    currentQRCodeItem->regenerate();
}

void qrRouting::QRCodeXChange(int x)
{
    const editScope scope(this, currentQRCodeItem, "QRCodeXChange");
    currentQRCodeItem->setPos(x, currentQRCodeItem->y());
}

void qrRouting::QRCodeYChange(int y)
{
    const editScope scope(this, currentQRCodeItem, "QRCodeYChange");
    currentQRCodeItem->setPos(currentQRCodeItem->x(), y);
}

void qrRouting::QRCodeRotateChange(int angle)
{
    const editScope scope(this, currentQRCodeItem, "QRCodeRotateChange");
    currentQRCodeItem->setRotation(angle);
}

void qrRouting::QRCodeLevelChange(int index)
{
    const editScope scope(this, currentQRCodeItem, "QRCodeLevelChange");
    currentQRCodeItem->level = index;
    currentQRCodeItem->regenerate();
}

void qrRouting::QRCodeScaleChange(int index)
{
    const editScope scope(this, currentQRCodeItem, "QRCodeScaleChange");
    currentQRCodeItem->scale = index;
    currentQRCodeItem->regenerate();
}

void qrRouting::QRCodeVersionChange(int index)
{
    const editScope scope(this, currentQRCodeItem, "QRCodeVersionChange");
    currentQRCodeItem->version = index;
    currentQRCodeItem->regenerate();
}

void qrRouting::QRCodeConverseChange(int index)
{
    const editScope scope(this, currentQRCodeItem, "QRCodeConverseChange");
    currentQRCodeItem->converse = index != 0;
    currentQRCodeItem->regenerate();
}

// The dialog opens on the item; accepted without an edit, or cancelled, it leaves the item and the
// history as they are.
void qrRouting::QRCodeSetDynamicStyle()
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
void qrRouting::QRCodeComposeGs1()
{
    gs1DigitalLinkDialog dialog(window);
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
