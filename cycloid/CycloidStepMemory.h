#pragma once
// What the cycloidal tick keeps from one tick to the next: its integrator
// arrays and what it drew last, so that the next tick can erase it.

#include <array>

namespace orvalde {

struct CycloidStepMemory {
    std::array<double, 8> cycloidState{};
    std::array<double, 8> cycloidStateNext{};
    double bobPathAngle = 0;
    double lastBobX = 0, lastBobY = 0;
    double lastContactX = 0, lastContactY = 0;
    double lastVX = 0, lastVY = 0;
    double lastForceX = 0, lastForceY = 0;
    double lastCircleX = 0, lastCircleY = 0, lastCircleR = 0;
};

// What the exact circular pendulum drew last, and its first-tick position.
struct ExactPendulumMemory {
    double lastExactBobX = 0, lastExactBobY = 0;
    double lastExactForceX = 0, lastExactForceY = 0;
    double firstExactBobX = 0, firstExactBobY = 0;
};

}  // namespace orvalde
