#include "lab/LabParameters.h"

#include <cmath>

#include "lab/LabTexts.h"

namespace orvalde {

double NaturalFrequency(const LabParameters& p) { return std::sqrt(p.gravity / p.length); }

std::string RefuseParameters(const LabParameters& p) {
    using namespace labtext;
    if (!std::isfinite(p.gravity) || p.gravity <= 0) return Format(kGravityRefused, p.gravity);
    if (!std::isfinite(p.length) || p.length <= 0) return Format(kLengthRefused, p.length);
    if (!std::isfinite(p.mass) || p.mass <= 0) return Format(kMassRefused, p.mass);
    if (!std::isfinite(p.damping) || p.damping < 0) return Format(kDampingRefused, p.damping);
    const double limit = 2 * NaturalFrequency(p);
    if (p.damping >= limit) return Format(kDampingTooStrong, p.damping, limit);
    return {};
}

std::string RefuseHeight(double height, double length) {
    if (!std::isfinite(height) || height <= 0 || height > length / 2)
        return labtext::Format(labtext::kHeightRefused, height, length / 2);
    return {};
}

std::string RefuseHeights(const std::vector<double>& heights, double length) {
    if (heights.empty()) return labtext::kNoHeights;
    if (heights.size() > kMaxBobs) return labtext::Format(labtext::kTooManyHeights, static_cast<double>(kMaxBobs));
    for (double h : heights) {
        if (std::string why = RefuseHeight(h, length); !why.empty()) return why;
    }
    return {};
}

}  // namespace orvalde
