#include "display/SweepTable.h"

#include <cmath>

#include "display/ReadableText.h"

namespace orvalde {
namespace {

std::string Cell(double v, int decimals, const Translator& language, bool sign = false) {
    if (!std::isfinite(v)) return "\u2013";
    const std::string text = language.number(v, decimals);
    return sign && text.front() != '-' ? "+" + text : text;
}

}  // namespace

std::array<std::string, kSweepColumns> SweepHeadings(const Translator& language) {
    return {language.tr(text::kSweepHeight), language.tr(text::kSweepAngle), language.tr(text::kSweepCycloid),
            language.tr(text::kSweepExact), language.tr(text::kSweepDifference)};
}

std::array<std::string, kSweepColumns> SweepCells(const SweepRow& r, const Translator& language) {
    return {Cell(r.height, 2, language), Cell(r.angle, 1, language), Cell(r.cycloid, 3, language),
            Cell(r.exact, 3, language), Cell(r.difference, 2, language, true)};
}

}  // namespace orvalde
