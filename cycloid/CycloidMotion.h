#pragma once
// Forces on the cycloidal pendulum's bob and the derivative function that the
// integrator calls for its seven-component state.

#include "app/Simulation.h"
#include "cycloid/PathGeometry.h"

namespace orvalde {

// The free string and the forces on the bob (mass 1) at one arch point.
struct CycloidForces {
    double contactX = 0;  // where the free string leaves the cheek
    double contactY = 0;
    double psi = 0;  // string inclination, in (-pi/2, pi/2); +-pi/2 when vertical
    double tension = 0;
    double fx = 0;  // net force: tension plus weight
    double fy = 0;
    bool vertical = false;  // bob straight below the contact point (lowest point)
};

// Forces at the bob's abscissa x and its arch point p (from FindCycloidPoint),
// with radius = CurvatureRadius at p.angle and archWidth = 2 pi a as the
// caller computed it. Reads pi, circleRadius, bobWeight and cycloidStartY; the
// speed comes from the fall below cycloidStartY. Finite for every finite x.
CycloidForces CycloidForcesAt(const Simulation& sim, double archWidth, double x, const CycloidPoint& p, double radius);

// Component i of the state's time derivative: 0, 1 the acceleration, 2, 3 the
// velocity state[0], state[1], anything else 0. t is unused. Every call sets
// stringLength = 4a, pi and bobWeight = 10.
double CycloidDerivative(Simulation& sim, double t, const double* state, int i);

}  // namespace orvalde
