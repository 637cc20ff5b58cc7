#include "emptypicture.h"

#include "deferredpixmapitem.h"
#include "diagramtextitem.h"
#include <QCoreApplication>

#include <QPainter>

namespace emptyPicture
{

bool isEmpty(const QGraphicsItem &item)
{
    if (item.type() == textItemType)
        return static_cast<const diagramTextItem &>(item).toPlainText().isEmpty();
    const auto *picture = dynamic_cast<const deferredPixmapItem *>(&item);
    return picture && picture->pictureSize().isEmpty();
}

// Large enough to read the reason at the view's 58 %, small enough to stay inside the 300-pixel strip.
QRectF frame()
{
    return QRectF(0, 0, 240, 120);
}

QPainterPath boxShape(const QRectF &box)
{
    QPainterPath path;
    path.addRect(box);
    return path;
}

QPainterPath frameShape()
{
    return boxShape(frame());
}

void paint(QPainter *painter, const QWidget *widget, const QString &reason, const QRectF &frameBox)
{
    if (!paintsView(widget))
        return;
    painter->save();
    QPen pen(QColor(200, 60, 40), 2, Qt::DashLine);
    pen.setCosmetic(true);
    painter->setPen(pen);
    painter->setBrush(QColor(255, 240, 235));
    const QRectF box = frameBox.adjusted(1, 1, -1, -1);
    painter->drawRect(box);
    QFont font = painter->font();
    font.setPixelSize(22);
    painter->setFont(font);
    painter->setPen(QColor(120, 30, 20));
    painter->drawText(box.adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap, reason);
    painter->restore();
}

QRectF printedSceneRect(const QGraphicsItem &item)
{
    if (isEmpty(item))
        return QRectF(item.scenePos(), QSizeF(0, 0));
    return item.sceneBoundingRect();
}

QString emptyTextReason()
{
    return QCoreApplication::translate("emptyPicture", "空文本");
}

QString noPictureReason()
{
    return QCoreApplication::translate("emptyPicture", "无图像");
}

QString unreadablePictureReason()
{
    return QCoreApplication::translate("emptyPicture", "图片无法读取");
}

QString noSymbolReason()
{
    return QCoreApplication::translate("emptyPicture", "内容无法生成二维码");
}

} // namespace emptyPicture
