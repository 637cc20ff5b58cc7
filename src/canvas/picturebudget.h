#pragma once
// The pictures a view made its deferred items draw are most of a large design's memory: scrolling along
// the strip would end up holding every one of them. Those painted for a view are kept here in the order
// they were last painted; once they hold more than the limit, the least recently painted ones outside
// the neighbourhood of their views (half a view beside it on every side) are released, to be made again
// when they are next painted. What is kept decides only how often a picture is made, never how it looks.
#include <QtGlobal>

class deferredPixmapItem;

namespace pictureBudget
{

// The item's picture, made from deferral, was painted for a view: it is the most recently used one.
void painted(deferredPixmapItem *item);
// The item no longer holds a picture it can make again (released, replaced or destroyed).
void forget(const deferredPixmapItem *item);

// Bytes of the pictures held for views, and the most they may hold before far ones are released.
qint64 heldBytes();
qint64 limit();
void setLimit(qint64 bytes);

// Releases the least recently painted pictures away from their views until the held bytes are within
// the limit. Runs by itself once the paint that went over the limit is done.
void trim();

} // namespace pictureBudget
