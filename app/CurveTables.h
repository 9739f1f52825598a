#pragma once

#include "app/Simulation.h"
#include "surface/DrawingSurface.h"

namespace orvalde {

// Draws the three red reference lines through the cusps of the path and fills
// the evolute and path tables with one arch each, 201 samples.
void BuildCycloidTables(Simulation& sim, DrawingSurface& surface);

}  // namespace orvalde
