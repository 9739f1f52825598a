#pragma once
// "Save measurements…": every pass of the session and the last sweep as CSV.

#include <string>

#include "language/Translator.h"
#include "measure/Measurements.h"

namespace orvalde {

// Header "pendulum,run,swing,time,period,theory", then one row per pass in the
// order measured; period is empty for the first two passes of a run. Numbers
// are in simulated seconds with 17 significant digits, in the C locale's
// format whatever the language.
// After a sweep, an empty line ends the passes and a second table follows
// with its own header "start,height,angle,cycloid_period,exact_period,
// difference_percent": one row per start (height in m above the lowest
// point, the circular string's angle in degrees, periods in s, difference in
// %), empty where a period was not measured.
std::string MeasurementsCsv(const Measurements& m);

// Writes text to path. On failure returns false and sets error to one
// sentence, in the given language, naming the file and the reason; nothing
// else is touched.
bool WriteTextFile(const std::string& path, const std::string& text, std::string& error,
                   const Translator& language = Translator::english());

}  // namespace orvalde
