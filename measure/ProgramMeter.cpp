#include "measure/ProgramMeter.h"

#include <algorithm>
#include <cmath>

#include "measure/PeriodTheory.h"

namespace orvalde {
namespace {

// The apparatus's fixed geometry, from the values the ticks themselves set.
struct Geometry {
    double a, pi, length;
};
Geometry GeometryOf(const Simulation& sim) {
    const double a = sim.constants.circleRadius;
    return {a, sim.constants.pi, 4 * a};
}

}  // namespace

void ProgramMeter::begin(BobKind bob, const Release& release, double lowestX, double t0, double x0) {
    const std::size_t i = static_cast<std::size_t>(bob);
    data.runCount[i] += 1;
    data.runs[i] = StartRun(release, lowestX, t0, x0);
    if (bob == BobKind::Cycloid || bob == BobKind::Exact) data.lags.clear();
    data.revision += 1;
}

void ProgramMeter::sample(BobKind bob, double t, double x) {
    BobRun& run = data.run(bob);
    data.revision += 1;
    if (!AddSample(run, t, x)) return;
    const int runNumber = data.runCount[static_cast<std::size_t>(bob)];
    data.passLog.push_back({bob, runNumber, run.passes.back(), run.release.theory});
    if (run.periods == 0) return;
    if (run.periods == 1) data.session.push_back({bob, runNumber, run.release, 0, 0});
    for (auto it = data.session.rbegin(); it != data.session.rend(); ++it) {
        if (it->bob == bob && it->run == runNumber) {
            it->meanPeriod = run.meanPeriod();
            it->periods = run.periods;
            break;
        }
    }
    if (bob != BobKind::Circular) updateLags();
}

void ProgramMeter::updateLags() {
    const BobRun& cycloid = data.run(BobKind::Cycloid);
    const BobRun& exact = data.run(BobKind::Exact);
    const std::size_t both = std::min(cycloid.passes.size(), exact.passes.size());
    while (data.lags.size() < both) {
        const std::size_t i = data.lags.size();
        LagRecord lag;
        lag.swing = static_cast<int>(i) + 1;
        lag.seconds = exact.passes[i].time - cycloid.passes[i].time;
        lag.fraction = lag.seconds / cycloid.release.theory;
        data.lags.push_back(lag);
    }
}

void ProgramMeter::cycloidTicked(const CycloidTickEvent& e) {
    const Geometry g = GeometryOf(e.sim);
    const double h = e.sim.constants.timeStep;
    if (e.ticksBefore == 0) {
        const CycloidState& b = e.before;
        Release cycloid;
        cycloid.y = b.bobY;
        cycloid.height = b.bobY + 2 * g.a;
        // The string runs from the bob to where it leaves the cheek.
        cycloid.angle = std::atan2(std::fabs(b.contactX - b.bobX), b.contactY - b.bobY);
        cycloid.theory = CycloidPeriod(g.length);
        begin(BobKind::Cycloid, cycloid, -g.pi * g.a, 0, b.bobX);

        Release exact;
        exact.y = e.sim.counters.circularStartY;
        exact.height = exact.y + 2 * g.a;
        exact.angle = e.report.exact.startAngle;
        exact.theory = CircularPeriod(g.length, exact.angle);
        // The exact bob is placed for the time the tick began with: its first
        // sample is the release itself.
        begin(BobKind::Exact, exact, g.pi * g.a, e.report.t, e.report.exact.bobX);
    } else {
        sample(BobKind::Exact, e.report.t, e.report.exact.bobX);
    }
    sample(BobKind::Cycloid, static_cast<double>(e.sim.counters.cycloidTicks) * h, e.sim.cycloid.bobX);
}

void ProgramMeter::circularTicked(const CircularTickEvent& e) {
    const Geometry g = GeometryOf(e.sim);
    if (e.ticksBefore == 0) {
        Release release;
        release.y = e.startY;
        release.height = e.startY + 2 * g.a;
        release.angle = CircularReleaseAngle(g.length, 2 * g.a, e.startY);
        release.theory = CircularPeriod(g.length, release.angle);
        begin(BobKind::Circular, release, g.pi * g.a, 0, e.startX);
    }
    sample(BobKind::Circular, static_cast<double>(e.sim.counters.circularTicks) * e.sim.constants.timeStep, e.report.x);
}

}  // namespace orvalde
