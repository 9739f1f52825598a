#pragma once
// A smaller copy of the drawing, kept up to date rectangle by rectangle. Each
// of its pixels is the average of the source pixels it covers, weighted by
// how much of each it covers, so a thin line stays visible and sharp, and
// redoing any part of the copy gives exactly what scaling the whole gives.

#include <cstdint>
#include <vector>

#include "surface/raster/PixelImage.h"
#include "surface/raster/PixelRect.h"

namespace orvalde {

class ScaledCopy {
public:
    // Sizes the copy for `source` at `scale` (0 < scale <= 1) and fills it.
    void reset(const PixelImage& source, double scale);
    // Whether reset() was called for a source of this size at this scale.
    bool matches(const PixelImage& source, double scale) const;
    // Redoes the pixels that cover `changed` (source pixels) and returns them
    // (pixels of the copy); empty when nothing of the copy covers it.
    PixelRect update(const PixelImage& source, PixelRect changed);

    const PixelImage& image() const { return copy_; }
    double scale() const { return scale_; }

private:
    // For each pixel of the copy along one axis, the source pixels it covers
    // and their weights, in 256ths that add up to 256.
    struct Taps {
        std::vector<int> first, count, offset;
        std::vector<std::uint32_t> weight;
        int size() const { return static_cast<int>(first.size()); }
        // Copy pixels [*lo, *hi) covering source pixels [from, to).
        void covering(int from, int to, int* lo, int* hi) const;
    };
    static Taps MakeTaps(int sourceSize, double scale);

    PixelImage copy_;
    double scale_ = 0;
    int sourceWidth_ = 0, sourceHeight_ = 0;
    Taps columns_, rows_;
    // One row of the copy averaged down, before it is averaged across:
    // two channels in each lane word, then as pixels.
    std::vector<std::uint32_t> rb_, ag_, line_;
};

}  // namespace orvalde
