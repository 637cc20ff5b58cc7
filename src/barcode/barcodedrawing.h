#pragma once
// The one drawing model of all linear symbologies: a transparent ARGB picture, modules of d pixels painted
// one by one under destination-over composition, and one-character text cells under the bars.
#include <QImage>
#include <QPixmap>
#include <QString>
#include <optional>
#include <vector>

// Heights derived from the bar height e. Each product is formed in extended precision and truncated, so
// e = 230 gives a picture of 275 rows (the stored 1.2 lies just below 1.2).
int barcodePictureHeight(int e, bool isTextOn);
int barcodeGuardHeight(int e);
int barcodeTextHeight(int e);

// A picture never grows past the print strip: at most this wide, and no larger than the strip in area.
constexpr qint64 barcodeMaxWidth = 80000;
constexpr qint64 barcodeMaxArea = 80000 * 300;

class barcodeDrawing
{
public:
    // A blank picture d * modules + extraPixels wide. When d, e or the resulting size cannot be drawn,
    // code 0 is reported and nothing is returned.
    static std::optional<barcodeDrawing> start(int d, int e, bool isTextOn, qint64 modules,
                                               int extraPixels = 0);

    int width() const { return image.width(); }
    // Left edge of a row of n text cells, 8d apart, centred on the picture.
    int centredTextOrigin(int n) const { return (image.width() - 8 * d * n) / 2; }

    // Paints the first count modules of pattern ('1' dark, '0' light) from module position x, each
    // module separately, bar height or guard height tall, in the order given.
    void paint(int x, const char *pattern, int count, bool guard = false);
    void paint(int x, const char *pattern, bool guard = false);

    // Queues one text cell: text centred in the rectangle (x, e + 2, width, T) in pixels. Ignored while
    // the text is off; the cells are drawn by finish(), after all bars.
    void text(int x, int width, const QString &cellText);

    // Draws the queued text and hands the picture over.
    QPixmap finish();

private:
    barcodeDrawing(int d, int e, bool isTextOn, int width);
    void rasteriseBars();
    void drawText();

    struct module {
        int x;
        int height;
        QRgb colour;
    };
    struct textCell {
        int x;
        int width;
        QString text;
    };

    QImage image;
    int d;
    int e;
    bool isTextOn;
    std::vector<module> modules;
    std::vector<textCell> cells;
};
