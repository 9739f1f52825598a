#pragma once
// A coarse map of the image's changed parts, in square tiles of device
// pixels. Only the tiles of changed pixels are marked, so a tick that touches
// figures all over the screen still repaints a small area: the rectangles
// handed to the shell follow a long slanted line or a large circle instead of
// covering their bounding boxes.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "surface/raster/PixelRect.h"

namespace orvalde {

class DirtyTiles {
public:
    static constexpr int kTileSide = 16;  // device pixels

    // A map for an image of this many device pixels, with nothing marked.
    DirtyTiles(int deviceWidth = 0, int deviceHeight = 0);
    // Fits the map to a new image size; everything is then marked.
    void resize(int deviceWidth, int deviceHeight);

    void markAll();
    // The tiles of pixels first..last of row y; all of them inside the map.
    void markRow(int y, int first, int last) {
        const int row = y / kTileSide;
        std::uint8_t* marks = marks_.data() + static_cast<std::ptrdiff_t>(row) * columns_;
        // Most changed runs lie within one or two tiles.
        const int c0 = first / kTileSide, c1 = last / kTileSide;
        marks[c0] = 1;
        marks[c1] = 1;
        for (int c = c0 + 1; c < c1; ++c) marks[c] = 1;
        if (row < firstRow_) firstRow_ = row;
        if (row > lastRow_) lastRow_ = row;
    }

    bool isEmpty() const { return firstRow_ > lastRow_; }
    // The marked tiles as rectangles in pixels of the given ratio to device
    // pixels (device / ratio, rounded outward), in bands from top to bottom;
    // clears the map. A ratio of 1 gives device pixels.
    std::vector<PixelRect> takeRects(double devicePixelRatio = 1.0);

private:
    void clear();

    int width_ = 0, height_ = 0;
    int columns_ = 0, rows_ = 0;
    std::vector<std::uint8_t> marks_;  // rows_ x columns_, 1 = changed
    int firstRow_ = 0, lastRow_ = -1;  // rows that may hold marks
};

}  // namespace orvalde
