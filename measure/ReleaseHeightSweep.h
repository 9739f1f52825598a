#pragma once
// "Measure all release heights": the whole program run without drawing from
// many starts of the scroll bar, each in its own instance, with the same
// meter the window uses. Nothing is shared between starts, so they may run
// on any thread.

#include <atomic>
#include <functional>
#include <string>
#include <vector>

#include "measure/SweepPoint.h"

namespace orvalde {

inline constexpr int kSweepStarts = 25;
inline constexpr int kSweepPeriods = 2;
// Ticks after which a bob that has not completed its periods is given up.
inline constexpr int kSweepTickLimit = 2000;

// `count` scroll values spread evenly over [minimum, maximum], both ends
// included, without repeats.
std::vector<int> SweepStarts(int minimum, int maximum, int count = kSweepStarts);

// The program started as a user does it ("TIME ON", then "time on KYKLIKO"),
// ticked until every bob has measured `periods` full periods.
SweepPoint MeasureStart(int start, int periods = kSweepPeriods);

// Measures every start in order. progress(done, total) is called after each;
// the sweep stops early, returning what it has, once `cancel` is set.
std::vector<SweepPoint> MeasureReleaseHeights(const std::vector<int>& starts, const std::atomic<bool>& cancel,
                                              const std::function<void(int, int)>& progress = {});

// A sweep as a worker thread runs it: it never throws. A start that fails
// ends the sweep with the points measured before it and the reason.
struct SweepOutcome {
    std::vector<SweepPoint> points;
    std::string error;  // empty when every start measured (or it was cancelled)
};

// `measure` stands in for MeasureStart when given.
SweepOutcome RunSweep(const std::vector<int>& starts, const std::function<bool()>& cancelled,
                      const std::function<void(int, int)>& progress = {},
                      const std::function<SweepPoint(int)>& measure = {});

}  // namespace orvalde
