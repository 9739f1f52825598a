#pragma once
// The one owner of the program's state: shared values and the persistent
// values of the procedures that remember what they drew.

#include "app/SimulationState.h"
#include "circular/CircularStepMemory.h"
#include "cycloid/CycloidStepMemory.h"

namespace orvalde {

struct Simulation {
    Constants constants;
    CurveTables tables;
    CycloidState cycloid;
    CircularState circular;
    Counters counters;

    CycloidStepMemory cycloidStep;
    ExactPendulumMemory exactPendulum;
    CircularStepMemory circularStep;
};

}  // namespace orvalde
