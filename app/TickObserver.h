#pragma once
// Told about every tick the form completes, so that measuring can follow the
// bobs without the handlers knowing about it.

#include <cstdint>

#include "app/Simulation.h"
#include "circular/CircularStep.h"
#include "cycloid/CycloidStep.h"

namespace orvalde {

// A finished cycloidal tick. ticksBefore == 0 means the tick began a run:
// `before` then holds the state the bob was released from.
struct CycloidTickEvent {
    const Simulation& sim;
    const CycloidState& before;
    std::int64_t ticksBefore;
    const CycloidTickReport& report;
};

// A finished circular tick. On the first tick of a run (ticksBefore == 0)
// startX/startY are where the bob was placed at rest.
struct CircularTickEvent {
    const Simulation& sim;
    std::int64_t ticksBefore;
    double startX, startY;
    const CircularTickReport& report;
};

class TickObserver {
public:
    virtual ~TickObserver() = default;
    virtual void cycloidTicked(const CycloidTickEvent& event) = 0;
    virtual void circularTicked(const CircularTickEvent& event) = 0;
};

}  // namespace orvalde
