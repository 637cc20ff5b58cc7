// The library returns UTF-8 text only with this set before its headers.
#define ZX_USE_UTF8
#include "symbolscan.h"

#include <QPainter>
#include <ZXing/ReadBarcode.h>

namespace
{
ZXing::BarcodeFormat zxingFormat(scanSymbology symbology)
{
    static const ZXing::BarcodeFormat formats[] = {
        ZXing::BarcodeFormat::EAN13,   ZXing::BarcodeFormat::EAN8,   ZXing::BarcodeFormat::Code39,
        ZXing::BarcodeFormat::Code93,  ZXing::BarcodeFormat::UPCA,   ZXing::BarcodeFormat::UPCE,
        ZXing::BarcodeFormat::Code128, ZXing::BarcodeFormat::QRCode,
    };
    return formats[static_cast<int>(symbology)];
}

// Modules narrower than this are enlarged, so the reader's sampling has room; printing loses nothing.
constexpr int minModulePixels = 3;

QImage paperPicture(const QImage &picture, int quietZone, int moduleSize, bool inverted)
{
    QImage symbol = picture.convertToFormat(QImage::Format_ARGB32);
    if (inverted) {
        // The light parts of an inverted picture are its transparent pixels: paper first, then invert.
        QImage flat(symbol.size(), QImage::Format_RGB32);
        flat.fill(Qt::white);
        QPainter(&flat).drawImage(0, 0, symbol);
        flat.invertPixels();
        symbol = flat;
    }
    QImage page(symbol.width() + 2 * quietZone, symbol.height() + 2 * quietZone, QImage::Format_RGB32);
    if (page.isNull())
        return {};
    page.fill(Qt::white);
    QPainter painter(&page);
    painter.drawImage(quietZone, quietZone, symbol);
    painter.end();
    if (moduleSize > 0 && moduleSize < minModulePixels) {
        const int factor = (minModulePixels + moduleSize - 1) / moduleSize;
        page = page.scaled(page.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    }
    return page.convertToFormat(QImage::Format_Grayscale8);
}

scanFailure failureOf(const ZXing::Result &result)
{
    if (result.isValid())
        return scanFailure::none;
    switch (result.error().type()) {
    case ZXing::Error::Type::Checksum:
        return scanFailure::checksum;
    case ZXing::Error::Type::Format:
    case ZXing::Error::Type::Unsupported:
        return scanFailure::damaged;
    default:
        return scanFailure::notFound;
    }
}
} // namespace

scanSymbology scanSymbologyForMode(int mode)
{
    return mode >= 0 && mode <= 6 ? static_cast<scanSymbology>(mode) : scanSymbology::qrCode;
}

scanResult scanPicture(const QImage &picture, scanSymbology symbology, int quietZone, int moduleSize,
                       bool inverted)
{
    scanResult scanned;
    if (picture.isNull()) {
        scanned.failure = scanFailure::noPicture;
        return scanned;
    }
    const QImage grey = paperPicture(picture, quietZone, moduleSize, inverted);
    if (grey.isNull()) {
        scanned.failure = scanFailure::noPicture;
        return scanned;
    }
    ZXing::DecodeHints hints;
    hints.setFormats(zxingFormat(symbology));
    hints.setTryRotate(false);
    hints.setReturnErrors(true);
    hints.setCharacterSet("UTF-8");
    hints.setEanAddOnSymbol(ZXing::EanAddOnSymbol::Ignore);
    const ZXing::ImageView view(grey.constBits(), grey.width(), grey.height(), ZXing::ImageFormat::Lum,
                                int(grey.bytesPerLine()));
    const ZXing::Result result = ZXing::ReadBarcode(view, hints);
    scanned.failure = failureOf(result);
    scanned.found = scanned.failure == scanFailure::none;
    if (scanned.found)
        scanned.text = QString::fromStdString(result.text());
    return scanned;
}
