#pragma once
// The moving figures both pendulum ticks draw at their bob: the string to its
// upper end, the velocity arrow, the net force, tension and weight arrows (at
// three times the force) and the force parallelogram; and how a tick erases
// the ones the previous tick drew, by drawing them again in the background.

#include "app/Simulation.h"
#include "surface/DrawingSurface.h"

namespace orvalde {

struct BobFigures {
    double bobX = 0, bobY = 0;
    double velocityX = 0, velocityY = 0;
    double forceX = 0, forceY = 0;  // net force (mass 1), drawn three times as long
};

// Erases the previous velocity arrow; when `all`, also the string from the bob
// to (stringEndX, stringEndY) in bg, the three force arrows and the two
// parallelogram lines. Expects the pen width of 2 in force.
void EraseBobFigures(Simulation& sim, DrawingSurface& surface, const BobFigures& last, double stringEndX,
                     double stringEndY, Rgb bg, bool all);

// Draws the velocity arrow, the net force, tension and weight arrows at pen
// width 2 and the parallelogram at width 1, leaving width 2.
void DrawBobArrows(Simulation& sim, DrawingSurface& surface, const BobFigures& now);

}  // namespace orvalde
