#pragma once
// "Measure all release heights" as rows: per start the release height, the
// circular string's angle, the cycloid's and the exact circular pendulum's
// measured periods and how far apart they are.

#include <vector>

#include "measure/SweepPoint.h"

namespace orvalde {

struct SweepRow {
    int start = 0;          // scroll value
    double height = 0;      // m above the lowest point
    double angle = 0;       // degrees from the vertical, of the circular string
    double cycloid = 0;     // s; NaN where no full period was measured
    double exact = 0;       // s; NaN likewise
    double difference = 0;  // (exact - cycloid) / cycloid in %; NaN unless both
};

std::vector<SweepRow> SweepRows(const std::vector<SweepPoint>& sweep);

}  // namespace orvalde
