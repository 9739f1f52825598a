#pragma once

#include "app/Simulation.h"
#include "surface/DrawingSurface.h"

namespace orvalde {

// Draws the evolute arch (the cheeks) as thick green dots from its parametric
// form, 201 per half, the top twice. Changes no state; leaves line width 3.
void DrawEvolute(const Simulation& sim, DrawingSurface& surface);

}  // namespace orvalde
