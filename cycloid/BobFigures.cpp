#include "cycloid/BobFigures.h"

#include "cycloid/Arrow.h"

namespace orvalde {
namespace {

constexpr Rgb kEraseArrow{90, 240, 240};
constexpr double kArrowScale = 3;

float F(double v) { return static_cast<float>(v); }

}  // namespace

void EraseBobFigures(Simulation& sim, DrawingSurface& surface, const BobFigures& last, double stringEndX,
                     double stringEndY, Rgb bg, bool all) {
    const double weight = sim.constants.bobWeight;
    const double x = last.bobX, y = last.bobY;
    const double fx = kArrowScale * last.forceX, fy = kArrowScale * last.forceY;
    DrawArrow(sim, x, y, last.velocityX, last.velocityY, surface, kEraseArrow);
    if (!all) return;
    surface.setLineWidth(3);
    surface.line(F(x), F(y), F(stringEndX), F(stringEndY), bg);
    DrawArrow(sim, x, y, fx, fy, surface, kEraseArrow);
    DrawArrow(sim, x, y, fx, kArrowScale * (last.forceY + weight), surface, kEraseArrow);
    // The weight arrow's erase is wide enough to cover the bob's dot as well.
    surface.setLineWidth(29);
    DrawArrow(sim, x, y, 0, -kArrowScale * weight, surface, kEraseArrow);
    surface.line(F(x), F(y - kArrowScale * weight), F(x + fx), F(y + fy), kEraseArrow);
    surface.lineTo(F(x + fx), F(y + kArrowScale * (last.forceY + weight)), kEraseArrow);
}

void DrawBobArrows(Simulation& sim, DrawingSurface& surface, const BobFigures& now) {
    const double weight = sim.constants.bobWeight;
    const double x = now.bobX, y = now.bobY;
    const double fx = kArrowScale * now.forceX, fy = kArrowScale * now.forceY;
    DrawArrow(sim, x, y, now.velocityX, now.velocityY, surface, Rgb{255, 0, 0});
    DrawArrow(sim, x, y, fx, fy, surface, Rgb{255, 0, 255});
    DrawArrow(sim, x, y, fx, kArrowScale * (now.forceY + weight), surface, Rgb{5, 0, 255});
    DrawArrow(sim, x, y, 0, -kArrowScale * weight, surface, Rgb{0, 30, 50});
    surface.setLineWidth(1);
    surface.line(F(x), F(y - kArrowScale * weight), F(x + fx), F(y + fy));
    surface.lineTo(F(x + fx), F(y + kArrowScale * (now.forceY + weight)));
    surface.setLineWidth(2);
}

}  // namespace orvalde
