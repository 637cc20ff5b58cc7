#pragma once
// Shared helpers of the barcode tests: drawing by mode, recording refusals, reading modules back.
#include "barcodeencoders.h"
#include "barcodeerror.h"
#include "barcoderender.h"

#include <QImage>
#include <QRect>
#include <QVector>

// While alive, collects the refusal codes of every symbol drawn through the helpers below.
class errorRecorder
{
public:
    errorRecorder() : previous(active()) { active() = this; }
    ~errorRecorder() { active() = previous; }
    static errorRecorder *&active()
    {
        static errorRecorder *recorder = nullptr;
        return recorder;
    }
    QVector<int> codes;

private:
    errorRecorder *previous;
};

enum symbology { ean13 = 0, ean8, code39, code93, upca, upce, code128 };

inline QPixmap drawnPixmap(int mode, const QString &content, bool text = true, int d = 5, int e = 230)
{
    const barcodeSymbol symbol = encodeBarcode(mode, {text, d, e}, content);
    if (symbol.refusal && errorRecorder::active())
        errorRecorder::active()->codes.append(*symbol.refusal);
    return renderBarcodePixmap(symbol);
}

inline QImage drawn(int mode, const QString &content, bool text = true, int d = 5, int e = 230)
{
    return drawnPixmap(mode, content, text, d, e).toImage();
}

// A picture with the refusal code its drawing reported (-1 for none).
struct drawnPicture {
    QImage image;
    bool hasAlpha;
    int refusal;
};

inline drawnPicture drawnWithRefusal(int mode, const QString &content, bool text, int d, int e)
{
    const barcodeSymbol symbol = encodeBarcode(mode, {text, d, e}, content);
    const QPixmap picture = renderBarcodePixmap(symbol);
    return {picture.toImage(), picture.hasAlphaChannel(), symbol.refusal ? int(*symbol.refusal) : -1};
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
