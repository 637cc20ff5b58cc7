#pragma once
// Items whose picture came out empty (content the symbology refuses, a QR code of no pixels, a file
// that is no picture) would be invisible and out of reach. In the view they are drawn as a dashed frame
// with the reason, and that frame is what is clicked, rubber-band selected and moved. This is display
// only: the fields and the bytes saved stay as they are, and printing draws nothing for them.
#include <QPainterPath>
#include <QRectF>
#include <QString>

class QGraphicsItem;
class QGraphicsPixmapItem;
class QPainter;
class QWidget;

namespace emptyPicture
{

// Whether item is a picture item that has no picture at all, or a text item with no text (and so shows
// the frame in the view). A barcode whose content is refused keeps a blank picture of the symbol's size;
// it shows the frame over that picture.
bool isEmpty(const QGraphicsItem &item);

// The frame in item coordinates, and its outline for hit tests.
QRectF frame();
QPainterPath frameShape();

// Painting for the screen or for print: the view hands every paint call its viewport, a scene rendered
// into a picture (sprtool render, printing) hands none. Only the view shows the frame.
inline bool paintsView(const QWidget *widget)
{
    return widget != nullptr;
}

// Paints the frame (box, in item coordinates) with reason when painting for the view; nothing
// otherwise.
void paint(QPainter *painter, const QWidget *widget, const QString &reason, const QRectF &box = frame());
// The outline of box, for an item whose picture is there but blank and so gives no hit-test shape.
QPainterPath boxShape(const QRectF &box);

// What the item takes up on the printed strip: its scene bounding rectangle, or, for an item without a
// picture, the empty rectangle at its position, as it always was. SceneWidth and the insertion point of
// new items are computed from this, so the frame never changes what is saved.
QRectF printedSceneRect(const QGraphicsItem &item);

// Short reasons, translated.
QString noPictureReason();         // "无图像"
QString unreadablePictureReason(); // "图片无法读取"
QString noSymbolReason();          // QR content the symbol cannot hold
QString emptyTextReason();         // "空文本"

} // namespace emptyPicture
