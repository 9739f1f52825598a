#include "cycloid/CycloidMotion.h"

#include <cmath>

namespace orvalde {

namespace {
constexpr int kMass = 1;
constexpr double kTwoG = 20;

double Sign(double v) { return v > 0 ? 1 : (v < 0 ? -1 : 0); }
}  // namespace

CycloidForces CycloidForcesAt(const Simulation& sim, double archWidth, double x, const CycloidPoint& p, double radius) {
    const double a = sim.constants.circleRadius;
    const double w = sim.constants.bobWeight;
    const double y = p.y;
    const double phi = sim.constants.pi - p.angle;

    CycloidForces f;
    f.contactX = (-archWidth / 2 - a * phi) + a * std::sin(phi);
    f.contactY = a * std::cos(phi) + a;

    const double run = f.contactX - x;
    const double rise = f.contactY - y;
    double sinPsi = 0, cosPsi = 1;
    if (run != 0) {
        f.psi = std::atan(rise / run);
        sinPsi = std::sin(f.psi);
        cosPsi = std::cos(f.psi);
    } else if (rise != 0) {
        // Straight below the contact point: the string hangs vertically.
        f.vertical = true;
        f.psi = rise > 0 ? sim.constants.pi / 2 : -sim.constants.pi / 2;
        sinPsi = rise > 0 ? 1 : -1;
        cosPsi = 0;
    }
    // else: the bob sits on a cusp with no free string; psi = 0 is the limit.

    const double speedSquared = kTwoG * (sim.counters.cycloidStartY - y);
    f.tension = radius != 0 ? std::fabs(w * sinPsi) + kMass * speedSquared / radius : 0;
    f.fx = f.tension * Sign(f.psi) * cosPsi;
    f.fy = f.tension * std::fabs(sinPsi) - w;
    return f;
}

double CycloidDerivative(Simulation& sim, double /*t*/, const double* state, int i) {
    // 2 pi a is taken with pi as it stands on entry, before pi is set again.
    const double a = sim.constants.circleRadius;
    const double archWidth = 2 * sim.constants.pi * a;
    sim.constants.stringLength = 4 * a;
    sim.constants.pi = 4 * std::atan(1.0);
    sim.constants.bobWeight = 10.0f * kMass;

    switch (i) {
        case 2: return state[0];
        case 3: return state[1];
        case 0:
        case 1: break;
        default: return 0;
    }

    const double x = state[2];
    const CycloidPoint p = FindCycloidPoint(sim, x, a);
    const double radius = CurvatureRadius(sim, p.angle);
    const CycloidForces f = CycloidForcesAt(sim, archWidth, x, p, radius);
    return i == 0 ? f.fx / kMass : f.fy / kMass;
}

}  // namespace orvalde
