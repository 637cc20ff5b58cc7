#pragma once
// The routing of the barcode, image and QR code kinds: each panel signal to the slot of the same name,
// applied to the current item of the kind.
#include "kindrouting.h"

#include "barsetting.h"
#include "diagrambaritem.h"
#include "diagramimageitem.h"
#include "diagramqrcodeitem.h"
#include "imagesetting.h"
#include "qrcodesetting.h"

class barRouting : public kindRoutingOf<diagramBarItem, barSetting>
{
public:
    static constexpr itemKind kind = itemKind::bar;
    explicit barRouting(Widget *window);
    const QString *content() const override { return &item->content; }
    void applyContent(const QString &text) override;

public: // reached by the panel's signals of the same names
    void barXChange(int x);
    void barYChange(int y);
    void barHeightChange(int height);
    void barRotateChange(int angle);
    void barModeChange(int index);
    void barTextStateChange(bool checked);
};

class imageRouting : public kindRoutingOf<diagramImageItem, imageSetting>
{
public:
    static constexpr itemKind kind = itemKind::image;
    explicit imageRouting(Widget *window);

public: // reached by the panel's signals of the same names
    void imageXChange(int x);
    void imageYChange(int y);
    void imageWidthChange(int width);
    void imageHeightChange(int height);
    void imageRotateChange(int angle);
    void imageSelectChange();
    void imageConverseChange();
    // A picture missing on opening, and the others in its folder (picturelocate.cpp).
    void imageLocateChange();
};

class qrRouting : public kindRoutingOf<diagramQRCodeItem, QRCodeSetting>
{
public:
    static constexpr itemKind kind = itemKind::qr;
    explicit qrRouting(Widget *window);
    const QString *content() const override { return &item->content; }
    void applyContent(const QString &text) override;

    // Handed to the QR dynamic-content dialog when it opens; nothing sets them, so both stay empty.
    QString languageFile;
    QString themeName;

public: // reached by the panel's signals of the same names
    void QRCodeXChange(int x);
    void QRCodeYChange(int y);
    void QRCodeRotateChange(int angle);
    void QRCodeLevelChange(int index);
    void QRCodeScaleChange(int index);
    void QRCodeConverseChange(int index);
    void QRCodeSetDynamicStyle();
    void QRCodeComposeGs1();
};
