#pragma once

#include <array>

#include "measure/BobRun.h"

namespace orvalde {

// What "Measure all release heights" found for one start of the scroll bar.
struct SweepPoint {
    int start = 0;  // scroll value
    std::array<Release, kBobCount> release;
    std::array<double, kBobCount> meanPeriod{};  // 0 where no full period was measured
    std::array<int, kBobCount> periods{};
};

}  // namespace orvalde
