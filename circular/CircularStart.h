#pragma once

#include "app/Simulation.h"
#include "surface/Controls.h"
#include "surface/DrawingSurface.h"

namespace orvalde {

struct Position {
    double x = 0;
    double y = 0;
};

// Start of the circular bob: at height circularStartY, on the same side of the
// pivot as the cycloidal bob is of its lowest point (scroll value v > -pi a:
// right of the pivot).
Position CircularStartPosition(const Simulation& sim, int scrollValue);

// Draws the circular pendulum at its start: the bob as a thick dot and the
// string from the pivot. Changes no state; leaves the line width at 1.
void DrawCircularStart(Simulation& sim, DrawingSurface& surface, const ScrollBarControl& xthesi);

}  // namespace orvalde
