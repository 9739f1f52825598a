#pragma once

#include "app/Simulation.h"
#include "surface/Controls.h"
#include "surface/DrawingSurface.h"

namespace orvalde {

// What one circular tick computed, for tools and tests.
struct CircularTickReport {
    double t = 0;  // time handed to the integrator
    double vx = 0, vy = 0, x = 0, y = 0;
    double theta = 0;       // string inclination to the horizontal
    double fx = 0, fy = 0;  // net force drawn
};

// One animation tick of the integrated circular pendulum: erases the previous
// picture, starts from rest on the first tick after a start, advances one
// step of timeStep and draws string, bob, velocity and force arrows with their
// parallelogram, and the reference line at x = 2 pi a. Raises ArithmeticFault
// (state and counter untouched) when a result would not be finite.
CircularTickReport CircularStep(Simulation& sim, DrawingSurface& surface, const ScrollBarControl& xthesi);

}  // namespace orvalde
