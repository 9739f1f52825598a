#pragma once
// The union of whole-pixel rectangles as bands: rectangles that do not
// overlap or touch side by side, sorted top to bottom then left to right,
// those of one band sharing its top and height (the form a toolkit's region
// takes as it is, and in which each pixel is named once).

#include <utility>
#include <vector>

#include "surface/raster/PixelRect.h"

namespace orvalde {

// Empty rectangles are left out; a band the same as the one just above it
// is joined to it.
std::vector<PixelRect> UnionAsBands(const std::vector<PixelRect>& rects);

// Writes bands from top to bottom: each piece of rows [top, bottom) with its
// runs [left, right), sorted and apart. A piece right under the band just
// written, with the same runs, grows that band instead of starting one.
class BandWriter {
public:
    using Runs = std::vector<std::pair<int, int>>;
    explicit BandWriter(std::vector<PixelRect>& bands) : bands_(bands) {}
    // Takes `runs` (leaves it with unspecified contents, for reuse).
    void add(int top, int bottom, Runs& runs);

private:
    std::vector<PixelRect>& bands_;
    Runs previousRuns_;
    std::size_t previousBand_ = 0;
    int previousBottom_ = -1;
};

}  // namespace orvalde
