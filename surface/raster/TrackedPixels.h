#pragma once
// The image as the rasterisers write it: every write that changes a pixel
// marks its tile dirty, so the dirty area holds exactly the changed pixels'
// tiles. Figures redrawn over themselves, as each tick does with the fixed
// curves, then cost no repaint at all.

#include <cstdint>

#include "surface/raster/DirtyTiles.h"
#include "surface/raster/PixelImage.h"

namespace orvalde {

class TrackedPixels {
public:
    TrackedPixels(PixelImage& image, DirtyTiles& dirty) : image_(image), dirty_(dirty) {}

    int width() const { return image_.width(); }
    int height() const { return image_.height(); }

    // Pixels first..last (inclusive) of row y, clipped to the image.
    void fillSpan(int y, int first, int last, std::uint32_t colour) {
        if (y < 0 || y >= image_.height()) return;
        if (first < 0) first = 0;
        if (last >= image_.width()) last = image_.width() - 1;
        if (first > last) return;
        // Redrawn figures mostly find their colour already there: skip it
        // from both ends, then fill what is left.
        std::uint32_t* row = image_.row(y);
        while (first <= last && row[first] == colour) ++first;
        if (first > last) return;
        while (row[last] == colour) --last;
        for (int x = first; x <= last; ++x) row[x] = colour;
        dirty_.markRow(y, first, last);
    }

    void set(int x, int y, std::uint32_t colour) {
        if (x < 0 || y < 0 || x >= image_.width() || y >= image_.height()) return;
        std::uint32_t& pixel = image_.row(y)[x];
        if (pixel == colour) return;
        pixel = colour;
        dirty_.markRow(y, x, x);
    }

private:
    PixelImage& image_;
    DirtyTiles& dirty_;
};

}  // namespace orvalde
