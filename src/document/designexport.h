#pragma once
// The design as a picture for people: PNG at printer pixels (grey, or one bit, where the page allows), PDF
// and SVG as vectors (a barcode's light and dark modules and a QR code's modules one path each, drawn
// from the symbol; texts as text, pictures embedded), written as they are painted. The page is the
// design's extent, SceneWidth × 300 printer dots.
#include <QByteArray>
#include <QList>
#include <QRectF>
#include <QString>
#include <functional>
#include <optional>

#include "printpreview.h"

class QGraphicsItem;
class QGraphicsScene;
class QIODevice;
class QPainter;

enum class exportFormat { png, pdf, svg };

// The format a file name asks for by its extension (.png, .pdf, .svg, any case); none for others.
std::optional<exportFormat> exportFormatForPath(const QString &path);

struct exportOptions {
    exportFormat format = exportFormat::png;
    // Printer dots per inch of the page. PDF and SVG: 72 puts one unit on one dot. PNG: stored in the
    // file only; it keeps one pixel per dot.
    double dpi = 72;
    // PNG only: pixels per dot.
    double scale = 1;
    // The printer's values: QR placeholders are encoded filled in. Time and counter items, and the page,
    // follow what the scene shows, so export a scene under scenePreview with the same values.
    std::optional<previewValues> preview;
    // PDF only: the number of pages, and what makes the scene show page n (from 0) before it is painted.
    int pages = 1;
    std::function<void(int page)> showPage;
};

// The page of a scene: 0, 0, right edge of its items (at least 1) × 300.
QRectF exportPageRect(const QGraphicsScene &scene);

// Paints every item as the printer prints it, unselected, lowest first; with vectors, barcodes and QR
// codes are painted from their symbols instead of their pictures. A non-null area (scene units) paints
// only the items that reach into it.
void paintDesign(QPainter &painter, const QGraphicsScene &scene, bool vectors,
                 const std::optional<previewValues> &preview = std::nullopt, const QRectF &area = QRectF());

// Paints the given items as paintDesign paints them with vectors, in the order given.
void paintDesignItems(QPainter &painter, const QList<QGraphicsItem *> &items,
                      const std::optional<previewValues> &preview = std::nullopt);

// Writes the file's content to device as it is painted, so a large vector page is never held whole;
// false, with errorText saying why, when the page cannot be made. Failed writes are the device's to
// report.
bool writeDesignPage(QIODevice &device, const QGraphicsScene &scene, const exportOptions &options,
                     QString *errorText = nullptr);
// The file's bytes; empty, with errorText saying why, when the page cannot be made.
QByteArray exportDesignBytes(const QGraphicsScene &scene, const exportOptions &options,
                             QString *errorText = nullptr);
// Writes the export through writeFileSafely, streamed into its temporary file. writeFailed tells a
// failed write (errorText is then the system's reason) from a page that could not be made.
bool exportDesignFile(const QString &path, const QGraphicsScene &scene, const exportOptions &options,
                      QString *errorText = nullptr, bool *writeFailed = nullptr);
