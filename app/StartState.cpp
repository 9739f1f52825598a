#include "app/StartState.h"

#include <cmath>

namespace orvalde {

void TakeStartState(Simulation& sim, int x0) {
    const double a = sim.constants.circleRadius;
    const double pi = sim.constants.pi;
    const double theta = x0 / a;
    CycloidState& c = sim.cycloid;
    c.bobX = x0 - a * std::sin(theta);
    c.bobY = a * std::cos(theta) - a;
    c.rollAngle = theta;
    c.contactX = x0 + a * std::sin(pi - theta);
    c.contactY = a + a * std::cos(pi - theta);
    c.bobVX = 0;
    c.bobVY = 0;
    sim.counters.cycloidStartY = c.bobY;
    sim.counters.circularStartY = c.bobY;
}

}  // namespace orvalde
