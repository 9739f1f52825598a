#include "cycloid/PathGeometry.h"

#include <cmath>

namespace orvalde {

namespace {
constexpr int kScanSteps = 50;
constexpr int kMaxHalvings = 30;
constexpr double kTolerance = 1e-7;  // on the abscissa, in world units
}  // namespace

double CycloidX(Simulation& sim, double phi, double a) {
    sim.constants.pi = 4 * std::atan(1.0);
    const double pi = sim.constants.pi;
    return a * phi - 2 * pi * a - a * std::sin(phi);
}

CycloidPoint FindCycloidPoint(Simulation& sim, double x, double a) {
    sim.constants.pi = 4 * std::atan(1.0);
    const double h = 2 * sim.constants.pi / kScanSteps;
    CycloidPoint result;
    double found = 0;

    // The samples are counted, not summed: adding h fifty times overshoots
    // 2 pi and would leave the last interval, next to the right cusp, unscanned.
    bool bracketed = false;
    double lo = 0;
    double prev = 0;
    for (int j = 0; j <= kScanSteps; ++j) {
        const double phi = j * h;
        const double fp = CycloidX(sim, prev, a);
        const double fc = CycloidX(sim, phi, a);
        if (x == fp) {
            found = prev;
            break;
        }
        if ((fp - x) * (fc - x) < 0) {
            bracketed = true;
            lo = prev;
            break;
        }
        prev = phi;
    }

    // Bisection on [lo, lo + h]: the midpoint is always lo + s, so only the
    // lower end needs keeping.
    if (bracketed) {
        double s = h / 2;
        double m = lo + s;
        double fm = CycloidX(sim, m, a);
        for (int k = 0;; ++k) {
            if (k > kMaxHalvings) return result;
            // The midpoint itself meets the tolerance, so it is the answer.
            if (std::fabs(fm - x) < kTolerance) {
                found = m;
                break;
            }
            if (fm < x) lo = m;
            s /= 2;
            m = lo + s;
            fm = CycloidX(sim, m, a);
        }
    }

    result.y = a * std::cos(found) - a;
    result.angle = found;
    return result;
}

double CurvatureRadius(const Simulation& sim, double phi) {
    const double a = sim.constants.circleRadius;
    if (phi == 0) return 0;
    const double oneMinusCos = 1 - std::cos(phi);
    // Within about 1e-8 of a cusp the cosine rounds to 1 and the quotients
    // below become inf/inf; the radius there is its limit, 0.
    if (oneMinusCos == 0) return 0;
    const double slope = -std::sin(phi) / oneMinusCos;
    const double second = 1 / (oneMinusCos * oneMinusCos * a);
    return std::pow(slope * slope + 1, 1.5) / second;
}

}  // namespace orvalde
