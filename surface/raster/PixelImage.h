#pragma once
// The raster surface's pixels: rows of 32-bit words whose bytes in memory are
// R, G, B, 255. That is the layout a desktop image of format RGBX8888 and a
// browser canvas's ImageData both read directly, so neither shell converts.

#include <bit>
#include <cstdint>
#include <vector>

#include "surface/DrawingSurface.h"

namespace orvalde {

static_assert(std::endian::native == std::endian::little, "pixel words are laid out for little-endian targets");

class PixelImage {
public:
    PixelImage() = default;
    PixelImage(int width, int height, std::uint32_t fill);

    // The word whose memory bytes are the colour's R, G, B and 255; each
    // channel is clamped to 0..255.
    static std::uint32_t pack(Rgb colour);
    static Rgb unpack(std::uint32_t word);

    int width() const { return width_; }
    int height() const { return height_; }
    // Pixels from one row to the next, and the same in bytes.
    int stride() const { return width_; }
    int bytesPerLine() const { return width_ * 4; }
    const std::uint8_t* data() const { return reinterpret_cast<const std::uint8_t*>(pixels_.data()); }
    const std::vector<std::uint32_t>& pixels() const { return pixels_; }

    std::uint32_t at(int x, int y) const { return pixels_[index(x, y)]; }
    Rgb colourAt(int x, int y) const { return unpack(at(x, y)); }
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
    std::vector<std::uint32_t> pixels_;
};

}  // namespace orvalde
