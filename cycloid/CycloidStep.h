#pragma once

#include "app/Simulation.h"
#include "cycloid/ExactPendulum.h"
#include "surface/Controls.h"
#include "surface/DrawingSurface.h"

namespace orvalde {

// What one cycloidal tick computed, for tools and tests.
struct CycloidTickReport {
    double t = 0;  // time handed to the integrator and the exact pendulum
    double bobPathAngle = 0;
    double fx = 0, fy = 0;  // net force drawn
    ExactPendulumPose exact;
};

// One animation tick of the cycloidal pendulum: erases what the previous tick
// drew, advances the bob one step of timeStep, puts it back on its cycloid,
// draws string, bob, osculating circle, velocity and force arrows, repaints
// the cheeks, path and wrapped string and draws the exact circular pendulum
// for the same time. Raises ArithmeticFault before any state or counter
// would take a non-finite value.
CycloidTickReport CycloidStep(Simulation& sim, DrawingSurface& surface, MessageBox& messages);

}  // namespace orvalde
