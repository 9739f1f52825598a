#pragma once
// A coarse map of the image's changed parts, in square tiles of device
// pixels. Only the tiles of changed pixels are marked, so a tick that touches
// figures all over the screen still repaints a small area: the rectangles
// handed to the shell follow a long slanted line or a large circle instead of
// covering their bounding boxes.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "surface/raster/ChangedGroups.h"
#include "surface/raster/PixelRect.h"

namespace orvalde {

class DirtyTiles {
public:
    static constexpr int kTileSide = 16;  // device pixels
    static_assert(kTileSide % ChangedGroups::kGroup == 0, "a tile holds whole groups");

    // A map for an image of this many device pixels, with nothing marked.
    DirtyTiles(int deviceWidth = 0, int deviceHeight = 0);
    // Fits the map to a new image size; everything is then marked.
    void resize(int deviceWidth, int deviceHeight);

    void markAll() { exact_.markAll(); }
    // Pixels first..last of row y; all of them inside the map. Only their
    // groups are marked here, in the rasterisers' loops; the tiles follow
    // from them when taken.
    void markRow(int y, int first, int last) { exact_.markRow(y, first, last); }

    bool isEmpty() const { return exact_.firstRow() > exact_.lastRow(); }
    // The marked tiles as rectangles in pixels of the given ratio to device
    // pixels (device / ratio, rounded outward), in bands from top to bottom;
    // clears the map. A ratio of 1 gives device pixels. With `exact`, the
    // changed pixels' groups are handed over in it too (its old marks are
    // taken back and cleared, so the caller keeps one map across calls).
    std::vector<PixelRect> takeRects(double devicePixelRatio = 1.0, ChangedGroups* exact = nullptr);

private:
    // Marks the tiles of the marked groups, in tile rows first..last.
    void markTiles(int first, int last);
    void clearTiles(int first, int last);

    int width_ = 0, height_ = 0;
    int columns_ = 0, rows_ = 0;
    std::vector<std::uint8_t> marks_;  // rows_ x columns_, 1 = changed
    ChangedGroups exact_;              // the changed pixels, by rows and groups
};

}  // namespace orvalde
