#pragma once
// Cuts a line segment to a rectangle before it reaches QPainter, so that far
// away or absurdly long figures cost nothing and never stress the rasteriser.

#include <QPointF>
#include <QRectF>

namespace orvalde {

// Shortens the segment a-b to the part inside bounds, keeping its direction.
// Returns false when no part of it is inside; a and b then mean nothing.
bool clipSegment(QPointF& a, QPointF& b, const QRectF& bounds);

}  // namespace orvalde
