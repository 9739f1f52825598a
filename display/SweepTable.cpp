#include "display/SweepTable.h"

#include <cmath>
#include <cstdio>

#include "display/ReadableText.h"

namespace orvalde {
namespace {

std::string Cell(const char* format, double v) {
    if (!std::isfinite(v)) return "\u2013";
    char text[40];
    std::snprintf(text, sizeof text, format, v);
    return text;
}

}  // namespace

std::array<std::string, kSweepColumns> SweepHeadings() {
    return {text::kSweepHeight, text::kSweepAngle, text::kSweepCycloid, text::kSweepExact, text::kSweepDifference};
}

std::array<std::string, kSweepColumns> SweepCells(const SweepRow& r) {
    return {Cell("%.2f", r.height), Cell("%.1f", r.angle), Cell("%.3f", r.cycloid), Cell("%.3f", r.exact),
            Cell("%+.2f", r.difference)};
}

}  // namespace orvalde
