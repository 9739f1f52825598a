#pragma once
// What assistive technology says about the lesson, in English, the same in
// both editions: the drawing's description (where each bob is), the quiet
// summary of the measurements, the scroll bar's value as a release height,
// and the readout's lines.

#include <string>
#include <vector>

#include "app/Simulation.h"
#include "measure/Measurements.h"
#include "language/Translator.h"
#include "measure/PlotModel.h"

namespace orvalde {

class Lesson;

// The drawing's accessible name.
std::string DrawingName();

// What is drawn and where each running bob is. Shells refresh it at most
// once a second.
std::string DescribeDrawing(const Lesson& lesson);

// The measured and theoretical periods, rounded so that the text changes
// only when a measurement does: a live region that stays quiet while a
// steady pendulum swings.
std::string MeasurementsSummary(const Measurements& m);

// The scroll bar's value as the height above the lowest point the bob is
// let go from, in metres.
std::string ReleaseHeightText(const Simulation& sim, int value);

// A plot's text alternative: its axes, and each series' points (a line by
// its ends, markers one by one, the latest first when there are many).
std::string PlotText(const PlotModel& plot);

// The readout's lines, or what it says before anything was measured.
std::vector<std::string> ReadoutText(const Measurements& m, const Translator& language = Translator::english());

}  // namespace orvalde
