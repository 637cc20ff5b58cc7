#pragma once
// The pictures of the items a reading builds. Each is drawn only when first painted or asked for, so a
// reading costs the same whatever the design's size; only a single picture larger than the reader's
// limit for one picture is refused (shown empty).
#include "sprdocument.h"

#include <QHash>
#include <QPixmap>
#include <optional>

class diagramBarItem;
class diagramImageItem;
class diagramQRCodeItem;

// The files a picture path may name: the path itself, then its name beside the document and in the
// document's "bmp" folder (saved paths point at the printer's folder).
QStringList pictureCandidates(const QString &pixPath, const QString &documentDir);
// The first of them that is a file; empty when none is.
QString locatePicture(const QString &pixPath, const QString &documentDir);

class pictureMaker
{
public:
    enum qrOutcome { made, noSymbol, tooLarge };

    explicit pictureMaker(const sprReadLimits &limits) : limits(limits) {}

    // Regenerates the barcode; false when it would be too large to draw (it is then shown empty).
    // refusal receives the symbology's refusal code, if any.
    bool makeBarcode(diagramBarItem &item, std::optional<quint8> &refusal);
    qrOutcome makeQRCode(diagramQRCodeItem &item);
    // Loads the picture named by pixPath (or found by its name beside the document) as the source picture
    // and shows it at width x height; false when no file could be loaded: the "NO IMG" placeholder is
    // shown at that size instead and pixPath is kept.
    bool makeImage(diagramImageItem &item, const QString &documentDir, int width, int height);

private:
    bool affordable(double bytes) const;
    QPixmap sourcePicture(const QString &path, bool converse);

    const sprReadLimits &limits;
    QHash<QString, QPixmap> loadedSources; // by path and inversion, so a logo used often loads once
};
