#include "surface/raster/WideDashes.h"

#include <algorithm>
#include <cmath>

#include "surface/raster/SpanFill.h"

namespace orvalde {

void drawWideDashedLine(TrackedPixels& image, DevicePoint a, DevicePoint b, double width, double phase,
                        std::uint32_t colour) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double length = std::sqrt(dx * dx + dy * dy);
    const double on = kWideDashOn * width, period = (kWideDashOn + kWideDashOff) * width;
    if (!(length > 0)) {
        fillCapsule(image, a, a, width / 2, colour);  // a dash of no length is still a dot
        return;
    }
    const double ux = dx / length, uy = dy / length;
    const auto at = [&](double s) { return DevicePoint{a.x + s * ux, a.y + s * uy}; };
    for (double s = -std::fmod(std::max(phase, 0.0), period); s < length; s += period) {
        const double from = std::max(s, 0.0), to = std::min(s + on, length);
        if (from <= to) fillCapsule(image, at(from), at(to), width / 2, colour);
    }
}

}  // namespace orvalde
