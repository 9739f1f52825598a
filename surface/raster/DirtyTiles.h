#pragma once
// A coarse map of the image's changed parts, in square tiles of device
// pixels. Each figure marks only the tiles near its own pixels, so a tick that
// touches figures all over the screen still repaints a small area: the
// rectangles handed to the shell follow a long slanted line or a large circle
// instead of covering their bounding boxes.

#include <cstdint>
#include <vector>

#include "surface/raster/PixelRect.h"

namespace orvalde {

class DirtyTiles {
public:
    static constexpr int kTileSide = 32;  // device pixels

    // A map for an image of this many device pixels, with nothing marked.
    DirtyTiles(int deviceWidth = 0, int deviceHeight = 0);
    // Fits the map to a new image size; everything is then marked.
    void resize(int deviceWidth, int deviceHeight);

    // Each figure marks every tile within `pad` device pixels of its points.
    void markAll();
    void markBox(const DeviceBox& box, double pad);
    void markSegment(DevicePoint a, DevicePoint b, double pad);
    // An arc from `start` radians over `span` radians, counterclockwise on
    // screen (y down), so at c + r (cos t, -sin t).
    void markArc(DevicePoint centre, double radius, double start, double span, double pad);

    bool isEmpty() const { return firstRow_ > lastRow_; }
    // The marked tiles as rectangles in pixels of the given ratio to device
    // pixels (device / ratio, rounded outward), in bands from top to bottom;
    // clears the map. A ratio of 1 gives device pixels.
    std::vector<PixelRect> takeRects(double devicePixelRatio = 1.0);

private:
    // Marks tile rows firstRow..lastRow (clipped to the map) from device x
    // `left` to `right`.
    void markSpan(int firstRow, int lastRow, double left, double right);
    void markRing(DevicePoint centre, double inner, double outer, const DeviceBox& within);
    void clear();

    int width_ = 0, height_ = 0;
    int columns_ = 0, rows_ = 0;
    std::vector<std::uint8_t> marks_;  // rows_ x columns_, 1 = changed
    int firstRow_ = 0, lastRow_ = -1;  // rows that may hold marks
};

}  // namespace orvalde
