#pragma once
// The cycloidal bob's step taken along the arch, for where the step in x
// fails: next to a cusp, x grows as the cube of the distance along the arch,
// so the force as a function of x stiffens without bound and one step of
// 0.1 s overshoots, leaks energy or leaves the arch.

#include "app/Simulation.h"

namespace orvalde {

// Whether a bob at height y is close enough to the cusps' level (y = 0) to be
// stepped along the arch. The (0, 0) that FindCycloidPoint returns for an x
// off the arch counts as close.
bool NearCusp(double y);

struct ArchMotion {
    double vx = 0, vy = 0, x = 0;
};

// Advances the bob at abscissa x with velocity (vx, vy) by h along the arch.
// Its speed is taken from the fall below cycloidStartY, its direction from
// the velocity; a bob that reaches a cusp turns there. The result lies on
// the arch and moves along its tangent. Sets sim.constants.pi.
ArchMotion StepAlongArch(Simulation& sim, double x, double vx, double vy, double h);

}  // namespace orvalde
