#define ZX_USE_UTF8
#include "qrdecode.h"

#include <QPainter>
#include <ZXing/ReadBarcode.h>

decodedQr decodeQr(const QImage &picture, int quietZone, bool inverted)
{
    QImage symbol = picture.convertToFormat(QImage::Format_ARGB32);
    if (inverted)
        symbol.invertPixels();
    QImage page(picture.width() + 2 * quietZone, picture.height() + 2 * quietZone, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    painter.drawImage(quietZone, quietZone, symbol);
    painter.end();
    // Modules of one or two pixels are enlarged so the reader's sampling has room.
    const int enlarge = picture.width() < 200 ? 8 : 1;
    const QImage gray = page.scaled(page.size() * enlarge, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                            .convertToFormat(QImage::Format_Grayscale8);

    ZXing::DecodeHints hints;
    hints.setFormats(ZXing::BarcodeFormat::QRCode);
    hints.setCharacterSet("UTF-8");
    const ZXing::ImageView view(gray.constBits(), gray.width(), gray.height(), ZXing::ImageFormat::Lum,
                                gray.bytesPerLine());
    const ZXing::Result result = ZXing::ReadBarcode(view, hints);
    decodedQr decoded;
    decoded.found = result.isValid();
    decoded.text = QString::fromStdString(result.text());
    decoded.level = QString::fromStdString(result.ecLevel());
    return decoded;
}
