#pragma once

#include "app/Simulation.h"
#include "surface/Controls.h"
#include "surface/DrawingSurface.h"

namespace orvalde {

// Draws the apparatus for the scroll bar's start position and stores the
// cycloidal pendulum's start state (at rest). Narrows the scroll bar's range
// to -120..0. Does not clear the surface.
void DrawStartScene(Simulation& sim, DrawingSurface& surface, ScrollBarControl& xthesi);

// Draws the string wrapped on the cheek from the suspension cusp to the
// contact point of rolling position x (left cheek with green vertices when
// x is left of the lowest point, right cheek otherwise).
void DrawWrappedString(Simulation& sim, DrawingSurface& surface, double x);

}  // namespace orvalde
