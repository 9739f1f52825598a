#pragma once
// The arch of the cycloid the bob moves on, x(phi) = a(phi - sin phi) - 2 pi a,
// y(phi) = a cos phi - a, phi from 0 (left cusp) to 2 pi (right cusp).

#include "app/Simulation.h"

namespace orvalde {

// A point on the arch; (0, 0) means that no point was found.
struct CycloidPoint {
    double y = 0;
    double angle = 0;
};

// x of the arch at parameter phi. Sets sim.constants.pi.
double CycloidX(Simulation& sim, double phi, double a);

// The arch point at abscissa x: coarse scan, then bisection to within 1e-7 in x.
// Returns (0, 0) for an x off the arch. Sets sim.constants.pi.
CycloidPoint FindCycloidPoint(Simulation& sim, double x, double a);

// Radius of curvature of the arch at phi (a = circleRadius), which is also the
// free length of the string: 4a|sin(phi/2)|, 0 at the cusps.
double CurvatureRadius(const Simulation& sim, double phi);

}  // namespace orvalde
