#include "circular/CircularStart.h"

#include <cmath>

namespace orvalde {

Position CircularStartPosition(const Simulation& sim, int scrollValue) {
    const double a = sim.constants.circleRadius;
    const double len = sim.constants.stringLength;
    const double w = 2 * sim.constants.pi * a;
    const double depth = 2 * a - sim.counters.circularStartY;
    double side = std::sqrt(len * len - depth * depth);
    if (static_cast<double>(scrollValue) > -w / 2) side = -side;
    return {w / 2 - side, sim.counters.circularStartY};
}

void DrawCircularStart(Simulation& sim, DrawingSurface& surface, const ScrollBarControl& xthesi) {
    const double a = sim.constants.circleRadius;
    const double w = 2 * sim.constants.pi * a;
    const Position bob = CircularStartPosition(sim, xthesi.value());
    surface.setLineWidth(15);
    surface.point(static_cast<float>(bob.x), static_cast<float>(bob.y), surface.foreColor());
    surface.setLineWidth(1);
    surface.line(static_cast<float>(w / 2), static_cast<float>(2 * a), static_cast<float>(bob.x),
                 static_cast<float>(bob.y));
}

}  // namespace orvalde
