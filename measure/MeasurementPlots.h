#pragma once
// The panel's two plots built from what was measured, and its readout lines.
// Shared by every edition; they differ only in how they draw. Texts and
// numbers are in the translator's language.

#include <string>
#include <vector>

#include "language/Translator.h"
#include "measure/Measurements.h"
#include "measure/PlotModel.h"

namespace orvalde {

inline constexpr Rgb kCycloidColour{20, 60, 220};
inline constexpr Rgb kExactColour{220, 30, 30};
inline constexpr Rgb kCircularColour{230, 140, 0};

// Seconds of the latest motion the displacement plot shows.
inline constexpr double kDisplacementWindow = 120;

// Period against release height above the lowest point: both theory curves
// over every height the scroll bar offers (0 to half the string), every run of
// the session and the sweep's points.
PlotModel PeriodPlot(const Measurements& m, const Translator& language = Translator::english(),
                     double stringLength = 80);

// Horizontal displacement from the lowest point against time for the
// cycloidal and the exact circular bob of the current run, overlaid.
PlotModel DisplacementPlot(const Measurements& m, const Translator& language = Translator::english());

// One line per bob that has run (time, passes through the lowest point, last
// and mean period with the theory) and one for the lag.
std::vector<std::string> ReadoutLines(const Measurements& m, const Translator& language = Translator::english());

// The bob's name as the panel shows it: "cycloidal", "exact circular",
// "integrated circular".
const char* BobTitle(BobKind bob, const Translator& language = Translator::english());

}  // namespace orvalde
