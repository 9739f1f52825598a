#include "surface/raster/PixelImage.h"

#include <algorithm>
#include <cstring>

namespace orvalde {

PixelImage::PixelImage(int width, int height, std::uint32_t fill)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fill) {}

std::uint32_t PixelImage::pack(Rgb c) {
    const auto channel = [](int v) { return static_cast<std::uint32_t>(std::clamp(v, 0, 255)); };
    return channel(c.red) | channel(c.green) << 8 | channel(c.blue) << 16 | 0xff000000u;
}

Rgb PixelImage::unpack(std::uint32_t word) {
    return Rgb{static_cast<int>(word & 0xff), static_cast<int>(word >> 8 & 0xff), static_cast<int>(word >> 16 & 0xff)};
}

void PixelImage::fill(std::uint32_t word) { std::fill(pixels_.begin(), pixels_.end(), word); }

bool PixelImage::grow(int width, int height, std::uint32_t fill) {
    const int newWidth = std::max(width_, width), newHeight = std::max(height_, height);
    if (newWidth == width_ && newHeight == height_) return false;
    std::vector<std::uint32_t> grown(static_cast<std::size_t>(newWidth) * static_cast<std::size_t>(newHeight), fill);
    for (int y = 0; y < height_; ++y)
        std::memcpy(grown.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(newWidth), row(y),
                    static_cast<std::size_t>(width_) * 4);
    pixels_ = std::move(grown);
    width_ = newWidth;
    height_ = newHeight;
    return true;
}

}  // namespace orvalde
