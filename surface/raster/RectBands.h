#pragma once
// The union of whole-pixel rectangles as bands: rectangles that do not
// overlap or touch side by side, sorted top to bottom then left to right,
// those of one band sharing its top and height (the form a toolkit's region
// takes as it is, and in which each pixel is named once).

#include <vector>

#include "surface/raster/PixelRect.h"

namespace orvalde {

// Empty rectangles are left out; a band the same as the one just above it
// is joined to it.
std::vector<PixelRect> UnionAsBands(const std::vector<PixelRect>& rects);

}  // namespace orvalde
