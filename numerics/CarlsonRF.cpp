#include "numerics/CarlsonRF.h"

#include <cmath>
#include <numbers>
#include <optional>

namespace orvalde {
namespace {

constexpr char kInvalidArguments[] = "invalid arguments in rf";
constexpr double kTiny = 1.5e-38;  // least sum of any two arguments

// Above this the duplication's sums would overflow; such arguments are scaled
// by a power of 4, under which every step of the duplication is exact.
constexpr double kScaleAbove = 1e300;
constexpr int kScaleExponent = 200;  // arguments times 2^-200, result times 2^100

// Duplication until every relative deviation from the mean is below ERRTOL,
// then the fifth-order series. The arguments have passed the check.
double duplicate(double x, double y, double z, int& passes) {
    const double ERRTOL = 0.08, THIRD = 1.0 / 3.0;
    const double C1 = 1.0 / 24.0, C2 = 0.1, C3 = 3.0 / 44.0, C4 = 1.0 / 14.0;
    double xt = x, yt = y, zt = z;
    double ave, dx, dy, dz;
    passes = 0;
    do {
        const double sx = std::sqrt(xt), sy = std::sqrt(yt), sz = std::sqrt(zt);
        const double lambda = sx * (sy + sz) + sy * sz;
        xt = 0.25 * (xt + lambda);
        yt = 0.25 * (yt + lambda);
        zt = 0.25 * (zt + lambda);
        ave = THIRD * ((xt + yt) + zt);
        dx = (ave - xt) / ave;
        dy = (ave - yt) / ave;
        dz = (ave - zt) / ave;
        ++passes;
    } while (!(FMax(FMax(std::fabs(dx), std::fabs(dy)), std::fabs(dz)) < ERRTOL));
    const double e2 = dx * dy - dz * dz;
    const double e3 = dx * dy * dz;
    return (1.0 + (C1 * e2 - C2 - C3 * e3) * e2 + C4 * e3) / std::sqrt(ave);
}

// R_F, or nothing for arguments it is not defined for. Besides negatives and
// pairs summing below kTiny, that is three zeros (R_F is infinite there) and
// anything not finite (the duplication would never settle).
std::optional<double> checkedRF(double x, double y, double z, int* passes) {
    const double m0 = FMin(FMin(x, y), z);
    const double m1 = FMin(FMin(x + y, x + z), y + z);
    const double M = FMax(FMax(x, y), z);
    int count = 0;
    if (passes) *passes = 0;
    if (m0 < 0 || (m1 < kTiny && M > 0) || M == 0) return std::nullopt;
    if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(z)) return std::nullopt;

    double result;
    if (M > kScaleAbove) {
        result = duplicate(std::ldexp(x, -kScaleExponent), std::ldexp(y, -kScaleExponent),
                           std::ldexp(z, -kScaleExponent), count);
        result = std::ldexp(result, -kScaleExponent / 2);
    } else {
        result = duplicate(x, y, z, count);
    }
    if (passes) *passes = count;
    return result;
}

// F for |phi| up to a quarter turn, where sin phi fixes the integral.
std::optional<double> principalF(double phi, double k) {
    const double s = std::sin(phi), c = std::cos(phi);
    const auto rf = checkedRF(c * c, 1.0 - (k * k) * (s * s), 1.0, nullptr);
    if (!rf) return std::nullopt;
    return s * *rf;
}

}  // namespace

double CarlsonRF(double x, double y, double z, MessageCallback report, int* passes) {
    const auto rf = checkedRF(x, y, z, passes);
    if (!rf) {
        report(kInvalidArguments);
        return 0.0;
    }
    return *rf;
}

double EllipticF(double phi, double k, MessageCallback report) {
    constexpr double pi = std::numbers::pi;
    std::optional<double> f;
    if (std::isfinite(phi) && std::fabs(phi) > pi / 2) {
        // sin phi alone cannot tell phi from pi - phi; each half turn adds 2K.
        const double r = std::remainder(phi, pi);
        const double turns = std::nearbyint((phi - r) / pi);
        const auto K = checkedRF(0.0, 1.0 - k * k, 1.0, nullptr);
        if (K) f = principalF(r, k);
        if (f) *f += 2.0 * turns * *K;
    } else {
        f = principalF(phi, k);
    }
    if (!f) {
        report(kInvalidArguments);
        return 0.0;
    }
    return *f;
}

}  // namespace orvalde
