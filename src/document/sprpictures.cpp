#include "sprpictures.h"

#include "barcodeerror.h"
#include "diagrambaritem.h"
#include "diagramimageitem.h"
#include "diagramqrcodeitem.h"

#include <QBitmap>
#include <QDir>
#include <QFileInfo>
#include <memory>
#include <qrencode.h>

namespace
{

qint64 pictureBytes(const QPixmap &picture)
{
    return qint64(picture.width()) * picture.height() * qMax(1, picture.depth()) / 8;
}

// An upper bound of the barcode picture: no symbology takes more than 16 modules per character, and
// guards, quiet zones and text take less than twelve characters' worth.
qint64 barcodeBytesBound(const diagramBarItem &item)
{
    const qint64 modules = (qint64(item.content.size()) + 12) * 16;
    const qint64 height = qint64(qMax(0, item.lineHeight)) * 6 / 5 + 1;
    return modules * qMax(0, item.lineWidth) * height * 4;
}

struct qrcodeDeleter {
    void operator()(QRcode *code) const { QRcode_free(code); }
};

// Modules per side of the symbol the item's record gives, 0 when there is none.
int qrModules(const diagramQRCodeItem &item)
{
    static const QRecLevel levels[] = {QR_ECLEVEL_L, QR_ECLEVEL_M, QR_ECLEVEL_Q, QR_ECLEVEL_H};
    const QRecLevel level = item.level >= 0 && item.level < 4 ? levels[item.level] : QR_ECLEVEL_Q;
    const QByteArray text = item.content.toUtf8();
    const std::unique_ptr<QRcode, qrcodeDeleter> code(
        QRcode_encodeString(text.constData(), item.version, level, QR_MODE_8, 1));
    if (!code)
        return 0;
    return code->width > 0 ? code->width : 1;
}

// Every pixel that is exactly black becomes white and every other pixel black.
QImage invertedAgainstBlack(const QImage &picture)
{
    QImage mask = picture.convertToFormat(QImage::Format_ARGB32)
                      .createMaskFromColor(QColor(Qt::black).rgba(), Qt::MaskOutColor);
    mask.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    return mask;
}

QString fileNameOf(const QString &path)
{
    const int slash = qMax(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
    return path.mid(slash + 1);
}

} // namespace

bool pictureMaker::affordable(qint64 bytes) const
{
    return bytes >= 0 && bytes <= limits.maxPictureBytes && spent + bytes <= limits.pictureBudgetBytes;
}

void pictureMaker::charge(const QPixmap &picture)
{
    spent += pictureBytes(picture);
}

bool pictureMaker::makeBarcode(diagramBarItem &item, QString *refusal)
{
    if (!affordable(barcodeBytesBound(item))) {
        item.barPixmap = QPixmap();
        item.setPixmap(item.barPixmap);
        return false;
    }
    barcodeErrorHandler previous;
    QList<quint8> codes;
    if (refusal)
        previous = setBarcodeErrorHandler([&codes](quint8 code) { codes.append(code); });
    item.regenerate();
    if (refusal) {
        setBarcodeErrorHandler(previous);
        for (quint8 code : codes)
            *refusal += QStringLiteral("%1(code %2: %3)")
                            .arg(refusal->isEmpty() ? QString() : QStringLiteral(", "))
                            .arg(code)
                            .arg(barcodeErrorMessage(code));
    }
    charge(item.barPixmap);
    return true;
}

pictureMaker::qrOutcome pictureMaker::makeQRCode(diagramQRCodeItem &item)
{
    const int modules = qrModules(item);
    if (modules == 0) {
        item.qrPixmap = QPixmap();
        item.setPixmap(item.qrPixmap);
        return noSymbol;
    }
    const qint64 scale = qMax(0, item.scale);
    const qint64 side = (modules + (item.converse ? 2 : 0)) * scale;
    if (!affordable(side * side * 4)) {
        item.qrPixmap = QPixmap();
        item.setPixmap(item.qrPixmap);
        return tooLarge;
    }
    item.regenerate();
    charge(item.qrPixmap);
    return made;
}

QPixmap pictureMaker::sourcePicture(const QString &path, bool converse)
{
    const QString key = (converse ? QStringLiteral("1") : QStringLiteral("0")) + path;
    const auto known = loadedSources.constFind(key);
    if (known != loadedSources.constEnd())
        return *known;
    QImage picture = diagramImageItem::readPictureFile(path);
    if (picture.isNull() || !affordable(qint64(picture.width()) * picture.height() * 4))
        return QPixmap();
    if (converse)
        picture = invertedAgainstBlack(picture);
    const QPixmap source = QBitmap::fromImage(picture, Qt::MonoOnly);
    charge(source);
    loadedSources.insert(key, source);
    return source;
}

bool pictureMaker::makeImage(diagramImageItem &item, const QString &documentDir, int width, int height)
{
    // Saved paths always point at the printer's folder: look for the name beside the document too.
    QStringList candidates{item.pixPath};
    if (!documentDir.isEmpty() && !fileNameOf(item.pixPath).isEmpty()) {
        const QDir dir(documentDir);
        candidates << dir.filePath(fileNameOf(item.pixPath))
                   << dir.filePath(QStringLiteral("bmp/") + fileNameOf(item.pixPath));
    }
    QPixmap source;
    for (const QString &candidate : candidates) {
        if (!candidate.isEmpty() && QFileInfo(candidate).isFile())
            source = sourcePicture(candidate, item.isColorConverse);
        if (!source.isNull())
            break;
    }
    const bool found = !source.isNull();
    item.sourcePixmap = found ? source : diagramImageItem::loadImagePixmap(QString());
    if (affordable(qint64(width) * height / 8 + 1))
        item.showSourceScaled(width, height);
    else
        item.setPixmap(QPixmap());
    charge(item.pixmap());
    return found;
}
