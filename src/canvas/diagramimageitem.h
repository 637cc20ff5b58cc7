#pragma once
#include "deferredpixmapitem.h"
#include "itemtypes.h"

#include <QImage>
#include <QPixmap>

class diagramImageItem : public deferredPixmapItem
{
public:
    explicit diagramImageItem(QGraphicsItem *parent = nullptr);

    int type() const override { return imageItemType; }
    // Without a picture the item is the frame of emptypicture.h in the view.
    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;
    QString emptyReason() const; // why the picture is empty, for the frame and the panel

    // The "NO IMG" placeholder for an empty path, otherwise the file as a one-bit picture (empty when
    // the file cannot be read or is too large to load safely).
    static QPixmap loadImagePixmap(const QString &path);
    // The file in full colour; null when it cannot be read or holds more than 100 million pixels. The
    // size is read from the header before anything is decoded.
    static QImage readPictureFile(const QString &path);

    // Item-side steps of the window's image commands.
    void showPlaceholder();                   // a new item: placeholder at 240 x 240
    void setPictureFile(const QString &path); // a chosen file, shown at its natural size
    void setShownWidth(int width);            // from sourcePixmap, keeping the shown height
    void setShownHeight(int height);          // from sourcePixmap, keeping the shown width
    void invertColors();                      // swap black and white of the shown picture
    // sourcePixmap shown at exactly that size; empty for a size of no pixels or above 100 million.
    void showSourceScaled(int width, int height);
    // The same, drawn only when first painted or asked for.
    void showSourceScaledLater(int width, int height);

    QString pixPath;
    bool isColorConverse = false;
    // The file pixPath names, when it was found nowhere on opening: the item keeps its size and shows the
    // dashed frame naming it in the view, and prints nothing.
    QString missingFile;
    QPixmap sourcePixmap;

private:
    void makeDeferredPixmap() override;
    void dropDeferredPixmap() override;
    QPixmap deferredSource; // the source the deferred picture is scaled from
};
