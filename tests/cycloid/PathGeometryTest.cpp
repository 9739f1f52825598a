#include <gtest/gtest.h>

#include <cmath>

#include "cycloid/PathGeometry.h"

namespace orvalde {
namespace {

const double kPi = 4 * std::atan(1.0);

Simulation Apparatus() {
    Simulation sim;
    sim.constants.circleRadius = 20;
    return sim;
}

TEST(FindCycloidPoint, LowestPointAndOffArchTargets) {
    Simulation sim = Apparatus();
    const CycloidPoint low = FindCycloidPoint(sim, -kPi * 20, 20);
    EXPECT_NEAR(low.y, -40, 1e-6);
    EXPECT_NEAR(low.angle, kPi, 1e-6);
    EXPECT_EQ(sim.constants.pi, kPi);
    for (double x : {CycloidX(sim, 0, 20), 10.0, -130.0, 1e-9}) {
        const CycloidPoint p = FindCycloidPoint(sim, x, 20);
        EXPECT_EQ(p.y, 0) << x;
        EXPECT_EQ(p.angle, 0) << x;
    }
}

// Every abscissa of the arch maps back to itself within the tolerance,
// including next to both cusps, where the last scan interval lies.
TEST(FindCycloidPoint, RoundTripOverWholeArch) {
    Simulation sim = Apparatus();
    const double left = CycloidX(sim, 0, 20);
    std::vector<double> targets;
    for (int k = 1; k < 400; ++k) targets.push_back(CycloidX(sim, k * 2 * kPi / 400, 20));
    for (int k = 1; k <= 10; ++k) {
        targets.push_back(left + k * 1e-3);
        targets.push_back(-k * 1e-3);
    }
    targets.push_back(-1e-7);
    for (double x : targets) {
        const CycloidPoint p = FindCycloidPoint(sim, x, 20);
        ASSERT_GT(p.angle, 0) << x;
        ASSERT_LT(p.angle, 2 * kPi) << x;
        EXPECT_NEAR(CycloidX(sim, p.angle, 20), x, 1e-7) << x;
        EXPECT_EQ(p.y, 20 * std::cos(p.angle) - 20);
    }
}

// The computed arch ends a hair right of 0, so the cusp itself is found
// just inside the arch rather than lost.
TEST(FindCycloidPoint, RightCuspFoundJustInside) {
    Simulation sim = Apparatus();
    const CycloidPoint p = FindCycloidPoint(sim, 0, 20);
    EXPECT_NEAR(p.angle, 2 * kPi, 0.002);
    EXPECT_NEAR(CycloidX(sim, p.angle, 20), 0, 1e-7);
    EXPECT_NEAR(p.y, 0, 1e-4);
}

TEST(CurvatureRadius, FreeStringLengthAlongArch) {
    Simulation sim = Apparatus();
    EXPECT_EQ(CurvatureRadius(sim, 0), 0);
    EXPECT_NEAR(CurvatureRadius(sim, kPi), 80, 1e-9);
    for (int k = 1; k < 100; ++k) {
        const double phi = k * 2 * kPi / 100;
        EXPECT_NEAR(CurvatureRadius(sim, phi), 80 * std::sin(phi / 2), 1e-9) << phi;
    }
    // Cusps where the cosine rounds to 1: the limit, not inf/inf.
    EXPECT_EQ(CurvatureRadius(sim, 2 * kPi), 0);
    EXPECT_EQ(CurvatureRadius(sim, 1e-9), 0);
    sim.constants.circleRadius = 10;
    EXPECT_NEAR(CurvatureRadius(sim, kPi), 40, 1e-9);
}

}  // namespace
}  // namespace orvalde
