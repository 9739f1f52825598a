#pragma once
// Pixel probes over a raster image for the surface tests.

#include <algorithm>
#include <vector>

#include "surface/raster/PixelImage.h"
#include "surface/raster/PixelRect.h"

namespace orvalde::rastertest {

// Pixels in the area that differ from `colour`.
inline int countOther(const PixelImage& image, Rgb colour, PixelRect area = {0, 0, 1 << 20, 1 << 20}) {
    const std::uint32_t word = PixelImage::pack(colour);
    int count = 0;
    const int right = std::min(area.x + area.width, image.width()),
              bottom = std::min(area.y + area.height, image.height());
    for (int y = std::max(area.y, 0); y < bottom; ++y)
        for (int x = std::max(area.x, 0); x < right; ++x) count += image.at(x, y) != word;
    return count;
}

// The bounding box of the pixels that differ from `colour`; empty if none.
inline PixelRect inkBounds(const PixelImage& image, Rgb colour) {
    const std::uint32_t word = PixelImage::pack(colour);
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.at(x, y) != word) {
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
    if (right < 0) return {};
    return {left, top, right - left + 1, bottom - top + 1};
}

// Which pixels of a width x height area the rectangles cover, row by row.
inline std::vector<bool> coverage(const std::vector<PixelRect>& rects, int width, int height) {
    std::vector<bool> covered(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (const PixelRect& r : rects)
        for (int y = std::max(r.y, 0); y < std::min(r.y + r.height, height); ++y)
            for (int x = std::max(r.x, 0); x < std::min(r.x + r.width, width); ++x)
                covered[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)] =
                    true;
    return covered;
}

inline long long area(const std::vector<PixelRect>& rects) {
    long long sum = 0;
    for (const PixelRect& r : rects) sum += static_cast<long long>(r.width) * r.height;
    return sum;
}

}  // namespace orvalde::rastertest
