#pragma once
// The raster surface's pixels: rows of 32-bit words in the channel order the
// shell shows without converting. A browser canvas's ImageData reads memory
// bytes R, G, B, 255; the desktop's native 32-bit image reads B, G, R, 255
// (the word 0xffRRGGBB). Each shell picks its own, so copying to the screen is
// a plain copy.

#include <bit>
#include <cstdint>
#include <vector>

#include "surface/DrawingSurface.h"

namespace orvalde {

static_assert(std::endian::native == std::endian::little, "pixel words are laid out for little-endian targets");

// Memory byte order of a pixel: Rgbx for a canvas, Bgrx for the desktop.
enum class ChannelOrder { Rgbx, Bgrx };

class PixelImage {
public:
    PixelImage() = default;
    PixelImage(int width, int height, std::uint32_t fill, ChannelOrder order = ChannelOrder::Rgbx);

    // The word whose memory bytes are the colour's channels in `order`, then
    // 255; each channel is clamped to 0..255.
    static std::uint32_t pack(Rgb colour, ChannelOrder order = ChannelOrder::Rgbx);
    static Rgb unpack(std::uint32_t word, ChannelOrder order = ChannelOrder::Rgbx);
    std::uint32_t word(Rgb colour) const { return pack(colour, order_); }
    ChannelOrder channelOrder() const { return order_; }

    int width() const { return width_; }
    int height() const { return height_; }
    // Pixels from one row to the next, and the same in bytes.
    int stride() const { return width_; }
    int bytesPerLine() const { return width_ * 4; }
    const std::uint8_t* data() const { return reinterpret_cast<const std::uint8_t*>(pixels_.data()); }
    const std::vector<std::uint32_t>& pixels() const { return pixels_; }

    std::uint32_t at(int x, int y) const { return pixels_[index(x, y)]; }
    Rgb colourAt(int x, int y) const { return unpack(at(x, y), order_); }
    std::uint32_t* row(int y) { return pixels_.data() + index(0, y); }
    const std::uint32_t* row(int y) const { return pixels_.data() + index(0, y); }

    void fill(std::uint32_t word);
    // Grows to at least this size, keeping every pixel where it was and
    // filling the new area; never shrinks. Returns whether it grew.
    bool grow(int width, int height, std::uint32_t fill);

private:
    std::size_t index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x);
    }

    int width_ = 0, height_ = 0;
    ChannelOrder order_ = ChannelOrder::Rgbx;
    std::vector<std::uint32_t> pixels_;
};

}  // namespace orvalde
