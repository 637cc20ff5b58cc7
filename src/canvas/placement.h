#pragma once
// Where an item's position may lie: the X boxes reach the strip's last pixel; the Y boxes reach the
// place where the item's lowest row lies on the strip's last row. Dragging, nudging and pasting keep
// items inside, so every design the window writes passes the checker.
#include "printstrip.h"

#include <QGraphicsItem>
#include <QPointF>
#include <algorithm>
#include <cmath>

constexpr int placementMaxX = stripLastX;
// The largest Y of any item: one of a single row on the strip's last row.
constexpr int placementYLimit = stripHeight - 1;

// The largest Y at which the item, as it is drawn now (turned too), ends on the strip's last row; 0 for
// an item taller than the strip.
inline int placementMaxY(const QGraphicsItem &item)
{
    const qreal below = item.sceneBoundingRect().bottom() - item.y();
    return int(std::clamp<qreal>(std::floor(stripHeight - below), 0, placementYLimit));
}

inline QPointF clampedPlacement(const QGraphicsItem &item, const QPointF &pos)
{
    return QPointF(std::clamp<qreal>(pos.x(), 0, placementMaxX),
                   std::clamp<qreal>(pos.y(), 0, placementMaxY(item)));
}
