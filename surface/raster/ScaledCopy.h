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
    // The same for many changes at once, each pixel of the copy redone once
    // however many of them it covers. Returns the pixels redone as bands
    // (UnionAsBands), pieces a few pixels apart joined.
    std::vector<PixelRect> update(const PixelImage& source, const std::vector<PixelRect>& changed);

    const PixelImage& image() const { return copy_; }
    double scale() const { return scale_; }

private:
    // For each pixel of the copy along one axis, the source pixels it covers
    // and their weights, in 256ths that add up to 256.
    struct Taps {
        std::vector<int> first, count, offset;
        std::vector<std::uint32_t> weight;
        // For each source pixel, the first pixel of the copy that covers it
        // and one past the last.
        std::vector<int> lowest, highest;
        int size() const { return static_cast<int>(first.size()); }
        // Copy pixels [*lo, *hi) covering source pixels [from, to).
        void covering(int from, int to, int* lo, int* hi) const;
    };
    static Taps MakeTaps(int sourceSize, double scale);
    // The pixels of the copy that cover `changed` (source pixels).
    PixelRect covering(PixelRect changed) const;
    // Averages the copy's pixels in `parts` afresh from the source; they
    // share their rows.
    void redo(const PixelImage& source, const PixelRect* parts, std::size_t count);
    // Pixels [left, right) of row t of the copy.
    void redoRow(const PixelImage& source, int t, int left, int right);
    // The columns' weights laid out for averaging two pixels at once.
    void makePairs();

    // Pieces of a band at most this far apart are redone as one.
    static constexpr int kJoinedGap = 6;

    PixelImage copy_;
    double scale_ = 0;
    int sourceWidth_ = 0, sourceHeight_ = 0;
    Taps columns_, rows_;
    // For column c, taps 0..widest_-1: c's weight in lanes 0-3, c+1's in
    // lanes 4-7 (0 past a column's own taps); where each column starts,
    // with one more past the last.
    struct alignas(16) Lanes {
        std::int16_t w[8];
    };
    int widest_ = 1;
    std::vector<Lanes> pairWeights_;
    std::vector<int> pairFirst_;
    // One row of the copy averaged down, before it is averaged across, and
    // the source rows it is averaged from.
    std::vector<std::uint32_t> line_;
    std::vector<const std::uint32_t*> rowsRead_;
};

}  // namespace orvalde
