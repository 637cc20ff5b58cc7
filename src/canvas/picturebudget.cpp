#include "picturebudget.h"

#include "deferredpixmapitem.h"
#include "sharedpictures.h"

#include <QGraphicsScene>
#include <QGraphicsView>
#include <QHash>
#include <QTimer>
#include <QVector>
#include <list>

namespace pictureBudget
{
namespace
{
struct entry {
    deferredPixmapItem *item;
    qint64 bytes;
};

struct store {
    std::list<entry> order; // least recently painted first
    QHash<const deferredPixmapItem *, std::list<entry>::iterator> where;
    qint64 bytes = 0;
    // About two views' worth of pictures of a dense design at the window's zoom.
    qint64 limit = 64ll << 20;
    bool trimQueued = false;
};

store &theStore()
{
    static store s;
    return s;
}

qint64 bytesOf(const deferredPixmapItem &item)
{
    const QSize size = item.pictureSize();
    return qint64(size.width()) * size.height() * qMax(1, item.pictureDepth()) / 8;
}

// The parts of each scene its shown views cover, with half a view more on every side.
class neighbourhoods
{
public:
    bool contains(const QGraphicsItem &item)
    {
        QGraphicsScene *scene = item.scene();
        if (!scene)
            return false;
        auto known = areas.constFind(scene);
        if (known == areas.constEnd())
            known = areas.insert(scene, areasOf(*scene));
        const QRectF box = item.sceneBoundingRect();
        for (const QRectF &area : *known) {
            if (area.intersects(box))
                return true;
        }
        return false;
    }

private:
    static QVector<QRectF> areasOf(const QGraphicsScene &scene)
    {
        QVector<QRectF> out;
        for (const QGraphicsView *view : scene.views()) {
            if (!view->isVisible())
                continue;
            const QRectF shown = view->mapToScene(view->viewport()->rect()).boundingRect();
            out.append(shown.adjusted(-shown.width() / 2, -shown.height() / 2, shown.width() / 2,
                                      shown.height() / 2));
        }
        return out;
    }

    QHash<const QGraphicsScene *, QVector<QRectF>> areas;
};
} // namespace

void painted(deferredPixmapItem *item)
{
    store &s = theStore();
    const auto known = s.where.constFind(item);
    if (known != s.where.constEnd()) {
        s.order.splice(s.order.end(), s.order, *known);
        return;
    }
    const qint64 bytes = bytesOf(*item);
    s.where.insert(item, s.order.insert(s.order.end(), {item, bytes}));
    s.bytes += bytes;
    if (s.bytes > s.limit && !s.trimQueued) {
        s.trimQueued = true;
        QTimer::singleShot(0, [] { trim(); });
    }
}

void forget(const deferredPixmapItem *item)
{
    store &s = theStore();
    const auto known = s.where.find(item);
    if (known == s.where.end())
        return;
    s.bytes -= (*known)->bytes;
    s.order.erase(*known);
    s.where.erase(known);
}

qint64 heldBytes()
{
    return theStore().bytes;
}

qint64 limit()
{
    return theStore().limit;
}

void setLimit(qint64 bytes)
{
    theStore().limit = bytes;
}

void trim()
{
    store &s = theStore();
    s.trimQueued = false;
    neighbourhoods near;
    bool released = false;
    for (auto it = s.order.begin(); it != s.order.end() && s.bytes > s.limit;) {
        deferredPixmapItem *item = it->item;
        ++it;
        // Releasing calls forget(), which takes the entry out of the list.
        if (!near.contains(*item))
            released = item->releasePicture() || released;
    }
    // The released pictures may still be held by the store of shared pictures.
    if (released)
        sharedPictures::dropUnheld();
}

} // namespace pictureBudget
