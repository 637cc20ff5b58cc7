#include "diagramqrcodeitem.h"

#include "emptypicture.h"

#include <QBitmap>
#include <QImage>
#include <QStyleOptionGraphicsItem>
#include <algorithm>
#include <cstring>
#include <memory>
#include <qrencode.h>

namespace
{

// Pictures wider than this come only from hand-edited files; refusing them keeps memory bounded.
constexpr qint64 maxSymbolSide = 20000;

constexpr QRecLevel levelTable[] = {QR_ECLEVEL_L, QR_ECLEVEL_M, QR_ECLEVEL_Q, QR_ECLEVEL_H};

QRecLevel encoderLevel(int level)
{
    return level >= 0 && level < 4 ? levelTable[level] : QR_ECLEVEL_Q;
}

struct qrcodeDeleter {
    void operator()(QRcode *code) const { QRcode_free(code); }
};
using qrcodePtr = std::unique_ptr<QRcode, qrcodeDeleter>;

// The most any symbol holds: 7089 digits at level L, version 40. Longer texts are not handed to the
// encoder at all, so a huge content from a file costs nothing.
constexpr int maxSymbolBytes = 7089;

qrcodePtr encode(const qrCodeRecord &record)
{
    const QByteArray text = record.content.toUtf8();
    if (text.size() > maxSymbolBytes)
        return nullptr;
    return qrcodePtr(
        QRcode_encodeString(text.constData(), record.version, encoderLevel(record.level), QR_MODE_8, 1));
}

// A symbol width of 0 or less is taken as one module.
int modulesOf(const QRcode &code)
{
    return code.width > 0 ? code.width : 1;
}

// Writes the modules straight into the pixel rows: the same picture a painter filling one square per
// dark module would give, at a fraction of the cost. Each band of `scale` rows is built once and copied.
void drawModules(QImage &image, const QRcode &code, int n, int scale, int border)
{
    const QRgb light = qRgb(255, 255, 255);
    const QRgb dark = qRgb(0, 0, 0);
    const int side = image.width();
    for (int row = 0; row < border; ++row) {
        std::fill_n(reinterpret_cast<QRgb *>(image.scanLine(row)), side, light);
        std::fill_n(reinterpret_cast<QRgb *>(image.scanLine(side - 1 - row)), side, light);
    }
    const size_t lineBytes = size_t(side) * sizeof(QRgb);
    for (int y = 0; y < n; ++y) {
        const int top = border + y * scale;
        QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(top));
        std::fill_n(line, border, light);
        std::fill_n(line + side - border, border, light);
        const unsigned char *modules = code.width > 0 ? code.data + size_t(y) * size_t(n) : nullptr;
        for (int x = 0; x < n; ++x)
            std::fill_n(line + border + x * scale, scale, modules && (modules[x] & 1) ? dark : light);
        for (int r = 1; r < scale; ++r)
            std::memcpy(image.scanLine(top + r), line, lineBytes);
    }
}

} // namespace

diagramQRCodeItem::diagramQRCodeItem(QGraphicsItem *parent) : QGraphicsPixmapItem(parent)
{
    setFlags(ItemIsSelectable | ItemIsMovable);
}

void diagramQRCodeItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *widget)
{
    if (pixmap().isNull())
        return emptyPicture::paint(painter, widget, emptyReason());
    // A selected QR code looks exactly like an unselected one: no dashed frame over the modules.
    QStyleOptionGraphicsItem plain;
    plain.state = QStyle::State_None;
    QGraphicsPixmapItem::paint(painter, &plain, widget);
}

QRectF diagramQRCodeItem::boundingRect() const
{
    return pixmap().isNull() ? emptyPicture::frame() : QGraphicsPixmapItem::boundingRect();
}

QPainterPath diagramQRCodeItem::shape() const
{
    return pixmap().isNull() ? emptyPicture::frameShape() : QGraphicsPixmapItem::shape();
}

QString diagramQRCodeItem::emptyReason() const
{
    return scale > 0 ? emptyPicture::noSymbolReason() : emptyPicture::noPictureReason();
}

int diagramQRCodeItem::symbolModules(const qrCodeRecord &record)
{
    const qrcodePtr code = encode(record);
    return code ? modulesOf(*code) : 0;
}

QPixmap diagramQRCodeItem::createQRPixmap(qrCodeRecord record)
{
    const qrcodePtr code = encode(record);
    if (!code || record.scale <= 0)
        return QPixmap();
    const int n = modulesOf(*code);
    const int border = record.converse ? record.scale : 0;
    const qint64 side = qint64(n) * record.scale + 2 * qint64(border);
    if (side > maxSymbolSide)
        return QPixmap();
    // Opaque from the start, so the toolkit adopts the pixels as they are instead of scanning them.
    const int pixels = static_cast<int>(side);
    QImage image(pixels, pixels, QImage::Format_RGB32);
    if (image.isNull())
        return QPixmap();
    drawModules(image, *code, n, record.scale, border);
    // Inverted: the black mask taken straight from the pixels, so dark modules become clear bits and
    // light modules and the border set bits.
    if (record.converse)
        return QBitmap::fromImage(image.createMaskFromColor(qRgb(0, 0, 0), Qt::MaskInColor));
    return QPixmap::fromImage(std::move(image));
}

void diagramQRCodeItem::regenerate()
{
    qrPixmap = createQRPixmap(record());
    setPixmap(qrPixmap);
}
