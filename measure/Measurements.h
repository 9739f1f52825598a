#pragma once
// Everything measured in a session, in one plain structure held by the
// program that owns the meter: the current run of each bob, the lag of the
// exact circular bob behind the cycloidal one, every run of the session and
// the points of the last "Measure all release heights".

#include <array>
#include <cstdint>
#include <vector>

#include "measure/BobRun.h"
#include "measure/SweepPoint.h"

namespace orvalde {

struct LagRecord {
    int swing = 0;
    double seconds = 0;   // exact pass time minus cycloidal pass time
    double fraction = 0;  // the same as a fraction of the cycloid's period
};

// One run of one bob, for the period-against-height plot.
struct SessionRun {
    BobKind bob = BobKind::Cycloid;
    int run = 0;  // 1 for the bob's first run of the session
    Release release;
    double meanPeriod = 0;
    int periods = 0;
};

// A pass as saved to a file: which bob and run it belongs to.
struct PassLogEntry {
    BobKind bob = BobKind::Cycloid;
    int run = 0;
    PassRecord pass;
    double theory = 0;
};

struct Measurements {
    std::array<BobRun, kBobCount> runs;
    std::array<int, kBobCount> runCount{};  // runs begun per bob; 0: never ran
    std::vector<LagRecord> lags;            // for the current cycloidal run
    std::vector<SessionRun> session;
    std::vector<PassLogEntry> passLog;
    std::vector<SweepPoint> sweep;
    std::uint64_t revision = 0;  // changes with every change, so views redraw only when needed

    const BobRun& run(BobKind bob) const { return runs[static_cast<std::size_t>(bob)]; }
    BobRun& run(BobKind bob) { return runs[static_cast<std::size_t>(bob)]; }
    bool hasRun(BobKind bob) const { return runCount[static_cast<std::size_t>(bob)] > 0; }
};

}  // namespace orvalde
