#include "surface/raster/SegmentClip.h"

#include <cmath>

namespace orvalde {

// Liang-Barsky: the segment is a + t (b - a) for t in [0, 1]; each edge of the
// rectangle narrows the range of t that stays inside.
bool clipSegment(DevicePoint& a, DevicePoint& b, const DeviceBox& bounds) {
    const auto inside = [&bounds](DevicePoint p) {
        return p.x >= bounds.left && p.x <= bounds.right && p.y >= bounds.top && p.y <= bounds.bottom;
    };
    if (inside(a) && inside(b)) return true;  // the common case: nothing to cut
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    double t0 = 0.0, t1 = 1.0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x - bounds.left, bounds.right - a.x, a.y - bounds.top, bounds.bottom - a.y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0) return false;  // parallel to this edge and outside it
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0) {
            if (t > t1) return false;
            if (t > t0) t0 = t;
        } else {
            if (t < t0) return false;
            if (t < t1) t1 = t;
        }
    }
    if (!std::isfinite(t0) || !std::isfinite(t1)) return false;
    const DevicePoint start = a;
    // Untouched ends stay bit-identical, so in-image figures are not perturbed.
    if (t1 < 1.0) b = {start.x + t1 * dx, start.y + t1 * dy};
    if (t0 > 0.0) a = {start.x + t0 * dx, start.y + t0 * dy};
    return true;
}

}  // namespace orvalde
