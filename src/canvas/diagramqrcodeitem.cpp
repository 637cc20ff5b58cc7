#include "diagramqrcodeitem.h"

#include "emptypicture.h"
#include "sharedpictures.h"
#include "shownrecord.h"

#include <QBitmap>
#include <QImage>
#include <QStyleOptionGraphicsItem>
#include <algorithm>
#include <cstdlib>
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

// Two steps of the encoder that libqrencode exports without declaring them in its header: the splitting
// of a text into segments and the fitting of the segments into the smallest version that holds them.
extern "C" {
int Split_splitStringToQRinput(const char *string, QRinput *input, QRencodeMode hint, int casesensitive);
unsigned char *QRinput_getByteStream(QRinput *input);
}

// Modules per side of the symbol encode() would make, or 0 when it would make none, learnt from the
// encoder's own first steps without laying out and masking the modules (most of the encoding time).
int settledModules(const qrCodeRecord &record)
{
    const QByteArray text = record.content.toUtf8();
    if (text.size() > maxSymbolBytes)
        return 0;
    QRinput *input = QRinput_new2(record.version, encoderLevel(record.level));
    if (!input)
        return 0;
    int modules = 0;
    if (Split_splitStringToQRinput(text.constData(), input, QR_MODE_8, 1) >= 0) {
        if (unsigned char *stream = QRinput_getByteStream(input)) {
            modules = QRinput_getVersion(input) * 4 + 17;
            std::free(stream);
        }
    }
    QRinput_free(input);
    return modules;
}

// A symbol width of 0 or less is taken as one module.
int modulesOf(const QRcode &code)
{
    return code.width > 0 ? code.width : 1;
}

// Writes the modules straight into the pixel rows: the same picture a painter filling one square per
// dark module would give, at a fraction of the cost. Each band of `scale` rows is built once and copied.
void drawModules(QImage &image, const qrModules &modules, int scale, int border)
{
    const QRgb light = qRgb(255, 255, 255);
    const QRgb dark = qRgb(0, 0, 0);
    const int side = image.width();
    const int n = modules.side;
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
        for (int x = 0; x < n; ++x)
            std::fill_n(line + border + x * scale, scale, modules.isDark(x, y) ? dark : light);
        for (int r = 1; r < scale; ++r)
            std::memcpy(image.scanLine(top + r), line, lineBytes);
    }
}

// The side in pixels of the record's picture for a symbol of that many modules; 0 when there is no
// symbol or it would be too large.
int pictureSide(const qrCodeRecord &record, int modules)
{
    if (modules <= 0 || record.scale <= 0)
        return 0;
    const int border = record.converse ? record.scale : 0;
    const qint64 side = qint64(modules) * record.scale + 2 * qint64(border);
    return side > maxSymbolSide ? 0 : int(side);
}

// Everything that shapes a QR picture.
QString pictureKey(const qrCodeRecord &record)
{
    return QStringLiteral("qr %1 %2 %3 %4 ")
               .arg(record.level)
               .arg(record.version)
               .arg(record.scale)
               .arg(int(record.converse)) +
           record.content;
}

} // namespace

diagramQRCodeItem::diagramQRCodeItem(QGraphicsItem *parent) : deferredPixmapItem(parent)
{
    setFlags(ItemIsSelectable | ItemIsMovable);
}

void diagramQRCodeItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *widget)
{
    if (pictureSize().isEmpty())
        return emptyPicture::paint(painter, widget, emptyReason());
    // A selected QR code looks exactly like an unselected one: no dashed frame over the modules.
    QStyleOptionGraphicsItem plain;
    plain.state = QStyle::State_None;
    deferredPixmapItem::paint(painter, &plain, widget);
}

QRectF diagramQRCodeItem::boundingRect() const
{
    return pictureSize().isEmpty() ? emptyPicture::frame() : deferredPixmapItem::boundingRect();
}

QPainterPath diagramQRCodeItem::shape() const
{
    return pictureSize().isEmpty() ? emptyPicture::frameShape() : deferredPixmapItem::shape();
}

QString diagramQRCodeItem::emptyReason() const
{
    if (const QString problem = shownRecordProblem(*this); !problem.isEmpty())
        return problem;
    return scale > 0 ? emptyPicture::noSymbolReason() : emptyPicture::noPictureReason();
}

int diagramQRCodeItem::symbolModules(const qrCodeRecord &record)
{
    return settledModules(record);
}

qrModules diagramQRCodeItem::modules(const qrCodeRecord &record)
{
    qrModules out;
    const qrcodePtr code = encode(record);
    if (!code)
        return out;
    out.side = modulesOf(*code);
    out.dark.assign(size_t(out.side) * size_t(out.side), false);
    if (code->width > 0) {
        for (size_t i = 0; i < out.dark.size(); ++i)
            out.dark[i] = code->data[i] & 1;
    }
    return out;
}

const qrModules &diagramQRCodeItem::encodedModules(const qrCodeRecord &record) const
{
    if (record.content != keptContent || record.version != keptVersion || record.level != keptLevel) {
        keptModules = modules(record);
        keptContent = record.content;
        keptVersion = record.version;
        keptLevel = record.level;
    }
    return keptModules;
}

QPixmap diagramQRCodeItem::createQRPixmap(qrCodeRecord record)
{
    return pictureOf(modules(record), record);
}

QPixmap diagramQRCodeItem::pictureOf(const qrModules &modules, const qrCodeRecord &record)
{
    const int pixels = pictureSide(record, modules.side);
    if (pixels == 0)
        return QPixmap();
    const int border = record.converse ? record.scale : 0;
    // Opaque from the start, so the toolkit adopts the pixels as they are instead of scanning them.
    QImage image(pixels, pixels, QImage::Format_RGB32);
    if (image.isNull())
        return QPixmap();
    drawModules(image, modules, record.scale, border);
    // Inverted: the black mask taken straight from the pixels, so dark modules become clear bits and
    // light modules and the border set bits.
    if (record.converse)
        return QBitmap::fromImage(image.createMaskFromColor(qRgb(0, 0, 0), Qt::MaskInColor));
    return QPixmap::fromImage(std::move(image));
}

void diagramQRCodeItem::regenerate()
{
    regenerateLater();
    pixmap();
}

void diagramQRCodeItem::regenerateLater()
{
    qrPixmap = QPixmap();
    deferredRecord = record();
    const int side = pictureSide(deferredRecord, settledModules(deferredRecord));
    deferPixmap(QSize(side, side));
}

void diagramQRCodeItem::makeDeferredPixmap()
{
    qrPixmap = sharedPictures::picture(pictureKey(deferredRecord),
                                       [this] { return createQRPixmap(deferredRecord); });
    setPixmap(qrPixmap);
}

void diagramQRCodeItem::dropDeferredPixmap()
{
    qrPixmap = QPixmap();
}
