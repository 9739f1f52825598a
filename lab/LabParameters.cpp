#include "lab/LabParameters.h"

#include <cmath>

#include "lab/LabTexts.h"

namespace orvalde {

double NaturalFrequency(const LabParameters& p) { return std::sqrt(p.gravity / p.length); }

namespace {

std::string Refusal(const Translator& language, const char* text, double value, double limit = 0) {
    return Fill(language.tr(text),
                {{"value", labtext::Number(language, value)}, {"limit", labtext::Number(language, limit, "%.4g")}});
}

}  // namespace

std::string RefuseParameters(const LabParameters& p, const Translator& language) {
    using namespace labtext;
    if (!std::isfinite(p.gravity) || p.gravity <= 0) return Refusal(language, kGravityRefused, p.gravity);
    if (!std::isfinite(p.length) || p.length <= 0) return Refusal(language, kLengthRefused, p.length);
    if (!std::isfinite(p.mass) || p.mass <= 0) return Refusal(language, kMassRefused, p.mass);
    if (!std::isfinite(p.damping) || p.damping < 0) return Refusal(language, kDampingRefused, p.damping);
    const double limit = 2 * NaturalFrequency(p);
    if (p.damping >= limit) return Refusal(language, kDampingTooStrong, p.damping, limit);
    return {};
}

std::string RefuseHeight(double height, double length, const Translator& language) {
    if (!std::isfinite(height) || height <= 0 || height > length / 2)
        return Fill(language.tr(labtext::kHeightRefused),
                    {{"value", labtext::Number(language, height)}, {"limit", labtext::Number(language, length / 2)}});
    return {};
}

std::string RefuseHeights(const std::vector<double>& heights, double length, const Translator& language) {
    if (heights.empty()) return language.tr(labtext::kNoHeights);
    if (heights.size() > kMaxBobs) return labtext::TooManyHeights(kMaxBobs, language);
    for (double h : heights) {
        if (std::string why = RefuseHeight(h, length, language); !why.empty()) return why;
    }
    return {};
}

}  // namespace orvalde
