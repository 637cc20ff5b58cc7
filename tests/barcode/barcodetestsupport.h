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

// The modes the tests name, looked up in the symbology table by their sprtool names.
inline int modeNamed(const char *name)
{
    return barcodeModeNamed(QLatin1String(name));
}
inline const int ean13 = modeNamed("ean13");
inline const int ean8 = modeNamed("ean8");
inline const int code39 = modeNamed("code39");
inline const int code93 = modeNamed("code93");
inline const int upca = modeNamed("upca");
inline const int upce = modeNamed("upce");
inline const int code128 = modeNamed("code128");

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

// The modules of a picture drawn without text at 2 pixels a module, from the first bar to the last, and
// where the first bar starts.
struct moduleRow {
    QByteArray modules;
    int firstBar;
};

inline moduleRow modulesOf(int mode, const QString &content)
{
    const int d = 2;
    const QImage image = drawn(mode, content, false, d, 40);
    const QByteArray all = modulesAt(image, d, 20, 0, image.width() / d);
    const int first = all.indexOf('1');
    const int last = all.lastIndexOf('1');
    return {first < 0 ? QByteArray() : all.mid(first, last - first + 1), first};
}
