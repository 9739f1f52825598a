#pragma once
// One run of one bob, as the period meter sees it: the release, every pass
// through the lowest point (interpolated between the ticks around it) and the
// full periods measured from them.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace orvalde {

enum class BobKind { Cycloid = 0, Exact = 1, Circular = 2 };
inline constexpr int kBobCount = 3;

// "cycloid", "exact" or "circular": the names scripts and files use.
const char* BobName(BobKind bob);

struct Release {
    double y = 0;       // world height the bob was let go from
    double height = 0;  // the same above the bob's lowest point
    double angle = 0;   // string's inclination from the vertical, radians
    double theory = 0;  // period the theory gives for this release, seconds
};

struct PassRecord {
    int swing = 0;      // 1 for the first pass of the run
    double time = 0;    // simulated seconds since the run began
    double period = 0;  // time since the pass two before; 0 for the first two passes
};

// Displacement from the lowest point at a sampled time.
struct DisplacementSample {
    double time = 0;
    double displacement = 0;
};

struct BobRun {
    Release release;
    double lowestX = 0;
    std::vector<PassRecord> passes;
    std::vector<DisplacementSample> trace;  // the most recent samples, bounded
    std::size_t traceDropped = 0;           // samples dropped from the trace's front so far
    double time = 0;                        // latest sample's simulated time
    int periods = 0;
    double periodSum = 0;
    double lastPeriod = 0;

    // Crossing detector: the previous sample and the side of the lowest point
    // the bob was last seen on (-1, +1, or 0 before it ever left it).
    bool haveSample = false;
    double lastTime = 0, lastDisplacement = 0;
    int side = 0;
    bool zeroPending = false;  // a sample fell exactly on the lowest point
    double zeroTime = 0;

    double meanPeriod() const { return periods > 0 ? periodSum / periods : 0; }
};

// The trace keeps at least this many of the latest samples.
inline constexpr std::size_t kTraceSamples = 3000;

// A new run released at (t0, x0); the first sample is taken there.
BobRun StartRun(const Release& release, double lowestX, double t0, double x0);

// Feeds the bob's position x at simulated time t (later than the previous
// sample). Returns true when the sample completed a pass, which is then
// run.passes.back(). A pass that falls exactly on a sample counts once; it is
// recorded when the next sample shows the bob on the other side.
bool AddSample(BobRun& run, double t, double x);

}  // namespace orvalde
