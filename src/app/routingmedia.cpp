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
    connect(panel, &barSetting::barXChange, this, &barRouting::barXChange);
    connect(panel, &barSetting::barYChange, this, &barRouting::barYChange);
    connect(panel, &barSetting::barHeightChange, this, &barRouting::barHeightChange);
    connect(panel, &barSetting::barRotateChange, this, &barRouting::barRotateChange);
    connect(panel, &barSetting::barModeChange, this, &barRouting::barModeChange);
    connect(panel, &barSetting::barTextStateChange, this, &barRouting::barTextStateChange);
}

imageRouting::imageRouting(Widget *window) : kindRoutingOf(window, kind)
{
    connect(panel, &imageSetting::imageXChange, this, &imageRouting::imageXChange);
    connect(panel, &imageSetting::imageYChange, this, &imageRouting::imageYChange);
    connect(panel, &imageSetting::imageWidthChange, this, &imageRouting::imageWidthChange);
    connect(panel, &imageSetting::imageHeightChange, this, &imageRouting::imageHeightChange);
    connect(panel, &imageSetting::imageRotateChange, this, &imageRouting::imageRotateChange);
    connect(panel, &imageSetting::imageSelectChange, this, &imageRouting::imageSelectChange);
    connect(panel, &imageSetting::imageConverseChange, this, &imageRouting::imageConverseChange);
    connect(panel, &imageSetting::imageLocateChange, this, &imageRouting::imageLocateChange);
}

qrRouting::qrRouting(Widget *window) : kindRoutingOf(window, kind)
{
    connect(panel, &QRCodeSetting::QRCodeXChange, this, &qrRouting::QRCodeXChange);
    connect(panel, &QRCodeSetting::QRCodeYChange, this, &qrRouting::QRCodeYChange);
    connect(panel, &QRCodeSetting::QRCodeRotateChange, this, &qrRouting::QRCodeRotateChange);
    connect(panel, &QRCodeSetting::QRCodeLevelChange, this, &qrRouting::QRCodeLevelChange);
    connect(panel, &QRCodeSetting::QRCodeScaleChange, this, &qrRouting::QRCodeScaleChange);
    connect(panel, &QRCodeSetting::QRCodeConverseChange, this, &qrRouting::QRCodeConverseChange);
    connect(panel, &QRCodeSetting::QRCodeDynamicStyle, this, &qrRouting::QRCodeSetDynamicStyle);
    connect(panel, &QRCodeSetting::QRCodeGs1Link, this, &qrRouting::QRCodeComposeGs1);
}

// Barcode. The module width (set through its field row) and the height draw the symbol again at that
// size, so the picture shown is the picture saved and read back.

// "完成" on a barcode; an empty editor gives the default content.
void barRouting::applyContent(const QString &text)
{
    item->content = text.isEmpty() ? diagramBarItem::defaultContent() : text;
    showBarcodeFormatErrorBox(item->regenerate(), *item);
}

void barRouting::barXChange(int x)
{
    const editScope scope(this, item, "barXChange");
    item->setPos(x, item->y());
}

void barRouting::barYChange(int y)
{
    const editScope scope(this, item, "barYChange");
    item->setPos(item->x(), y);
}

// The bars' height; the text band comes below them.
void barRouting::barHeightChange(int height)
{
    const editScope scope(this, item, "barHeightChange");
    item->lineHeight = height;
    item->regenerate();
}

void barRouting::barRotateChange(int angle)
{
    const editScope scope(this, item, "barRotateChange");
    item->setRotation(angle);
}

void barRouting::barModeChange(int index)
{
    const editScope scope(this, item, "barModeChange");
    if (isBarcodeMode(index))
        item->mode = index;
    showBarcodeFormatErrorBox(item->regenerate(), *item);
}

void barRouting::barTextStateChange(bool checked)
{
    const editScope scope(this, item, "barTextStateChange");
    item->isTextOn = checked;
    showBarcodeFormatErrorBox(item->regenerate(), *item);
}

// Image.

