#include "circular/CircularMotion.h"

#include <gtest/gtest.h>

#include <cmath>

namespace orvalde {
namespace {

const double kPi = 4 * std::atan(1.0);
const double kPivotX = 2 * kPi * 20 / 2;
const double kRoot3 = std::sqrt(3.0);

// A simulation as start-up leaves it: pi and a set, the derived constants not yet.
Simulation Released(double startY) {
    Simulation sim;
    sim.constants.pi = kPi;
    sim.constants.circleRadius = 20;
    sim.counters.circularStartY = startY;
    return sim;
}

// The velocity in the state is deliberately far from the energy speed: the
// forces must take the speed from the release height only.
std::pair<double, double> Accel(Simulation& sim, double x, double y) {
    const double state[8] = {7, -3, x, y, 0, 0, 0, 0};
    return {CircularDerivative(sim, 0, state, 0), CircularDerivative(sim, 0, state, 1)};
}

TEST(CircularDerivative, ForcesAtRestOnEitherSideOfThePivot) {
    Simulation sim = Released(0);
    auto [fx, fy] = Accel(sim, kPivotX - 40 * kRoot3, 0);  // theta = pi/6, T = 5
    EXPECT_NEAR(fx, 2.5 * kRoot3, 1e-12);
    EXPECT_NEAR(fy, -7.5, 1e-12);
    std::tie(fx, fy) = Accel(sim, kPivotX + 40 * kRoot3, 0);
    EXPECT_NEAR(fx, -2.5 * kRoot3, 1e-12);
    EXPECT_NEAR(fy, -7.5, 1e-12);
    EXPECT_NEAR(CircularForcesAt(kPivotX, 40, kPivotX - 40 * kRoot3, 0, 0, 80, 10).theta, kPi / 6, 1e-12);
    EXPECT_NEAR(CircularForcesAt(kPivotX, 40, kPivotX + 40 * kRoot3, 0, 0, 80, 10).theta, -kPi / 6, 1e-12);
}

// Anywhere on the circle the net force is weight plus a pull along the string
// of W cos(phi) + v^2 / L, with v^2 = 20 (yc - y) and L = 80, never a.
TEST(CircularDerivative, NetForceIsWeightPlusStringPullOnEitherSide) {
    Simulation sim = Released(-5);
    for (double phi : {-1.2, -0.7, -0.2, 0.3, 0.9, 1.4}) {  // from the downward vertical, + to the right
        const double x = kPivotX + 80 * std::sin(phi), y = 40 - 80 * std::cos(phi);
        const auto [fx, fy] = Accel(sim, x, y);
        const double pull = 10 * std::cos(phi) + 20 * (-5 - y) / 80;
        const double ux = (kPivotX - x) / 80, uy = (40 - y) / 80;  // unit vector bob -> pivot
        EXPECT_NEAR(fx, pull * ux, 1e-10) << phi;
        EXPECT_NEAR(fy + 10, pull * uy, 1e-10) << phi;
    }
}

// Exactly below the pivot the quotient divides by zero; the vertical limit is used.
TEST(CircularDerivative, BobStraightBelowThePivot) {
    Simulation sim = Released(0);
    const auto [fx, fy] = Accel(sim, kPivotX, -40);  // T = 800 / 80 + 10 = 20
    EXPECT_EQ(fx, 0);
    EXPECT_NEAR(fy, 10, 1e-12);
    const CircularForces f = CircularForcesAt(kPivotX, 40, kPivotX, -40, 0, 80, 10);
    EXPECT_TRUE(std::isfinite(f.theta));
    EXPECT_NEAR(f.tension, 20, 1e-12);
}

TEST(CircularDerivative, VelocitiesCarriedComponentsAndSharedConstants) {
    const double state[8] = {1.25, -2.5, 50, -10, 9, 8, 7, 6};
    for (int i : {-1, 0, 1, 2, 3, 4, 5, 7}) {
        Simulation sim = Released(0);
        sim.constants.stringLength = 3;  // stale values each call must overwrite
        sim.constants.bobWeight = 1;
        const double d = CircularDerivative(sim, 123, state, i);
        if (i == 2) {
            EXPECT_EQ(d, 1.25);
        } else if (i == 3) {
            EXPECT_EQ(d, -2.5);
        } else if (i < 0 || i > 3) {
            EXPECT_EQ(d, 0) << i;
        }
        EXPECT_EQ(sim.constants.stringLength, 80) << i;
        EXPECT_EQ(sim.constants.pi, kPi) << i;
        EXPECT_EQ(sim.constants.bobWeight, 10.0f) << i;
    }
}

}  // namespace
}  // namespace orvalde
