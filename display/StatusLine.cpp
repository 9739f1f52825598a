#include "display/StatusLine.h"

#include <cmath>
#include <cstdio>

#include "display/ReadableText.h"
#include "display/ReleaseGeometry.h"
#include "measure/PeriodTheory.h"

namespace orvalde {
namespace {

BobClock ClockOf(std::int64_t ticks, double timeStep, const TimerControl& timer) {
    BobClock c;
    c.running = timer.running();
    c.shown = c.running || ticks > 0;
    c.seconds = static_cast<double>(ticks) * timeStep;
    return c;
}

std::string ClockText(const char* name, const BobClock& c, Pace pace) {
    char text[160];
    std::snprintf(text, sizeof text, "%s: t = %.1f s, %s", name, c.seconds,
                  c.running ? PaceLabel(pace) : text::kStatusPaused);
    return text;
}

}  // namespace

StatusFacts ReadStatus(const Simulation& sim, const TimerControl& cycloid, const TimerControl& circular,
                       const ScrollBarControl& bar, Pace pace) {
    StatusFacts f;
    // Before start-up sets it, the step is 0.1 s all the same.
    const double h = sim.constants.timeStep > 0 ? sim.constants.timeStep : 0.1;
    f.cycloid = ClockOf(sim.counters.cycloidTicks, h, cycloid);
    f.circular = ClockOf(sim.counters.circularTicks, h, circular);
    f.pace = pace;
    f.scrollValue = bar.value();
    f.circleRadius = 20;
    f.stringLength = 4 * f.circleRadius;
    f.gravity = kGravity;
    return f;
}

std::string StatusText(const StatusFacts& f, const std::string& hint) {
    std::string first;
    auto add = [&first](const std::string& part) { first += (first.empty() ? "" : "   \u00b7   ") + part; };
    if (f.cycloid.shown) add(ClockText(text::kStatusCycloid, f.cycloid, f.pace));
    if (f.circular.shown) add(ClockText(text::kStatusCircular, f.circular, f.pace));
    if (first.empty()) add(text::kStatusNothingRuns);

    const ReleasePoint p = ReleaseAt(f.scrollValue, f.circleRadius);
    char release[160], constants[80];
    std::snprintf(release, sizeof release, text::kStatusRelease, p.height, p.angle * 180 / std::acos(-1.0));
    std::snprintf(constants, sizeof constants, text::kStatusConstants, f.stringLength, f.gravity);
    return first + "\n" + release + "   \u00b7   " + constants + (hint.empty() ? "" : "\n" + hint);
}

bool JointButtonNeedsHint(const TimerControl& cycloid, const TimerControl& circular) {
    return cycloid.interval() <= 0 || circular.interval() <= 0;
}

}  // namespace orvalde
