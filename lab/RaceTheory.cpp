#include "lab/RaceTheory.h"

#include <cmath>
#include <numbers>

#include "numerics/CarlsonRF.h"

namespace orvalde {
namespace {

struct Quiet {
    void show(const std::string&) {}
};

}  // namespace

double CycloidArrivalTheory(const LabParameters& p) {
    const double w0 = NaturalFrequency(p);
    if (p.damping == 0) return std::numbers::pi / 2 / w0;
    const double wd = std::sqrt(w0 * w0 - p.damping * p.damping / 4);
    return (std::numbers::pi - std::atan(2 * wd / p.damping)) / wd;
}

std::optional<double> CircleArrivalTheory(const LabParameters& p, double height) {
    if (p.damping != 0) return std::nullopt;
    const double theta0 = std::acos(1 - height / p.length);
    const double k = std::sin(theta0 / 2);
    Quiet quiet;  // k ≤ sin 30° is always in R_F's domain
    return CarlsonRF(0, 1 - k * k, 1, quiet) * std::sqrt(p.length / p.gravity);
}

}  // namespace orvalde
