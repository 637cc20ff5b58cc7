#include "sprpictures.h"

#include "diagrambaritem.h"
#include "diagramimageitem.h"
#include "diagramqrcodeitem.h"
#include "sprsections.h"

#include <QBitmap>
#include <QDir>
#include <QFileInfo>

namespace
{

// An upper bound of the barcode picture: no symbology takes more than 16 modules per character, and
// guards, quiet zones and text take less than twelve characters' worth.
// In floating point, as the factors of a hostile file overflow any integer.
double barcodeBytesBound(const diagramBarItem &item)
{
    const double modules = (double(item.content.size()) + 12) * 16;
    const double height = qMax(0, item.lineHeight) * 1.2 + 1;
    return modules * qMax(0, item.lineWidth) * height * 4;
}

// Every pixel that is exactly black becomes white and every other pixel black.
QImage invertedAgainstBlack(const QImage &picture)
{
    QImage mask = picture.convertToFormat(QImage::Format_ARGB32)
                      .createMaskFromColor(QColor(Qt::black).rgba(), Qt::MaskOutColor);
    mask.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    return mask;
}

} // namespace

QStringList pictureCandidates(const QString &pixPath, const QString &documentDir)
{
    QStringList candidates{pixPath};
    if (!documentDir.isEmpty() && !pictureFileName(pixPath).isEmpty()) {
        const QDir dir(documentDir);
        candidates << dir.filePath(pictureFileName(pixPath))
                   << dir.filePath(QStringLiteral("bmp/") + pictureFileName(pixPath));
    }
    return candidates;
}

QString locatePicture(const QString &pixPath, const QString &documentDir)
{
    for (const QString &candidate : pictureCandidates(pixPath, documentDir))
        if (!candidate.isEmpty() && QFileInfo(candidate).isFile())
            return candidate;
    return QString();
}

bool pictureMaker::affordable(double bytes) const
{
    return bytes >= 0 && bytes <= double(limits.maxPictureBytes);
}

bool pictureMaker::makeBarcode(diagramBarItem &item, std::optional<quint8> &refusal)
{
    if (!affordable(barcodeBytesBound(item))) {
        item.barPixmap = QPixmap();
        item.setPixmap(item.barPixmap);
        return false;
    }
    refusal = item.regenerateLater();
    return true;
}

pictureMaker::qrOutcome pictureMaker::makeQRCode(diagramQRCodeItem &item)
{
    const double scale = qMax(0, item.scale);
    // The largest symbol has 177 modules a side; only when even that could be too large is the content
    // encoded once more to learn the symbol's true size.
    const double largestSide = (177 + 2) * scale;
    if (!affordable(largestSide * largestSide * 4)) {
        const int modules = diagramQRCodeItem::symbolModules(item.record());
        const double side = (modules + (item.converse ? 2 : 0)) * scale;
        if (modules == 0 || !affordable(side * side * 4)) {
            item.qrPixmap = QPixmap();
            item.setPixmap(item.qrPixmap);
            return modules == 0 ? noSymbol : tooLarge;
        }
    }
    item.regenerateLater();
    return item.pictureSize().isEmpty() && scale > 0 ? noSymbol : made;
}

QPixmap pictureMaker::sourcePicture(const QString &path, bool converse)
{
    // By the file itself: "a/./logo.bmp", "a//logo.bmp" and a link to it are decoded once.
    const QString canonical = QFileInfo(path).canonicalFilePath();
    const QString key =
        (converse ? QStringLiteral("1") : QStringLiteral("0")) + (canonical.isEmpty() ? path : canonical);
    const auto known = loadedSources.constFind(key);
    if (known != loadedSources.constEnd())
        return *known;
    // A file that cannot be used is remembered too, so that it is not decoded again for every item.
    QPixmap source;
    const QImage picture = diagramImageItem::readPictureFile(path);
    if (!picture.isNull() && affordable(double(picture.width()) * picture.height() * 4))
        source = QBitmap::fromImage(converse ? invertedAgainstBlack(picture) : picture, Qt::MonoOnly);
    loadedSources.insert(key, source);
    return source;
}

bool pictureMaker::makeImage(diagramImageItem &item, const QString &documentDir, int width, int height)
{
    QPixmap source;
    for (const QString &candidate : pictureCandidates(item.pixPath, documentDir)) {
        if (!candidate.isEmpty() && QFileInfo(candidate).isFile())
            source = sourcePicture(candidate, item.isColorConverse);
        if (!source.isNull())
            break;
    }
    const bool found = !source.isNull();
    item.sourcePixmap = found ? source : diagramImageItem::loadImagePixmap(QString());
    // Found nowhere (a file there that is no picture is another matter): name it in the view.
    if (locatePicture(item.pixPath, documentDir).isEmpty())
        item.missingFile = item.pixPath;
    if (affordable(double(width) * height / 8 + 1))
        item.showSourceScaledLater(width, height);
    else
        item.setPixmap(QPixmap());
    return found;
}
