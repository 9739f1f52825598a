#pragma once
// Cuts a line segment to a box before it is rasterised, so that far away or
// absurdly long figures cost nothing.

#include "surface/raster/PixelRect.h"

namespace orvalde {

// Shortens the segment a-b to the part inside bounds, keeping its direction.
// Returns false when no part of it is inside; a and b then mean nothing.
bool clipSegment(DevicePoint& a, DevicePoint& b, const DeviceBox& bounds);

}  // namespace orvalde
