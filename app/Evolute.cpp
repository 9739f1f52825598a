#include "app/Evolute.h"

#include <cmath>

namespace orvalde {

void DrawEvolute(const Simulation& sim, DrawingSurface& surface) {
    const double pi = sim.constants.pi;
    const double a = sim.constants.circleRadius;
    const double span = 2 * pi * a;
    const Rgb green{0, 255, 0};
    surface.setLineWidth(3);
    auto dot = [&](double phi) {
        surface.point(static_cast<float>(-span / 2 + a * phi - a * std::sin(phi)),
                      static_cast<float>((std::cos(phi) + 1) * a), green);
    };
    // The step is added up in doubles; after 200 steps phi is still inside
    // +-pi by rounding, so each half ends on its foot.
    for (double phi = 0; phi >= -pi; phi = phi + (-pi / 200)) dot(phi);
    for (double phi = 0; phi <= pi; phi = phi + pi / 200) dot(phi);
}

}  // namespace orvalde
