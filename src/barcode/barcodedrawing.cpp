#include "barcodedrawing.h"

#include "barcodeerror.h"

#include <QPainter>
#include <cstring>
#include <limits>

static_assert(std::numeric_limits<long double>::digits >= 64,
              "barcode heights need an extended-precision long double");

namespace
{
constexpr QRgb transparentWhite = 0x00FFFFFF;
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

barcodeDrawing::barcodeDrawing(int d, int e, bool isTextOn, int width)
    : image(width, barcodePictureHeight(e, isTextOn), QImage::Format_ARGB32), d(d), e(e), isTextOn(isTextOn)
{
    image.fill(transparentWhite);
}

void barcodeDrawing::paint(int x, const char *pattern, bool guard)
{
    paint(x, pattern, int(std::strlen(pattern)), guard);
}

void barcodeDrawing::paint(int x, const char *pattern, int count, bool guard)
{
    const int height = qMin(guard ? barcodeGuardHeight(e) : e, image.height());
    for (int m = 0; m < count; ++m)
        fillModule((x + m) * d, height, pattern[m] == '1' ? opaqueBlack : opaqueWhite);
}

// Bars are painted before any text, so every pixel is either still the transparent fill or already
// opaque: destination-over then comes down to painting only the pixels nothing has covered yet.
void barcodeDrawing::fillModule(int x, int height, QRgb colour)
{
    const int left = qMax(x, 0);
    const int right = qMin(x + d, image.width());
    if (left >= right)
        return;
    uchar *bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    for (int y = 0; y < height; ++y) {
        QRgb *row = reinterpret_cast<QRgb *>(bits + y * stride);
        for (int px = left; px < right; ++px) {
            if (qAlpha(row[px]) == 0)
                row[px] = colour;
        }
    }
}

void barcodeDrawing::text(int x, int width, const QString &cellText)
{
    if (isTextOn)
        cells.push_back({x, width, cellText});
}

QPixmap barcodeDrawing::finish()
{
    if (!cells.empty()) {
        QPainter painter(&image);
        painter.setCompositionMode(QPainter::CompositionMode_DestinationOver);
        QFont font = painter.font();
        font.setFamily(QStringLiteral("arial"));
        font.setPixelSize(7 * d + 18);
        font.setCapitalization(QFont::SmallCaps);
        font.setLetterSpacing(QFont::AbsoluteSpacing, 0);
        painter.setFont(font);
        painter.setPen(QColor(Qt::black));
        const int textHeight = barcodeTextHeight(e);
        // Without Qt::TextDontClip each piece is clipped to its own rectangle.
        for (const textCell &cell : cells)
            painter.drawText(QRect(cell.x, e + 2, cell.width, textHeight), Qt::AlignCenter, cell.text);
    }
    return QPixmap::fromImage(std::move(image));
}
