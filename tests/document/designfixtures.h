#pragma once
// Items made the way the window makes them, and small helpers for .spr text in tests.
#include "diagrambaritem.h"
#include "diagramcnt2item.h"
#include "diagramcntitem.h"
#include "diagramimageitem.h"
#include "diagramqrcodeitem.h"
#include "diagramtextitem.h"
#include "diagramtimeitem.h"
#include "sprdocument.h"

#include <QGraphicsScene>
#include <QStringList>

inline diagramTextItem *addText(QGraphicsScene &scene, const QString &content, QPointF pos = {})
{
    auto *item = new diagramTextItem;
    item->content = content;
    item->setFont(item->itemFont);
    item->setPlainText(content);
    item->setPos(pos);
    scene.addItem(item);
    return item;
}

inline diagramCntItem *addCounter(QGraphicsScene &scene, QPointF pos = {})
{
    auto *item = new diagramCntItem;
    item->setFont(item->itemFont);
    item->setPlainText(item->counterText(item->value));
    item->setPos(pos);
    scene.addItem(item);
    return item;
}

inline diagramCnt2Item *addCounter2(QGraphicsScene &scene, QPointF pos = {})
{
    auto *item = new diagramCnt2Item;
    item->setFont(item->itemFont);
    item->setPlainText(item->counterText(item->value));
    item->setPos(pos);
    scene.addItem(item);
    return item;
}

inline diagramTimeItem *addTime(QGraphicsScene &scene, QPointF pos = {})
{
    auto *item = new diagramTimeItem;
    item->setFont(item->itemFont);
    item->setPlainText(item->timeText(item->dateTime, item->valid));
    item->setPos(pos);
    scene.addItem(item);
    return item;
}

inline diagramBarItem *addBarcode(QGraphicsScene &scene, QPointF pos = {})
{
    auto *item = new diagramBarItem;
    item->regenerate();
    item->setPos(pos);
    scene.addItem(item);
    return item;
}

inline diagramQRCodeItem *addQRCode(QGraphicsScene &scene, QPointF pos = {})
{
    auto *item = new diagramQRCodeItem;
    item->regenerate();
    item->setPos(pos);
    scene.addItem(item);
    return item;
}

inline diagramImageItem *addImage(QGraphicsScene &scene, const QString &file = {}, QPointF pos = {})
{
    auto *item = new diagramImageItem;
    if (file.isEmpty())
        item->showPlaceholder();
    else
        item->setPictureFile(file);
    item->setPos(pos);
    scene.addItem(item);
    return item;
}

// The lines of a file (CR LF taken off); a final line end gives no extra line.
inline QStringList linesOf(const QByteArray &bytes)
{
    QStringList lines = QString::fromUtf8(bytes).split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

inline QByteArray fileOf(const QStringList &lines)
{
    return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

// Replaces the value of the first line holding key (from index from on); returns its index.
inline int setKey(QStringList &lines, const QString &key, const QString &value, int from = 0)
{
    for (int i = from; i < lines.size(); ++i)
        if (lines[i].startsWith(key + QStringLiteral(" ="))) {
            lines[i] = key + QStringLiteral(" =") + value;
            return i;
        }
    return -1;
}

inline QList<QGraphicsItem *> itemsInFileOrder(const QGraphicsScene &scene)
{
    return scene.items(Qt::DescendingOrder);
}

// A design read from .spr text into a fresh scene, as sprtool and the window read it.
struct readDesign {
    explicit readDesign(const QByteArray &bytes, const sprReadOptions &options = {})
    {
        setUpDesignScene(scene);
        result = readSprData(bytes, scene, options);
    }
    QGraphicsScene scene;
    sprReadResult result;
};
