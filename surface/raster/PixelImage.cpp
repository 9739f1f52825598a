#include "surface/raster/PixelImage.h"

#include <algorithm>
#include <cstring>

namespace orvalde {

PixelImage::PixelImage(int width, int height, std::uint32_t fill, ChannelOrder order)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      order_(order),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fill) {}

std::uint32_t PixelImage::pack(Rgb c, ChannelOrder order) {
    const auto channel = [](int v) { return static_cast<std::uint32_t>(std::clamp(v, 0, 255)); };
    const std::uint32_t first = order == ChannelOrder::Rgbx ? channel(c.red) : channel(c.blue);
    const std::uint32_t third = order == ChannelOrder::Rgbx ? channel(c.blue) : channel(c.red);
    return first | channel(c.green) << 8 | third << 16 | 0xff000000u;
}

Rgb PixelImage::unpack(std::uint32_t word, ChannelOrder order) {
    const int first = static_cast<int>(word & 0xff), third = static_cast<int>(word >> 16 & 0xff);
    const int green = static_cast<int>(word >> 8 & 0xff);
    return order == ChannelOrder::Rgbx ? Rgb{first, green, third} : Rgb{third, green, first};
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
