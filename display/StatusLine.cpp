#include "display/StatusLine.h"

#include <cmath>

#include "display/ReadableText.h"
#include "display/ReleaseGeometry.h"
#include "language/CNumber.h"
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

std::string ClockText(const char* name, const BobClock& c, Pace pace, const Translator& language) {
    return Fill(language.tr(text::kStatusClock),
                {{"bob", language.tr(name)},
                 {"time", language.number(c.seconds, 1)},
                 {"pace", c.running ? PaceLabel(pace) : language.tr(text::kStatusPaused)}});
}

// As printf's %g, with the language's decimal separator: L and g are whole.
std::string Constant(double value, const Translator& language) {
    std::string text = PrintC(value, 'g', 6);
    if (const auto dot = text.find('.'); dot != std::string::npos) text.replace(dot, 1, language.decimalSeparator());
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

std::string StatusText(const StatusFacts& f, const std::string& hint, const Translator& language) {
    std::string first;
    auto add = [&first](const std::string& part) { first += (first.empty() ? "" : "   \u00b7   ") + part; };
    if (f.cycloid.shown) add(ClockText(text::kStatusCycloid, f.cycloid, f.pace, language));
    if (f.circular.shown) add(ClockText(text::kStatusCircular, f.circular, f.pace, language));
    if (first.empty()) add(language.tr(text::kStatusNothingRuns));

    const ReleasePoint p = ReleaseAt(f.scrollValue, f.circleRadius);
    const std::string release = Fill(
        language.tr(text::kStatusRelease),
        {{"height", language.number(p.height, 2)}, {"angle", language.number(p.angle * 180 / std::acos(-1.0), 1)}});
    const std::string constants =
        Fill(language.tr(text::kStatusConstants),
             {{"length", Constant(f.stringLength, language)}, {"gravity", Constant(f.gravity, language)}});
    return first + "\n" + release + "   \u00b7   " + constants +
           (hint.empty() ? "" : "\n" + std::string(language.tr(hint.c_str())));
}

bool JointButtonNeedsHint(const TimerControl& cycloid, const TimerControl& circular) {
    return cycloid.interval() <= 0 || circular.interval() <= 0;
}

}  // namespace orvalde
