#pragma once
// The pictures of the items a reading builds, within the reading's memory limits.
#include "sprdocument.h"

#include <QHash>
#include <QPixmap>
#include <optional>

class diagramBarItem;
class diagramImageItem;
class diagramQRCodeItem;

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
    void charge(const QPixmap &picture);
    QPixmap sourcePicture(const QString &path, bool converse);

    const sprReadLimits &limits;
    qint64 spent = 0;
    QHash<QString, QPixmap> loadedSources; // by path and inversion, so a logo used often loads once
};
