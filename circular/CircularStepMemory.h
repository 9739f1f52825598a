#pragma once
// What the circular tick keeps from one tick to the next.

#include <array>

namespace orvalde {

struct CircularStepMemory {
    std::array<double, 8> circularState{};
    std::array<double, 8> circularStateNext{};
    double circularVX = 0, circularVY = 0;
    double lastCircularBobX = 0, lastCircularBobY = 0;
    double lastCircularVX = 0, lastCircularVY = 0;
    double lastCircularForceX = 0, lastCircularForceY = 0;
};

}  // namespace orvalde
