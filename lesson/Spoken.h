#pragma once
// What assistive technology says about the lesson, in the given language, the
// same in both editions: the drawing's description (where each bob is), the quiet
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
std::string DrawingName(const Translator& language = Translator::english());

// What is drawn and where each running bob is. Shells refresh it at most
// once a second.
std::string DescribeDrawing(const Lesson& lesson, const Translator& language = Translator::english());

// The measured and theoretical periods, rounded so that the text changes
// only when a measurement does: a live region that stays quiet while a
// steady pendulum swings.
std::string MeasurementsSummary(const Measurements& m, const Translator& language = Translator::english());

// The scroll bar's value as the height above the lowest point the bob is
// let go from, in metres: "39.2 m above the lowest point".
std::string ReleaseHeightText(const Simulation& sim, int value, const Translator& language = Translator::english());
// Only the height's number, to a tenth of a metre ("39,2" in Greek).
std::string ReleaseHeight(const Simulation& sim, int value, const Translator& language = Translator::english());

// A plot's text alternative: its axes, and each series' points (a line by
// its ends, markers one by one, the latest first when there are many).
std::string PlotText(const PlotModel& plot, const Translator& language = Translator::english());

// The readout's lines, or what it says before anything was measured.
std::vector<std::string> ReadoutText(const Measurements& m, const Translator& language = Translator::english());

}  // namespace orvalde
