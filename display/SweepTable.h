#pragma once
// The sweep's rows as the measurements panel shows them.

#include <array>
#include <string>

#include "language/Translator.h"
#include "measure/SweepRows.h"

namespace orvalde {

inline constexpr int kSweepColumns = 5;

// The column headings and the cells rounded for reading, in `language`: 2
// decimals for the height, 1 for the angle, 3 for periods, 2 and a sign for
// the difference; "–" where nothing was measured.
std::array<std::string, kSweepColumns> SweepHeadings(const Translator& language = Translator::english());
std::array<std::string, kSweepColumns> SweepCells(const SweepRow& row,
                                                  const Translator& language = Translator::english());

}  // namespace orvalde
