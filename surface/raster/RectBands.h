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

// The union of the rectangles each grown outward to multiples of `grid`
// (and cut to width x height), as bands: a little more area in far fewer
// rectangles, for a repaint that costs more per rectangle than per pixel.
std::vector<PixelRect> GrownToGrid(const std::vector<PixelRect>& rects, int grid, int width, int height);

}  // namespace orvalde
