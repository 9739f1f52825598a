#include "circular/CircularMotion.h"

#include <cmath>

namespace orvalde {
namespace {

constexpr double kMass = 1;

double Sign(double v) { return v > 0 ? 1.0 : (v < 0 ? -1.0 : 0.0); }

}  // namespace

CircularForces CircularForcesAt(double pivotX, double pivotY, double x, double y, double startY, double len,
                                double weight) {
    CircularForces f;
    const double v2 = 20 * (startY - y);  // 2g times the drop below the release height
    const double dx = pivotX - x;
    if (dx == 0) {
        // Bob exactly below (or above) the pivot: the string is vertical, the
        // limit from either side gives |sin| = 1 and no horizontal force.
        f.theta = (pivotY - y) >= 0 ? std::atan(1.0) * 2 : -std::atan(1.0) * 2;
        f.tension = kMass * v2 / len + weight;
        f.fx = 0;
        f.fy = f.tension - weight;
        return f;
    }
    f.theta = std::atan((pivotY - y) / dx);
    f.tension = kMass * v2 / len + std::fabs(weight * std::sin(f.theta));
    f.fx = (Sign(f.theta) * f.tension) * std::cos(f.theta);
    f.fy = f.tension * std::fabs(std::sin(f.theta)) - weight;
    return f;
}

double CircularDerivative(Simulation& sim, double /*t*/, const double* state, int i) {
    Constants& c = sim.constants;
    const double a = c.circleRadius;
    const double w = 2 * c.pi * a;
    c.stringLength = 4 * a;
    c.pi = 4 * std::atan(1.0);
    c.bobWeight = static_cast<float>(10 * kMass);

    switch (i) {
        case 0:
        case 1: {
            const CircularForces f = CircularForcesAt(w / 2, 2 * a, state[2], state[3], sim.counters.circularStartY,
                                                      c.stringLength, c.bobWeight);
            return i == 0 ? f.fx / kMass : f.fy / kMass;
        }
        case 2: return state[0];
        case 3: return state[1];
        default: return 0;
    }
}

}  // namespace orvalde
