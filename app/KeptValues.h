#pragma once
// Every number the program keeps between events, by name: for checking that
// all of them stay finite, or that a handler left them alone.

#include <vector>

#include "app/Simulation.h"

namespace orvalde {

struct KeptValue {
    const char* name;
    double value;
};

std::vector<KeptValue> KeptValues(const Simulation& sim);

}  // namespace orvalde
