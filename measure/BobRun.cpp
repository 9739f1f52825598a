#include "measure/BobRun.h"

namespace orvalde {
namespace {

int SideOf(double d) { return d > 0 ? 1 : (d < 0 ? -1 : 0); }

void RecordPass(BobRun& run, double time) {
    PassRecord pass;
    pass.swing = static_cast<int>(run.passes.size()) + 1;
    pass.time = time;
    if (run.passes.size() >= 2) {
        pass.period = time - run.passes[run.passes.size() - 2].time;
        run.periods += 1;
        run.periodSum += pass.period;
        run.lastPeriod = pass.period;
    }
    run.passes.push_back(pass);
}

void KeepTrace(BobRun& run, double t, double d) {
    // Drop the older half now and then rather than shifting on every sample.
    if (run.trace.size() >= 2 * kTraceSamples) {
        run.traceDropped += run.trace.size() - kTraceSamples;
        run.trace.erase(run.trace.begin(), run.trace.end() - static_cast<std::ptrdiff_t>(kTraceSamples));
    }
    run.trace.push_back({t, d});
}

}  // namespace

const char* BobName(BobKind bob) {
    switch (bob) {
        case BobKind::Cycloid: return "cycloid";
        case BobKind::Exact: return "exact";
        case BobKind::Circular: return "circular";
    }
    return "?";
}

BobRun StartRun(const Release& release, double lowestX, double t0, double x0) {
    BobRun run;
    run.release = release;
    run.lowestX = lowestX;
    AddSample(run, t0, x0);
    return run;
}

bool AddSample(BobRun& run, double t, double x) {
    const double d = x - run.lowestX;
    KeepTrace(run, t, d);
    run.time = t;
    if (!run.haveSample) {
        run.haveSample = true;
        run.lastTime = t;
        run.lastDisplacement = d;
        run.side = SideOf(d);
        return false;
    }
    bool passed = false;
    const int side = SideOf(d);
    if (side == 0) {
        // Exactly at the bottom: whether it is a pass shows at the next sample.
        if (run.side != 0 && !run.zeroPending) {
            run.zeroPending = true;
            run.zeroTime = t;
        }
    } else {
        if (run.zeroPending) {
            if (side != run.side) {
                RecordPass(run, run.zeroTime);
                passed = true;
            }
            run.zeroPending = false;
        } else if (run.side != 0 && side != run.side) {
            // Linear interpolation: near the bottom the bob moves at nearly
            // constant speed, so the error is far below a tick.
            const double fraction = run.lastDisplacement / (run.lastDisplacement - d);
            RecordPass(run, run.lastTime + (t - run.lastTime) * fraction);
            passed = true;
        }
        run.side = side;
    }
    run.lastTime = t;
    run.lastDisplacement = d;
    return passed;
}

}  // namespace orvalde
