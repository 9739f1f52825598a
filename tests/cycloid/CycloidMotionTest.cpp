#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

#include "cycloid/CycloidMotion.h"
#include "tests/support/TestSimulation.h"

namespace orvalde {
namespace {

const double kPi = 4 * std::atan(1.0);

Simulation Released(double startY = -20) {
    Simulation sim = testsupport::Apparatus();
    sim.counters.cycloidStartY = startY;
    return sim;
}

// Acceleration (index 0, 1) of a bob at x.
std::pair<double, double> Accel(Simulation& sim, double x) {
    const double state[7] = {0.5, -0.25, x, 0, 0, 0, 0};
    return {CycloidDerivative(sim, 0, state, 0), CycloidDerivative(sim, 0, state, 1)};
}

TEST(CycloidDerivative, ForcesAtKnownPositions) {
    Simulation sim = Released();
    auto [fx, fy] = Accel(sim, -(30 * kPi + 20));  // theta = pi/2
    EXPECT_NEAR(fx, 5, 1e-6);
    EXPECT_NEAR(fy, -5, 1e-6);
    std::tie(fx, fy) = Accel(sim, 20 - 10 * kPi);  // theta = 3pi/2
    EXPECT_NEAR(fx, -5, 1e-6);
    EXPECT_NEAR(fy, -5, 1e-6);

    const double theta = 0.9 * kPi;
    const CycloidPoint p = FindCycloidPoint(sim, CycloidX(sim, theta, 20), 20);
    const CycloidForces f = CycloidForcesAt(sim, 40 * kPi, CycloidX(sim, theta, 20), p, CurvatureRadius(sim, p.angle));
    EXPECT_NEAR(f.tension, 14.69, 0.01);
    EXPECT_NEAR(f.fy, 4.51, 0.01);
    EXPECT_NEAR(f.psi, theta / 2, 1e-6);
}

// Lowest point: the computed run is exactly 0, so the string is taken as vertical.
// Cusps and off-arch targets: no free string, no tension, free fall.
TEST(CycloidDerivative, VerticalStringCuspsAndFreeFall) {
    Simulation sim = Released();
    const CycloidPoint low = FindCycloidPoint(sim, -20 * kPi, 20);
    const CycloidForces v = CycloidForcesAt(sim, 40 * kPi, -20 * kPi, low, CurvatureRadius(sim, low.angle));
    EXPECT_TRUE(v.vertical);
    EXPECT_EQ(v.fx, 0);
    EXPECT_NEAR(v.fy, 5, 1e-9);  // T = W + v^2/R = 10 + 400/80
    EXPECT_EQ(Accel(sim, -20 * kPi), std::make_pair(0.0, v.fy));

    for (double x : {-40 * kPi, 10.0, -130.0}) EXPECT_EQ(Accel(sim, x), std::make_pair(0.0, -10.0)) << x;
    const double cuspX = CycloidForcesAt(sim, 40 * kPi, 0, {0, 2 * kPi}, 0).contactX;
    const CycloidForces atCusp = CycloidForcesAt(sim, 40 * kPi, cuspX, {0, 2 * kPi}, 0);
    EXPECT_EQ(atCusp.psi, 0);
    EXPECT_EQ(atCusp.fx, 0);
    EXPECT_EQ(atCusp.fy, -10);
}

TEST(CycloidDerivative, FiniteForEveryFiniteX) {
    Simulation sim = Released(-35);
    std::vector<double> xs = {DBL_MAX, -DBL_MAX, 1e300, -1e300, 0, -1e-7};
    for (int k = -2000; k <= 1000; ++k) xs.push_back(k * 0.1);
    for (double x : xs) {
        const auto [fx, fy] = Accel(sim, x);
        ASSERT_TRUE(std::isfinite(fx) && std::isfinite(fy)) << x;
    }
}

TEST(CycloidDerivative, ComponentsAndSharedSetUp) {
    Simulation sim = Released();
    const double state[7] = {1.5, -2.5, -60, -39, 7, 8, 9};
    EXPECT_EQ(CycloidDerivative(sim, 0, state, 2), 1.5);
    EXPECT_EQ(CycloidDerivative(sim, 0, state, 3), -2.5);
    for (int i : {4, 5, 6, -1}) EXPECT_EQ(CycloidDerivative(sim, 0, state, i), 0) << i;
    for (int i : {0, 6}) {
        sim.constants.pi = 3;
        sim.constants.stringLength = 1;
        sim.constants.bobWeight = 2;
        CycloidDerivative(sim, 0, state, i);
        EXPECT_EQ(sim.constants.pi, kPi);
        EXPECT_EQ(sim.constants.stringLength, 80);
        EXPECT_EQ(sim.constants.bobWeight, 10.0f);
    }
}

}  // namespace
}  // namespace orvalde
