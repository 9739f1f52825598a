#include "numerics/RkfAdaptive.h"

#include <gtest/gtest.h>

#include <cmath>

namespace orvalde {
namespace {

TEST(RkfAdaptive, FollowsAnOscillatorAndADecayToTheTolerance) {
    // y'' = -y from (1, 0) over ten periods: cos t and -sin t.
    auto oscillator = [](double, const OdeState<2>& y) { return OdeState<2>{y[1], -y[0]}; };
    const double end = 20 * 3.141592653589793;
    for (double tolerance : {1e-8, 1e-12}) {
        OdeState<2> y{1, 0};
        double t = 0;
        StepControl control{tolerance, 1.0, 0.1};
        int steps = 0;
        ASSERT_TRUE(AdvanceAdaptive<2>(oscillator, t, y, end, control, [&](auto...) { ++steps; }));
        EXPECT_EQ(t, end);
        EXPECT_NEAR(y[0], std::cos(end), 2000 * tolerance);
        EXPECT_NEAR(y[1], -std::sin(end), 2000 * tolerance);
        // Fifth order: 10⁴ times tighter costs about 10^(4/5) ≈ 6 times the steps, not 10⁴.
        EXPECT_LT(steps, tolerance == 1e-8 ? 1000 : 6000);
    }
    OdeState<1> y{1};
    double t = 0;
    StepControl control{1e-12, 0.5, 0.01};
    AdvanceAdaptive<1>([](double, const OdeState<1>& s) { return OdeState<1>{-3 * s[0]}; }, t, y, 2.0, control,
                       [](auto...) {});
    EXPECT_NEAR(y[0], std::exp(-6.0), 1e-12);
}

TEST(RkfAdaptive, StopsShortOfABlowUpInsteadOfSteppingOverIt) {
    // y' = y² from 1 is 1/(1 - t), infinite at t = 1.
    OdeState<1> y{1};
    double t = 0;
    StepControl control{1e-12, 0.1, 0.01};
    EXPECT_FALSE(AdvanceAdaptive<1>([](double, const OdeState<1>& s) { return OdeState<1>{s[0] * s[0]}; }, t, y, 2.0,
                                    control, [](auto...) {}));
    EXPECT_LT(t, 1);
    EXPECT_GT(t, 0.999);
    EXPECT_TRUE(std::isfinite(y[0]));
    EXPECT_GT(y[0], 1e6);
}

}  // namespace
}  // namespace orvalde
