#pragma once
// Plain geometry for the raster surface: whole-pixel rectangles handed to the
// shells, and points and boxes in device pixels used while rasterising.

namespace orvalde {

// Device or logical pixels, as each function that returns one documents.
struct PixelRect {
    int x = 0, y = 0, width = 0, height = 0;
    bool empty() const { return width <= 0 || height <= 0; }
    bool contains(int px, int py) const { return px >= x && py >= y && px < x + width && py < y + height; }
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

struct DevicePoint {
    double x = 0, y = 0;
};

// Closed box in device pixels: left <= right and top <= bottom when not empty.
struct DeviceBox {
    double left = 0, top = 0, right = -1, bottom = -1;
    DeviceBox padded(double pad) const { return {left - pad, top - pad, right + pad, bottom + pad}; }
    bool intersects(const DeviceBox& o) const {
        return left <= o.right && o.left <= right && top <= o.bottom && o.top <= bottom;
    }
};

}  // namespace orvalde
