#include "numerics/CarlsonRF.h"

#include <gtest/gtest.h>

#include <boost/math/special_functions/ellint_1.hpp>
#include <boost/math/special_functions/ellint_rf.hpp>
#include <cmath>
#include <limits>
#include <numbers>
#include <string>
#include <vector>

#include "surface/RecordingControls.h"

namespace orvalde {
namespace {

constexpr double pi = std::numbers::pi;
const std::vector<std::string> kOneMessage{"invalid arguments in rf"};

double relativeError(double got, double want) { return std::fabs(got / want - 1.0); }

TEST(FMinFMax, PickTheSmallerAndLargerWithTiesToTheRightAndLeft) {
    EXPECT_EQ(FMin(1.0, 2.0), 1.0);
    EXPECT_EQ(FMin(2.0, 1.0), 1.0);
    EXPECT_EQ(FMax(1.0, 2.0), 2.0);
    EXPECT_EQ(FMax(2.0, 1.0), 2.0);
    // Equal zeros of opposite sign show which argument a tie returns.
    EXPECT_TRUE(std::signbit(FMin(0.0, -0.0)));
    EXPECT_TRUE(std::signbit(FMax(-0.0, 0.0)));
}

TEST(CarlsonRF, MatchesPublishedValuesInTheExpectedPasses) {
    RecordingMessageBox box;
    int passes = -1;
    EXPECT_EQ(CarlsonRF(1, 1, 1, box, &passes), 1.0);
    EXPECT_EQ(passes, 1);
    EXPECT_NEAR(CarlsonRF(0, 1, 2, box, &passes), 1.3110287771461, 1e-10);
    EXPECT_EQ(passes, 3);
    EXPECT_NEAR(CarlsonRF(2, 3, 4, box, &passes), 0.58408284167715, 1e-10);
    EXPECT_EQ(passes, 2);
    EXPECT_TRUE(box.shown.empty());
}

TEST(CarlsonRF, AgreesWithBoostFromMicroToMega) {
    std::vector<double> grid{0.0};
    for (int e = -12; e <= 12; ++e) grid.push_back(std::pow(10.0, e / 2.0));
    RecordingMessageBox box;
    for (double x : grid)
        for (double y : grid)
            for (double z : grid) {
                if ((x == 0) + (y == 0) + (z == 0) > 1) continue;
                EXPECT_LT(relativeError(CarlsonRF(x, y, z, box), boost::math::ellint_rf(x, y, z)), 1e-7)
                    << x << ' ' << y << ' ' << z;
            }
    // Near the top of the range the sums inside the duplication would overflow.
    EXPECT_DOUBLE_EQ(CarlsonRF(1e308, 1e308, 1e308, box), 1e-154);
    EXPECT_LT(relativeError(CarlsonRF(0, 1e300, 1.7e308, box), boost::math::ellint_rf(0.0, 1e300, 1.7e308)), 1e-7);
    EXPECT_TRUE(box.shown.empty());
}

TEST(CarlsonRF, RejectsArgumentsOutsideItsDomainWithOneMessageEach) {
    const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
    const double rejected[][3] = {{-1, 2, 3}, {0, 0, 5}, {0, 1e-40, 1}, {0, 0, 0}, {nan, 1, 1}, {1, inf, 1}};
    for (const auto& a : rejected) {
        RecordingMessageBox box;
        int passes = -1;
        EXPECT_EQ(CarlsonRF(a[0], a[1], a[2], box, &passes), 0.0) << a[0] << ' ' << a[1] << ' ' << a[2];
        EXPECT_EQ(box.shown, kOneMessage);
        EXPECT_EQ(passes, 0);
    }
}

TEST(EllipticF, GivesTheCompleteIntegralAtAQuarterTurn) {
    RecordingMessageBox box;
    EXPECT_NEAR(EllipticF(pi / 2, 0, box), pi / 2, 1e-11);
    for (int i = 0; i <= 99; ++i) {
        const double k = i / 100.0;
        EXPECT_LT(relativeError(EllipticF(pi / 2, k, box), boost::math::ellint_1(k)), 1e-7) << k;
    }
    EXPECT_TRUE(box.shown.empty());
}

TEST(EllipticF, FollowsTheIntegralPastAQuarterTurn) {
    RecordingMessageBox box;
    for (double k : {0.0, 0.3, 0.8, 0.99, -0.5}) {
        EXPECT_EQ(EllipticF(0, k, box), 0.0);
        for (double phi = -10.0; phi <= 10.0; phi += 0.13)
            EXPECT_NEAR(EllipticF(phi, k, box), boost::math::ellint_1(k, phi), 1e-7 * std::fabs(phi) + 1e-15)
                << phi << ' ' << k;
    }
    EXPECT_TRUE(box.shown.empty());
}

TEST(EllipticF, ShowsTheMessageOnceOutsideTheDomain) {
    const double cases[][2] = {{pi / 2, 2.0}, {2.0, 1.0}, {std::numeric_limits<double>::quiet_NaN(), 0.5}};
    for (const auto& c : cases) {
        RecordingMessageBox box;
        EXPECT_EQ(EllipticF(c[0], c[1], box), 0.0) << c[0] << ' ' << c[1];
        EXPECT_EQ(box.shown, kOneMessage);
    }
}

}  // namespace
}  // namespace orvalde
