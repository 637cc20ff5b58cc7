#include "diagramimageitem.h"

#include "emptypicture.h"
#include "sharedpictures.h"

#include <QBitmap>
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPainter>

namespace
{

// Larger pictures are refused, so that a broken or hostile file cannot exhaust memory.
constexpr qint64 maxPicturePixels = 100'000'000;
// Files stating more pixels are not decoded: 128 MiB as 32-bit pixels, more than a camera's photo and
// far more than the 20000 x 400 pixels an image item shows at most.
constexpr qint64 maxDecodedPixels = 32ll * 1024 * 1024;
constexpr int placeholderSide = 240;

bool acceptableSize(const QSize &size)
{
    return size.isValid() && !size.isEmpty() && qint64(size.width()) * size.height() <= maxPicturePixels;
}

// The size the file states. A GIF's decoder takes the whole logical screen of its header although the
// reader reports the first frame's size, so a GIF of a few bytes can state 65535 x 65535 pixels.
QSize statedSize(QImageReader &reader, const QString &path)
{
    QSize size = reader.size();
    if (reader.format() != "gif")
        return size;
    QFile file(path);
    const QByteArray header = file.open(QIODevice::ReadOnly) ? file.read(10) : QByteArray();
    if (header.size() < 10)
        return QSize();
    const auto word = [&header](int at) { return int(uchar(header[at])) | int(uchar(header[at + 1])) << 8; };
    return size.expandedTo(QSize(word(6), word(8)));
}

QPixmap placeholderPixmap()
{
    QImage image(placeholderSide, placeholderSide, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QFont font;
    font.setFamily(QStringLiteral("Arial"));
    font.setPointSize(35);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(image.rect(), Qt::AlignCenter, QStringLiteral("NO IMG"));
    painter.end();
    return QPixmap::fromImage(std::move(image));
}

QPixmap scaledExactly(const QPixmap &source, const QSize &size)
{
    if (source.isNull() || !acceptableSize(size))
        return QPixmap();
    return source.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

} // namespace

diagramImageItem::diagramImageItem(QGraphicsItem *parent) : deferredPixmapItem(parent)
{
    setFlags(ItemIsSelectable | ItemIsMovable);
}

QRectF diagramImageItem::boundingRect() const
{
    return pictureSize().isEmpty() ? emptyPicture::frame() : deferredPixmapItem::boundingRect();
}

QPainterPath diagramImageItem::shape() const
{
    return pictureSize().isEmpty() ? emptyPicture::frameShape() : deferredPixmapItem::shape();
}

void diagramImageItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget)
{
    if (pictureSize().isEmpty())
        return emptyPicture::paint(painter, widget, emptyReason());
    if (!missingFile.isEmpty())
        return emptyPicture::paint(painter, widget, emptyReason(), QRectF(QPointF(), pictureSize()));
    deferredPixmapItem::paint(painter, option, widget);
}

QString diagramImageItem::emptyReason() const
{
    if (!missingFile.isEmpty())
        return QCoreApplication::translate("emptyPicture", "找不到图片 %1").arg(missingFile);
    return sourcePixmap.isNull() ? emptyPicture::unreadablePictureReason() : emptyPicture::noPictureReason();
}

QImage diagramImageItem::readPictureFile(const QString &path)
{
    // One reader for the size check and the decoding, so the file checked is the file decoded. The size
    // is the one the file states, checked before a single pixel is decoded: a small file (a PNG of one
    // colour, a GIF of a few bytes) may state a picture of hundreds of megabytes.
    QImageReader reader(path);
    const QSize size = statedSize(reader, path);
    if (!size.isValid() || size.isEmpty() || qint64(size.width()) * size.height() > maxDecodedPixels)
        return QImage();
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    // Formats whose stated size is not the whole story are held by the decoder's own limit.
    reader.setAllocationLimit(int(maxDecodedPixels * 4 >> 20));
#endif
    return reader.read();
}

QPixmap diagramImageItem::loadImagePixmap(const QString &path)
{
    if (path.isEmpty())
        return placeholderPixmap();
    const QImage image = readPictureFile(path);
    if (image.isNull())
        return QPixmap();
    // The toolkit's default conversion to black and white, as a bitmap built from the file would get.
    return QBitmap::fromImage(image, Qt::MonoOnly);
}

void diagramImageItem::showPlaceholder()
{
    sourcePixmap = loadImagePixmap(pixPath);
    setPixmap(scaledExactly(sourcePixmap, QSize(placeholderSide, placeholderSide)));
}

void diagramImageItem::setPictureFile(const QString &path)
{
    sourcePixmap = path.isEmpty() ? QPixmap() : loadImagePixmap(path);
    pixPath = path;
    missingFile.clear();
    setPixmap(sourcePixmap);
}

void diagramImageItem::showSourceScaled(int width, int height)
{
    setPixmap(scaledExactly(sourcePixmap, QSize(width, height)));
}

void diagramImageItem::showSourceScaledLater(int width, int height)
{
    const QSize size(width, height);
    if (sourcePixmap.isNull() || !acceptableSize(size)) {
        setPixmap(QPixmap());
        return;
    }
    deferredSource = sourcePixmap;
    deferPixmap(size);
}

void diagramImageItem::makeDeferredPixmap()
{
    const QSize size = pictureSize();
    const QString key =
        QStringLiteral("image %1 %2 %3").arg(deferredSource.cacheKey()).arg(size.width()).arg(size.height());
    setPixmap(sharedPictures::picture(key, [&] { return scaledExactly(deferredSource, size); }));
    deferredSource = QPixmap();
}

// Released only while the shown picture is the one made from deferral: every change of the source shows
// a new picture, so the source is still the one the picture was made from.
void diagramImageItem::dropDeferredPixmap()
{
    deferredSource = sourcePixmap;
}

void diagramImageItem::setShownWidth(int width)
{
    showSourceScaled(width, pictureSize().height());
}

void diagramImageItem::setShownHeight(int height)
{
    showSourceScaled(pictureSize().width(), height);
}

void diagramImageItem::invertColors()
{
    isColorConverse = true;
    const QPixmap shown = pixmap();
    // Black pixels become clear bits and everything else set bits, so black and white swap.
    const QBitmap mask = shown.createMaskFromColor(Qt::black, Qt::MaskInColor);
    sourcePixmap = scaledExactly(mask, QSize(placeholderSide, placeholderSide));
    setPixmap(scaledExactly(sourcePixmap, shown.size()));
}
