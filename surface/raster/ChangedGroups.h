#pragma once
// The changed pixels row by row, in groups of eight along the row: finer than
// the repaint tiles, so that whatever is worked out again from the changed
// pixels (the smaller copy of the drawing) follows a moving figure's outline
// instead of whole tiles. A bit per group keeps marking and clearing cheap.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace orvalde {

class ChangedGroups {
public:
    static constexpr int kGroup = 4;  // pixels along a row per bit

    // A map of this many pixels; everything is then marked.
    void resize(int width, int height) {
        width_ = std::max(width, 0);
        height_ = std::max(height, 0);
        words_ = (width_ + kGroup * 64 - 1) / (kGroup * 64);
        bits_.assign(static_cast<std::size_t>(words_) * static_cast<std::size_t>(height_), 0);
        markAll();
    }
    void markAll() {
        if (width_ == 0) return;
        for (int y = 0; y < height_; ++y) markRow(y, 0, width_ - 1);
    }
    void clear() {
        if (firstRow_ <= lastRow_) {
            std::fill(bits_.begin() + static_cast<std::ptrdiff_t>(firstRow_) * words_,
                      bits_.begin() + static_cast<std::ptrdiff_t>(lastRow_ + 1) * words_, std::uint64_t{0});
        }
        firstRow_ = height_;
        lastRow_ = -1;
    }

    // Pixels first..last (inclusive) of row y; all of them inside the map.
    void markRow(int y, int first, int last) {
        std::uint64_t* row = bits_.data() + static_cast<std::ptrdiff_t>(y) * words_;
        const int g0 = first / kGroup, g1 = last / kGroup;
        const int w0 = g0 / 64, w1 = g1 / 64;
        const std::uint64_t low = ~std::uint64_t{0} << (g0 % 64);
        const std::uint64_t high = ~std::uint64_t{0} >> (63 - g1 % 64);
        if (w0 == w1) {
            row[w0] |= low & high;
        } else {
            row[w0] |= low;
            for (int w = w0 + 1; w < w1; ++w) row[w] = ~std::uint64_t{0};
            row[w1] |= high;
        }
        firstRow_ = std::min(firstRow_, y);
        lastRow_ = std::max(lastRow_, y);
    }

    int width() const { return width_; }
    int height() const { return height_; }
    int wordsPerRow() const { return words_; }
    // Rows that may hold marks: none when first > last.
    int firstRow() const { return firstRow_; }
    int lastRow() const { return lastRow_; }
    // Bit g of the row (word g / 64, bit g % 64) is set when a pixel of
    // [g * kGroup, (g + 1) * kGroup) changed.
    const std::uint64_t* row(int y) const { return bits_.data() + static_cast<std::ptrdiff_t>(y) * words_; }

private:
    int width_ = 0, height_ = 0, words_ = 0;
    std::vector<std::uint64_t> bits_;
    int firstRow_ = 0, lastRow_ = -1;
};

}  // namespace orvalde
