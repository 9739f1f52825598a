#pragma once

#include "app/Simulation.h"

namespace orvalde {

// Inclination of the string to the horizontal and the net force on the
// circular bob at (x, y), hung from (pivotX, pivotY) on a string of length
// len, released from startY (speed from energy, not from the state).
struct CircularForces {
    double theta = 0;  // atan((pivotY - y) / (pivotX - x)); +-pi/2 when vertical
    double tension = 0;
    double fx = 0;
    double fy = 0;
};

CircularForces CircularForcesAt(double pivotX, double pivotY, double x, double y, double startY, double len,
                                double weight);

// dy_i/dt of the circular pendulum's state (vx, vy, x, y, carried...): the
// accelerations for i = 0, 1, the velocities for 2, 3 and 0 for any other index.
double CircularDerivative(Simulation& sim, double t, const double* state, int i);

}  // namespace orvalde
