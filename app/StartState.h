#pragma once

#include "app/Simulation.h"

namespace orvalde {

// The cycloidal pendulum at rest at scroll position x0, and both release
// heights. Leaves the tick counter alone.
void TakeStartState(Simulation& sim, int x0);

}  // namespace orvalde
