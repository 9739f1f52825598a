#pragma once
// Vectors drawn as arrows: a shaft from the tail and a two-stroke head at the tip.

#include "app/Simulation.h"
#include "surface/DrawingSurface.h"

namespace orvalde {

// Draws (x, y) -> (x + dx, y + dy) with head strokes at +-30 degrees about the
// shaft, each one 75th of the surface's world diagonal. Sets sim.constants.pi.
void DrawArrow(Simulation& sim, double x, double y, double dx, double dy, DrawingSurface& surface, Rgb colour);

}  // namespace orvalde
