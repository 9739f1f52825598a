#pragma once
// Shared set-ups for tests that call the physics and drawing routines directly.

#include <cmath>
#include <vector>

#include "app/KeptValues.h"
#include "app/Simulation.h"

namespace orvalde::testsupport {

inline const double kPi = 4 * std::atan(1.0);

// The apparatus's constants: pi set, a = 20, W = 10 (the string length is
// left for the routines under test to set).
inline Simulation Apparatus() {
    Simulation sim;
    sim.constants.pi = kPi;
    sim.constants.circleRadius = 20;
    sim.constants.bobWeight = 10;
    return sim;
}

// Every kept value, to compare before and after a handler.
inline std::vector<double> Flatten(const Simulation& sim) {
    std::vector<double> values;
    for (const KeptValue& v : KeptValues(sim)) values.push_back(v.value);
    return values;
}

}  // namespace orvalde::testsupport