void imageRouting::imageXChange(int x)
{
    const editScope scope(this, item, "imageXChange");
    item->setPos(x, item->y());
}

void imageRouting::imageYChange(int y)
{
    const editScope scope(this, item, "imageYChange");
    item->setPos(item->x(), y);
}

void imageRouting::imageWidthChange(int width)
{
    const editScope scope(this, item, "imageWidthChange");
    item->setShownWidth(width);
}

void imageRouting::imageHeightChange(int height)
{
    const editScope scope(this, item, "imageHeightChange");
    item->setShownHeight(height);
}

void imageRouting::imageRotateChange(int angle)
{
    const editScope scope(this, item, "imageRotateChange");
    item->setRotation(angle);
}

void imageRouting::imageSelectChange()
{
    const editScope scope(this, item, "imageSelectChange");
    QFileDialog dialog(window, Widget::tr("打开图片"), QStringLiteral("."),
                       Widget::tr("Image Files(*.jpg *.jpeg *.bmp *.png)"));
    const QStringList files = modalHooks::execFileDialog(dialog);
    if (files.isEmpty())
        return;
    const QString path = files.first();
    qDebug() << "path = " << path;
    item->setPictureFile(path);
}

void imageRouting::imageConverseChange()
{
    const editScope scope(this, item, "imageConverseChange");
    item->invertColors();
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
    item->content = text.isEmpty() ? QStringLiteral("123") : text;
    item->regenerate();
}

void qrRouting::QRCodeXChange(int x)
{
    const editScope scope(this, item, "QRCodeXChange");
    item->setPos(x, item->y());
}

void qrRouting::QRCodeYChange(int y)
{
    const editScope scope(this, item, "QRCodeYChange");
    item->setPos(item->x(), y);
}

void qrRouting::QRCodeRotateChange(int angle)
{
    const editScope scope(this, item, "QRCodeRotateChange");
    item->setRotation(angle);
}

void qrRouting::QRCodeLevelChange(int index)
{
    const editScope scope(this, item, "QRCodeLevelChange");
    item->level = index;
    item->regenerate();
}

void qrRouting::QRCodeScaleChange(int index)
{
    const editScope scope(this, item, "QRCodeScaleChange");
    item->scale = index;
    item->regenerate();
}

void qrRouting::QRCodeConverseChange(int index)
{
    const editScope scope(this, item, "QRCodeConverseChange");
    item->converse = index != 0;
    item->regenerate();
}

// The dialog opens on the item; accepted without an edit, or cancelled, it leaves the item and the
// history as they are.
void qrRouting::QRCodeSetDynamicStyle()
{
    QRCodeDynamicStyleDialog dialog;
    dialog.loadFromItem(*item);
    dialog.languageFile = languageFile;
    dialog.themeName = themeName;
    for (const char *theme : {"red", "orange", "blue"})
        for (const char *language : {"en", "cn"})
            dialog.styleSheetPaths.append(
                QStringLiteral(":/qss/%1/%2/dynamicQRCode.qss").arg(theme, language));
    if (modalHooks::execDialog(dialog) != QDialog::Accepted || !dialog.isEdited())
        return;

    const editScope scope(this, item, "QRCodeSetDynamicStyle");
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
    dialog.loadFromRecord(item->record());
    if (modalHooks::execDialog(dialog) != QDialog::Accepted)
        return;
    // Accepted as it opened: no change, so no undo step.
    const qrCodeRecord &now = item->record();
    if (dialog.content == now.content && dialog.insertCntPos == now.insertCntPos &&
        dialog.cntMode == now.cntMode && dialog.insertCnt == now.insertCnt &&
        dialog.insertTime == now.insertTime && dialog.timeModeStr == now.timeModeStr &&
        dialog.insertTimePos == now.insertTimePos)
        return;
    const editScope scope(this, item, "QRCodeComposeGs1");
    copyPlaceholders(dialog, *item);
    ui->lineEdit->setText(dialog.content);
    item->content = dialog.content;
    item->regenerate();
    showPanel(7);
}
