#include "cycloid/Arrow.h"

#include <cmath>

namespace orvalde {

void DrawArrow(Simulation& sim, double x, double y, double dx, double dy, DrawingSurface& surface, Rgb colour) {
    sim.constants.pi = 4 * std::atan(1.0);
    const double pi = sim.constants.pi;
    const double x2 = x + dx;
    const double y2 = y + dy;
    surface.line(static_cast<float>(x), static_cast<float>(y), static_cast<float>(x2), static_cast<float>(y2), colour);

    // The head scales with the world, not with the arrow.
    const double w = surface.scaleWidth();
    const double h = surface.scaleHeight();
    const double d = std::sqrt(w * w + h * h) / 5;
    const double e = d / 15;

    // A vertical shaft includes one whose dx is too small to move x: its head
    // follows dy alone, else a tiny dx of the wrong sign would turn it round.
    const bool vertical = x2 - x == 0;
    const double alpha = vertical ? pi / 2 : std::atan((y2 - y) / (x2 - x));
    const double alpha1 = alpha + pi / 6;
    const double alpha2 = alpha - pi / 6;

    double e1x, e1y, e2x, e2y;
    if (vertical || dx >= 0) {
        e1x = x2 - e * std::cos(alpha1);
        e1y = y2 - e * std::sin(alpha1);
        e2x = x2 - e * std::cos(alpha2);
        e2y = y2 - e * std::sin(alpha2);
        if (vertical && dy < 0) {  // pointing down: strokes run up from the tip
            e1y = y2 + e * std::sin(alpha1);
            e2y = y2 + e * std::sin(alpha2);
        }
    } else {
        e1x = x2 + e * std::cos(alpha2);
        e1y = y2 + e * std::sin(alpha2);
        e2x = x2 + e * std::cos(alpha1);
        e2y = y2 + e * std::sin(alpha1);
    }

    const float tipX = static_cast<float>(x2);
    const float tipY = static_cast<float>(y2);
    surface.line(tipX, tipY, static_cast<float>(e1x), static_cast<float>(e1y), colour);
    surface.line(tipX, tipY, static_cast<float>(e2x), static_cast<float>(e2y), colour);
}

}  // namespace orvalde
