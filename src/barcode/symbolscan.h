#pragma once
// The one door to the scanner library: a picture goes in as it will be printed, the text a scanner
// would read comes out. Nothing else in the project includes the library's headers.
#include <QImage>
#include <QString>

// The symbology the scanner looks for: a barcode item's mode (its row in the symbology table,
// scanSymbologyForMode) or the QR code.
enum class scanSymbology : int { qrCode = -1 };

// Pixels per module a QR code is resampled to before it is read: a picture drawn at this module size
// reads exactly as one drawn larger.
constexpr int scanQrModulePixels = 3;

enum class scanFailure { none, noPicture, notFound, damaged, checksum };

struct scanResult {
    bool found = false;
    QString text;
    scanFailure failure = scanFailure::notFound;
};

// Reads the picture flattened onto white with a quiet zone of quietZone pixels around it (linear symbols:
// left and right), looking only
// for the given symbology. Transparent pixels count as paper. An inverted picture (light on dark) is
// turned back before reading; moduleSize (pixels) lets very small modules be enlarged first.
scanResult scanPicture(const QImage &picture, scanSymbology symbology, int quietZone, int moduleSize,
                       bool inverted = false);
