#include "surface/raster/ThinLine.h"

#include <cstdlib>

namespace orvalde {
namespace {

constexpr int kDashPeriod = kThinDashOn + kThinDashOff;

// Bresenham in integers, so the pixels do not depend on the floating-point
// unit. The caller has clipped the ends to near the image, so they fit.
template <class Plot>
void stepLine(DevicePoint a, DevicePoint b, Plot plot) {
    int x = nearestPixel(a.x), y = nearestPixel(a.y);
    const int x1 = nearestPixel(b.x), y1 = nearestPixel(b.y);
    const int dx = std::abs(x1 - x), dy = -std::abs(y1 - y);
    const int sx = x < x1 ? 1 : -1, sy = y < y1 ? 1 : -1;
    const int steps = dx > -dy ? dx : -dy;
    long long error = static_cast<long long>(dx) + dy;
    for (int k = 0; k <= steps; ++k) {
        plot(x, y, k);
        const long long twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += sx;
        }
        if (twice <= dx) {
            error += dx;
            y += sy;
        }
    }
}

}  // namespace

void drawThinLine(TrackedPixels& image, DevicePoint a, DevicePoint b, std::uint32_t colour) {
    stepLine(a, b, [&](int x, int y, int) { image.set(x, y, colour); });
}

void drawThinDashedLine(TrackedPixels& image, DevicePoint a, DevicePoint b, int phase, std::uint32_t colour) {
    phase = ((phase % kDashPeriod) + kDashPeriod) % kDashPeriod;
    stepLine(a, b, [&](int x, int y, int k) {
        if ((k + phase) % kDashPeriod < kThinDashOn) image.set(x, y, colour);
    });
}

}  // namespace orvalde
