#pragma once
// Where an item's position may lie: the X boxes reach the strip's last pixel, the Y boxes stop at 77.
// Dragging, nudging and pasting keep items inside, so every design the window writes passes the checker.
#include "printstrip.h"

#include <QPointF>
#include <algorithm>

constexpr int placementMaxX = stripLastX;
constexpr int placementMaxY = 77;

inline QPointF clampedPlacement(const QPointF &pos)
{
    return QPointF(std::clamp<qreal>(pos.x(), 0, placementMaxX),
                   std::clamp<qreal>(pos.y(), 0, placementMaxY));
}
