#pragma once
// The two ways a symbol becomes visible. Both draw the same thing: opaque black and white modules, and
// black text only where no module lies.
#include "barcodesymbol.h"

#include <QPixmap>
#include <QPointF>
#include <QRectF>
#include <QVector>

class QPainter;

// The item's picture: a transparent ARGB picture of the symbol's size; null when the size was refused.
QPixmap renderBarcodePixmap(const barcodeSymbol &symbol);
// The same picture as an image (premultiplied ARGB), for a caller that only encodes it.
QImage renderBarcodeImage(const barcodeSymbol &symbol);

// Rows top to top + rows - 1 of the picture's image, drawn without the rest of the picture (a scan
// of a symbol whose picture is tens of megabytes).
QImage renderBarcodeRows(const barcodeSymbol &symbol, int top, int rows);

// The symbol as rectangles and text on any painter (vector export, the canvas at any zoom), with the
// picture's top-left corner at origin.
void paintBarcode(QPainter &painter, const barcodeSymbol &symbol, const QPointF &origin = QPointF());

// Rectangles that do not overlap filled with colour: as one path where the painter keeps shapes (a vector
// file), as one call filling whole pixels where they land on whole pixels of an image (several times
// faster there than the path, with the same pixels).
void fillRects(QPainter &painter, const QVector<QRectF> &rects, const QColor &colour);
