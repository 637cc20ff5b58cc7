#pragma once
// Shared helpers of the barcode tests: drawing by mode, recording refusals, reading modules back.
#include "barcodeencoders.h"
#include "barcodeerror.h"

#include <QImage>
#include <QRect>
#include <QVector>

// Records every refusal code while alive, instead of showing a box.
class errorRecorder
{
public:
    errorRecorder()
    {
        previous = setBarcodeErrorHandler([this](quint8 code) { codes.append(code); });
    }
    ~errorRecorder() { setBarcodeErrorHandler(previous); }
    QVector<int> codes;

private:
    barcodeErrorHandler previous;
};

enum symbology { ean13 = 0, ean8, code39, code93, upca, upce, code128 };

inline QImage drawn(int mode, const QString &content, bool text = true, int d = 5, int e = 230)
{
    return barcodeEncoderForMode(mode)(text, d, e, content).toImage();
}

// A picture with the refusal code its drawing reported (-1 for none).
struct drawnPicture {
    QImage image;
    bool hasAlpha;
    int refusal;
};

inline drawnPicture drawnWithRefusal(int mode, const QString &content, bool text, int d, int e)
{
    errorRecorder errors;
    const QPixmap picture = barcodeEncoderForMode(mode)(text, d, e, content);
    return {picture.toImage(), picture.hasAlphaChannel(), errors.codes.isEmpty() ? -1 : errors.codes.first()};
}

inline bool isDark(const QImage &image, int x, int y)
{
    const QRgb p = image.pixel(x, y);
    return qAlpha(p) == 255 && qGray(p) < 128;
}

// Modules read at their middle pixel on row y: '1' dark, '0' light or transparent.
inline QByteArray modulesAt(const QImage &image, int d, int y, int firstModule, int count)
{
    QByteArray modules;
    for (int m = firstModule; m < firstModule + count; ++m)
        modules += isDark(image, m * d + d / 2, y) ? '1' : '0';
    return modules;
}

// Number of pixels in area that anything was painted on.
inline int inkIn(const QImage &image, const QRect &area)
{
    const QRect clipped = area & image.rect();
    int ink = 0;
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            ink += qAlpha(image.pixel(x, y)) != 0;
    }
    return ink;
}

inline bool sameArea(const QImage &a, const QImage &b, const QRect &area)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y))
                return false;
        }
    }
    return true;
}
