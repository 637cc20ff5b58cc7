#include "barcodedrawing.h"

#include "barcodeerror.h"
#include "barcodetext.h"

#include <algorithm>
#include <cstring>
#include <limits>

static_assert(std::numeric_limits<long double>::digits >= 64,
              "barcode heights need an extended-precision long double");

namespace
{
constexpr QRgb transparent = 0;
constexpr QRgb opaqueBlack = 0xFF000000;
constexpr QRgb opaqueWhite = 0xFFFFFFFF;
constexpr int maxSide = 80000;

// The factor is a double; the product with e is kept in extended precision before truncation.
int scaled(int e, double factor)
{
    return static_cast<int>(static_cast<long double>(e) * factor);
}
} // namespace

int barcodePictureHeight(int e, bool isTextOn)
{
    return isTextOn ? scaled(e, 1.2) : e;
}

int barcodeGuardHeight(int e)
{
    return scaled(e, 1.08);
}

int barcodeTextHeight(int e)
{
    return scaled(e, 0.2);
}

std::optional<barcodeDrawing> barcodeDrawing::start(int d, int e, bool isTextOn, qint64 modules,
                                                    int extraPixels)
{
    // d is bounded before the product, so the width cannot overflow for any content length.
    const bool sizesOk = d >= 1 && d <= maxSide && e >= 1 && e <= maxSide;
    const qint64 width = sizesOk ? qint64(d) * modules + extraPixels : 0;
    const qint64 height = sizesOk ? barcodePictureHeight(e, isTextOn) : 0;
    if (width < 1 || width > barcodeMaxWidth || height < 1 || width * height > barcodeMaxArea) {
        showBarcodeFormatError(0);
        return std::nullopt;
    }
    barcodeDrawing drawing(d, e, isTextOn, int(width));
    if (drawing.image.isNull()) {
        showBarcodeFormatError(0);
        return std::nullopt;
    }
    return drawing;
}

// The picture ends as a premultiplied pixmap, where the model's transparent white 0x00FFFFFF is stored
// as 0. Drawing premultiplied from the start gives the same pixels without a conversion pass; the fill
// itself happens row by row in rasteriseBars().
barcodeDrawing::barcodeDrawing(int d, int e, bool isTextOn, int width)
    : image(width, barcodePictureHeight(e, isTextOn), QImage::Format_ARGB32_Premultiplied), d(d), e(e),
      isTextOn(isTextOn)
{
}

void barcodeDrawing::paint(int x, const char *pattern, bool guard)
{
    paint(x, pattern, int(std::strlen(pattern)), guard);
}

void barcodeDrawing::paint(int x, const char *pattern, int count, bool guard)
{
    const int height = qMin(guard ? barcodeGuardHeight(e) : e, image.height());
    for (int m = 0; m < count; ++m)
        modules.push_back({(x + m) * d, height, pattern[m] == '1' ? opaqueBlack : opaqueWhite});
}

void barcodeDrawing::text(int x, int width, const QString &cellText)
{
    if (isTextOn)
        cells.push_back({x, width, cellText});
}

QPixmap barcodeDrawing::finish()
{
    rasteriseBars();
    if (!cells.empty())
        drawText();
    // Kept with its alpha channel even when every pixel happens to be opaque (Code 128 without text).
    return QPixmap::fromImage(std::move(image), Qt::NoOpaqueDetection);
}

// Modules are composed in painting order under destination-over: a pixel takes the first module that
// covers it. Between two consecutive module heights every row sees the same modules, so each such band
// is composed once and copied; the rows below the tallest module keep the transparent fill.
void barcodeDrawing::rasteriseBars()
{
    std::vector<int> heights;
    for (const module &m : modules)
        heights.push_back(m.height);
    std::sort(heights.begin(), heights.end());
    heights.erase(std::unique(heights.begin(), heights.end()), heights.end());
    const size_t rowBytes = size_t(image.width()) * sizeof(QRgb);
    int top = 0;
    for (int bandEnd : heights) {
        QRgb *row = reinterpret_cast<QRgb *>(image.scanLine(top));
        std::fill(row, row + image.width(), transparent);
        for (const module &m : modules) {
            if (m.height <= top || m.x >= image.width())
                continue;
            QRgb *const end = row + qMin(m.x + d, image.width());
            for (QRgb *px = row + m.x; px < end; ++px) {
                if (qAlpha(*px) == 0)
                    *px = m.colour;
            }
        }
        for (int y = top + 1; y < bandEnd; ++y)
            std::memcpy(image.scanLine(y), row, rowBytes);
        top = bandEnd;
    }
    for (int y = top; y < image.height(); ++y)
        std::memset(image.scanLine(y), 0, rowBytes);
}

void barcodeDrawing::drawText()
{
    barcodeTextPainter painter(image, 7 * d + 18);
    const int textHeight = barcodeTextHeight(e);
    for (const textCell &cell : cells)
        painter.draw(QRect(cell.x, e + 2, cell.width, textHeight), cell.text);
}
