#include "numerics/Jacobi.h"

#include <gtest/gtest.h>

#include <boost/math/special_functions/jacobi_elliptic.hpp>
#include <cmath>
#include <numbers>

#include "numerics/CarlsonRF.h"
#include "surface/RecordingControls.h"

namespace orvalde {
namespace {

struct Triple {
    double sn, cn, dn;
};

Triple ours(double u, double k) {
    Triple r{};
    JacobiSnCnDn(u, 1.0 - k * k, r.sn, r.cn, r.dn);
    return r;
}

Triple boostValues(double u, double k) {
    Triple r{};
    r.sn = boost::math::jacobi_elliptic(k, u, &r.cn, &r.dn);
    return r;
}

void expectMatchesBoost(double u, double k) {
    const Triple got = ours(u, k), want = boostValues(u, k);
    EXPECT_NEAR(got.sn, want.sn, 1e-6) << "u " << u << " k " << k;
    EXPECT_NEAR(got.cn, want.cn, 1e-6) << "u " << u << " k " << k;
    EXPECT_NEAR(got.dn, want.dn, 1e-6) << "u " << u << " k " << k;
}

TEST(Jacobi, AgreesWithBoostForModuliUpToOne) {
    for (double k : {0.0, 0.1, 0.25, 0.5, 0.7071, 0.9, 0.99, 0.999999, 1.0})
        for (double u = -20.0; u <= 20.0; u += 0.173) expectMatchesBoost(u, k);
}

TEST(Jacobi, GoesThroughTheReciprocalModulusAboveOne) {
    for (double k : {1.000001, 1.01, 1.5, 2.0, 5.0})
        for (double u = -20.0; u <= 20.0; u += 0.173) expectMatchesBoost(u, k);
}

// sn² + cn² = 1 holds to rounding. dn² + k²sn² = 1 holds to about 4e-14,
// except where a single mean step ends the descent (k up to about 0.0245): the
// neglected modulus then leaves up to 2e-12.
TEST(Jacobi, KeepsTheSquareIdentities) {
    for (double k : {0.0, 0.01, 0.0224, 0.02449, 0.1, 0.3055, 0.5, 0.9, 0.99, 0.999999})
        for (double u = -20.0; u <= 20.0; u += 0.0173) {
            const Triple r = ours(u, k);
            EXPECT_NEAR(r.sn * r.sn + r.cn * r.cn, 1.0, 2e-15) << u << ' ' << k;
            EXPECT_NEAR(r.dn * r.dn + k * k * r.sn * r.sn, 1.0, 2.5e-12) << u << ' ' << k;
        }
}

TEST(Jacobi, ReducesToCircularAndHyperbolicFunctionsAtTheEnds) {
    int steps = -1;
    for (double u : {-3.0, 0.4, 1.0, 7.5}) {
        double sn, cn, dn;
        JacobiSnCnDn(u, 1.0, sn, cn, dn, &steps);
        EXPECT_NEAR(sn, std::sin(u), 1e-15);
        EXPECT_NEAR(cn, std::cos(u), 1e-15);
        EXPECT_EQ(dn, 1.0);
        EXPECT_EQ(steps, 1);
    }
    EXPECT_DOUBLE_EQ(JacobiSn(1, 1), std::tanh(1.0));
    EXPECT_DOUBLE_EQ(JacobiDn(1, 1), 1.0 / std::cosh(1.0));
    const Triple far = ours(-800.0, 1.0);  // past the range of exp
    EXPECT_EQ(far.sn, -1.0);
    EXPECT_EQ(far.cn, 0.0);
    EXPECT_EQ(far.dn, 0.0);
}

TEST(Jacobi, StartsAtZeroAndStaysExactForTinyArguments) {
    for (double k : {0.0, 0.5, 1.0, 2.0}) {
        const Triple r = ours(0.0, k);
        EXPECT_EQ(r.sn, 0.0);
        EXPECT_EQ(r.cn, 1.0);
        EXPECT_EQ(r.dn, 1.0);
        if (k == 1.0) continue;               // the hyperbolic form is exact only to rounding of 1
        const Triple tiny = ours(1e-200, k);  // 1/sn² would overflow
        EXPECT_EQ(tiny.sn, 1e-200);
        EXPECT_EQ(tiny.cn, 1.0);
        EXPECT_EQ(tiny.dn, 1.0);
    }
}

TEST(Jacobi, TakesThreeMeanStepsForModulusOneHalf) {
    double sn, cn, dn;
    int steps = -1;
    JacobiSnCnDn(0.5, 0.75, sn, cn, dn, &steps);
    EXPECT_EQ(steps, 3);
}

TEST(Jacobi, ReachesTheQuarterPeriodGivenByEllipticF) {
    const double k = std::sin(std::numbers::pi / 4);
    RecordingMessageBox box;
    const double K = EllipticF(std::numbers::pi / 2, k, box);
    const Triple r = ours(K, k);
    EXPECT_NEAR(r.sn, 1.0, 1e-7);
    EXPECT_NEAR(r.cn, 0.0, 1e-7);
    EXPECT_NEAR(r.dn, std::numbers::sqrt2 / 2, 1e-7);
    EXPECT_EQ(JacobiSn(K, k), r.sn);
    EXPECT_EQ(JacobiDn(K, k), r.dn);
}

}  // namespace
}  // namespace orvalde
