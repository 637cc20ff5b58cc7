// The library returns UTF-8 text only with this set before its headers.
#define ZX_USE_UTF8
#include "symbolscan.h"
#include "symbologytable.h"

#include <ZXing/BarcodeFormat.h>
#include <ZXing/ReadBarcode.h>
#include <algorithm>
#include <vector>

namespace
{
ZXing::BarcodeFormat zxingFormat(scanSymbology symbology)
{
    return ZXing::BarcodeFormatFromString(symbologyRowFor(symbology).scanFormat);
}

// Pixels per module the reader gets: narrower modules are enlarged so its sampling has room; QR modules
// are also made this small, which the reader finds fastest. Linear symbols keep wider modules, whose
// widths a reduction could distort.
constexpr int readerModulePixels = scanQrModulePixels;

// The picture as a grey page with its quiet zone (pixels of the picture; for linear symbols left and
// right only), resampled to the reader's
// module size at module centres, so no module changes width. Transparent pixels are paper; an inverted
// picture is turned back, the quiet zone staying paper.
QImage paperPicture(const QImage &picture, int quietZone, int moduleSize, bool matrix, bool inverted)
{
    const QImage source = picture.convertToFormat(QImage::Format_ARGB32);
    int num = 1;
    int den = 1;
    if (moduleSize > 0 && (moduleSize < readerModulePixels || (matrix && moduleSize > readerModulePixels))) {
        num = readerModulePixels;
        den = moduleSize;
    }
    const qint64 width = (qint64(source.width()) + 2 * quietZone) * num / den;
    // A line across linear bars needs paper only at its two ends.
    const int quietRows = matrix ? quietZone : 0;
    const qint64 height = (qint64(source.height()) + 2 * quietRows) * num / den;
    QImage page(int(width), int(height), QImage::Format_Grayscale8);
    if (page.isNull())
        return {};
    std::vector<int> columns(size_t(page.width()));
    for (int x = 0; x < page.width(); ++x)
        columns[size_t(x)] = int(((2 * qint64(x) + 1) * den) / (2 * num)) - quietZone;
    for (int y = 0; y < page.height(); ++y) {
        uchar *out = page.scanLine(y);
        const int sy = int(((2 * qint64(y) + 1) * den) / (2 * num)) - quietRows;
        if (sy < 0 || sy >= source.height()) {
            std::fill_n(out, page.width(), uchar(255));
            continue;
        }
        const QRgb *row = reinterpret_cast<const QRgb *>(source.constScanLine(sy));
        for (int x = 0; x < page.width(); ++x) {
            const int sx = columns[size_t(x)];
            if (sx < 0 || sx >= source.width()) {
                out[x] = 255;
                continue;
            }
            const QRgb pixel = row[sx];
            const int grey = qAlpha(pixel) == 0 ? 255 : qGray(pixel);
            out[x] = uchar(inverted ? 255 - grey : grey);
        }
    }
    return page;
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

scanResult scanPicture(const QImage &picture, scanSymbology symbology, int quietZone, int moduleSize,
                       bool inverted)
{
    scanResult scanned;
    if (picture.isNull()) {
        scanned.failure = scanFailure::noPicture;
        return scanned;
    }
    const QImage grey =
        paperPicture(picture, quietZone, moduleSize, symbology == scanSymbology::qrCode, inverted);
    if (grey.isNull()) {
        scanned.failure = scanFailure::noPicture;
        return scanned;
    }
    ZXing::DecodeHints hints;
    hints.setFormats(zxingFormat(symbology));
    hints.setTryRotate(false);
    hints.setIsPure(symbology == scanSymbology::qrCode);
    hints.setReturnErrors(true);
    hints.setCharacterSet("UTF-8");
    hints.setEanAddOnSymbol(ZXing::EanAddOnSymbol::Ignore);
    const ZXing::ImageView view(grey.constBits(), grey.width(), grey.height(), ZXing::ImageFormat::Lum,
                                int(grey.bytesPerLine()));
    ZXing::Result result = ZXing::ReadBarcode(view, hints);
    // The pure reader wants nothing but the symbol and paper; anything else (a cut-out page) gets the
    // full search.
    if (!result.isValid() && hints.isPure())
        result = ZXing::ReadBarcode(view, hints.setIsPure(false));
    scanned.failure = failureOf(result);
    scanned.found = scanned.failure == scanFailure::none;
    if (scanned.found)
        scanned.text = QString::fromStdString(result.text());
    return scanned;
}
