#pragma once
// "Save measurements…": every pass of the session as CSV.

#include <string>

#include "language/Translator.h"
#include "measure/Measurements.h"

namespace orvalde {

// Header "pendulum,run,swing,time,period,theory", then one row per pass in the
// order measured; period is empty for the first two passes of a run. Numbers
// are in simulated seconds with 17 significant digits, in the C locale's
// format whatever the language.
std::string MeasurementsCsv(const Measurements& m);

// Writes text to path. On failure returns false and sets error to one
// sentence, in the given language, naming the file and the reason; nothing
// else is touched.
bool WriteTextFile(const std::string& path, const std::string& text, std::string& error,
                   const Translator& language = Translator::english());

}  // namespace orvalde
