#include "app/CurveTables.h"

#include <cmath>

namespace orvalde {

void BuildCycloidTables(Simulation& sim, DrawingSurface& surface) {
    const double pi = sim.constants.pi;
    const double hh = sim.constants.worldHalfHeight;
    const double w = 2 * pi * 20;  // span of one arch
    const Rgb red{255, 0, 0};
    surface.line(static_cast<float>(w), static_cast<float>(-hh), static_cast<float>(w), static_cast<float>(hh), red);
    surface.line(static_cast<float>(-w), static_cast<float>(-hh), static_cast<float>(-w), static_cast<float>(hh), red);
    surface.line(0.0f, static_cast<float>(-hh), 0.0f, static_cast<float>(hh), red);

    CurveTables& t = sim.tables;
    t.evoluteX[0] = static_cast<float>(-w);
    t.evoluteY[0] = 0;
    t.pathX[0] = static_cast<float>(-w);
    t.pathY[0] = 0;
    for (int i = 1; i < kTableSize; ++i) {
        const double x = -w + i * (w / 200);
        const double theta = x / 20;
        t.evoluteX[i] = static_cast<float>(x + 20 * std::sin(pi - theta));
        t.evoluteY[i] = static_cast<float>(20 + 20 * std::cos(pi - theta));
        t.pathX[i] = static_cast<float>(x - 20 * std::sin(theta));
        t.pathY[i] = static_cast<float>(20 * std::cos(theta) - 20);
    }
}

}  // namespace orvalde
