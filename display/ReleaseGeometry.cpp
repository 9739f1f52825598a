#include "display/ReleaseGeometry.h"

#include <algorithm>
#include <cmath>

namespace orvalde {

ReleasePoint ReleaseAt(int scrollValue, double circleRadius) {
    const double a = circleRadius;
    const double length = 4 * a;
    ReleasePoint p;
    p.height = a * (1 + std::cos(scrollValue / a));
    p.angle = std::acos(std::clamp(1 - p.height / length, -1.0, 1.0));
    return p;
}

}  // namespace orvalde
