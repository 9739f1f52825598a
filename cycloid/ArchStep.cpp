#include "cycloid/ArchStep.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "cycloid/PathGeometry.h"
#include "numerics/RkfStep.h"

namespace orvalde {

namespace {
// Height below the cusps within which the step in x is not trusted. The step
// in x holds for the scroll bar's left end (-120), which turns 0.80 below its
// cusp and must move as it always did; from -5 (0.62 below) it drifts.
constexpr double kCuspZone = 0.7;

// The arch parameter at abscissa x, to the last bit. FindCycloidPoint stops
// at 1e-7 in x, which next to a cusp is 4e-5 in height: a bob turning there
// would be put that much lower and lose milliseconds at every turn.
double PreciseAngle(Simulation& sim, double x, double a) {
    double lo = 0, hi = 2 * sim.constants.pi;
    for (int i = 0; i < 64; ++i) {
        const double mid = (lo + hi) / 2;
        if (mid <= lo || mid >= hi) break;
        (CycloidX(sim, mid, a) < x ? lo : hi) = mid;
    }
    return (lo + hi) / 2;
}
}  // namespace

bool NearCusp(double y) { return y > -kCuspZone; }

ArchMotion StepAlongArch(Simulation& sim, double x, double vx, double vy, double h) {
    const double a = sim.constants.circleRadius;
    const double g = sim.constants.bobWeight;  // mass 1
    const double quarter = 4 * a;              // arc from the lowest point to a cusp
    const double leftEnd = CycloidX(sim, 0, a);
    const double phi = PreciseAngle(sim, std::clamp(x, leftEnd, 0.0), a);

    // Arc length s from the lowest point, positive to the right: s = -4a cos(phi/2).
    // The unit tangent towards growing s is (sin(phi/2), -cos(phi/2)).
    double s = -quarter * std::cos(phi / 2);
    const double along = vx * std::sin(phi / 2) - vy * std::cos(phi / 2);
    // The speed the fall allows, so that no energy gained or lost by the steps
    // in x survives the pass by the cusp.
    const double fall = sim.counters.cycloidStartY - (a * std::cos(phi) - a);
    const double speed = std::sqrt(std::max(0.0, 2 * g * fall));
    double sDot = along > 0 ? speed : (along < 0 ? -speed : 0);

    // Along the arc the height is s^2/8a - 2a, so gravity pulls back with g s/4a:
    // smooth up to the cusps, where x is not.
    std::array<double, 2> motion{sDot, s};
    RkfStep([g, quarter](double, const double* m, int i) { return i == 0 ? -g * m[1] / quarter : m[0]; }, 0.0,
            motion.data(), h, motion.data(), 2);
    sDot = motion[0];
    s = motion[1];
    // At a cusp the tangent is vertical: a bob that gets there rises straight
    // up and falls back the same way, so a step past it is folded back.
    if (s > quarter) {
        s = 2 * quarter - s;
        sDot = -sDot;
    } else if (s < -quarter) {
        s = -2 * quarter - s;
        sDot = -sDot;
    }

    const double half = std::asin(std::clamp(s / quarter, -1.0, 1.0));  // phi/2 - pi/2
    ArchMotion out;
    out.x = std::clamp(CycloidX(sim, sim.constants.pi + 2 * half, a), leftEnd, 0.0);
    out.vx = sDot * std::cos(half);
    out.vy = sDot * std::sin(half);
    return out;
}

}  // namespace orvalde
