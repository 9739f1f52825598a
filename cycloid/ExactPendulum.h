#pragma once

#include "app/Simulation.h"
#include "surface/Controls.h"
#include "surface/DrawingSurface.h"

namespace orvalde {

// Where the exact circular pendulum is at time t and the net force on it.
struct ExactPendulumPose {
    double bobX = 0, bobY = 0;
    double startAngle = 0;          // amplitude theta0
    double startX = 0, startY = 0;  // computed start point (black mark)
    double forceX = 0, forceY = 0;
};

// The circular pendulum of the same length hung from (pi a, 2a), released from
// circularStartY, placed at time t by the exact solution in Jacobi elliptic
// functions. Erases what the previous call drew (when n > 0), then draws the
// string, the start marks, the swing arc and the net force, tension and weight
// arrows. n is the cycloidal tick count; n = 1 records the first position.
// Raises ArithmeticFault before any remembered value becomes non-finite.
ExactPendulumPose DrawExactPendulum(Simulation& sim, DrawingSurface& surface, MessageBox& messages, double t,
                                    long long n);

}  // namespace orvalde
