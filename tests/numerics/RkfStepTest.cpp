#include "numerics/RkfStep.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace orvalde {
namespace {

// dy0/dt = y1, dy1/dt = -y0.
double oscillator(double, const double* s, int i) { return i == 0 ? s[1] : -s[0]; }

TEST(RkfStep, ReproducesItsPolynomialsOnLinearProblems) {
    double y = 1.0, out = 0.0;
    RkfStep([](double, const double* s, int) { return s[0]; }, 0.0, &y, 0.1, &out, 1);
    const long double z = 0.1L;
    EXPECT_DOUBLE_EQ(out, double(1 + z + z * z / 2 + z * z * z / 6 + z * z * z * z / 24 + z * z * z * z * z / 104));
    EXPECT_GT(out, std::exp(0.1));  // fourth order, not exact

    y = 0.0;
    RkfStep([](double t, const double*, int) { return t; }, 0.0, &y, 1.0, &out, 1);
    EXPECT_EQ(out, 0.5);

    for (const long double h : {0.1L, 0.5L}) {
        double osc[2] = {1.0, 0.0}, next[2];
        RkfStep(oscillator, 0.0, osc, double(h), next, 2);
        EXPECT_DOUBLE_EQ(next[0], double(1 - h * h / 2 + h * h * h * h / 24));
        EXPECT_DOUBLE_EQ(next[1], double(-h + h * h * h / 6 - h * h * h * h * h / 104));
    }
}

// The sums are formed in one fixed order, so runs repeat to the bit. A chaotic
// system magnifies any change of rounding (regrouped terms, a coefficient
// formed differently, fused multiply-adds) within 300 steps.
TEST(RkfStep, RepeatsARecordedChaoticRunToTheBit) {
    auto lorenz = [](double, const double* s, int i) {
        return i == 0 ? 10.0 * (s[1] - s[0]) : i == 1 ? s[0] * (28.0 - s[2]) - s[1] : s[0] * s[1] - 8.0 / 3.0 * s[2];
    };
    double y[3] = {1.0, 1.0, 1.0};
    for (int step = 0; step < 300; ++step) RkfStep(lorenz, 0.0, y, 0.03, y, 3);
    EXPECT_EQ(y[0], -0x1.41278721e0fadp+3);
    EXPECT_EQ(y[1], -0x1.9e0360dad63d9p+3);
    EXPECT_EQ(y[2], 0x1.901897a6dfaadp+4);
}

TEST(RkfStep, CarriesAZeroDerivativeComponentExactly) {
    const double y[3] = {0.3, 0.1234567890123457, -7.5};
    double out[3];
    RkfStep([](double, const double* s, int i) { return i == 1 ? 0.0 : s[0] * s[2] + s[1]; }, 1.0, y, 0.37, out, 3);
    EXPECT_EQ(out[1], y[1]);
}

TEST(RkfStep, CallsEachComponentOncePerStageOnOneTrialState) {
    struct Call {
        double t;
        std::vector<double> state;
        int i;
    };
    constexpr int n = 3;
    const double t = 2.0, h = 0.3, y[n] = {1.0, -2.0, 0.5};
    double out[n];
    std::vector<Call> calls;
    RkfStep(
        [&](double tc, const double* s, int i) {
            calls.push_back({tc, {s, s + n}, i});
            return s[(i + 1) % n] - s[i];  // coupled, so each stage's trial state differs
        },
        t, y, h, out, n);

    ASSERT_EQ(calls.size(), 5u * n);
    EXPECT_EQ(calls[0].state, std::vector<double>(y, y + n));
    const double times[5] = {t, h / 4.0 + t, t + (3.0 / 8.0) * h, t + (12.0 / 13.0) * h, t + h};
    for (int stage = 0; stage < 5; ++stage) {
        for (int i = 0; i < n; ++i) {
            const Call& c = calls[stage * n + i];
            EXPECT_EQ(c.i, i);
            EXPECT_EQ(c.t, times[stage]) << "stage " << stage;
            EXPECT_EQ(c.state, calls[stage * n].state) << "stage " << stage << " component " << i;
        }
        if (stage > 0) {
            EXPECT_NE(calls[stage * n].state, calls[(stage - 1) * n].state);
        }
    }
}

TEST(RkfStep, DoesNothingWithoutComponents) {
    for (const int n : {0, -1, -32768}) {
        int calls = 0;
        const std::vector<double> y{1.0};
        std::vector<double> out{42.0};
        RkfStep(
            [&](double, const double*, int) {
                ++calls;
                return 1.0;
            },
            0.0, y.data(), 0.1, out.data(), n);
        EXPECT_EQ(calls, 0);
        EXPECT_EQ(out[0], 42.0);
    }
}

// Every component of a large decoupled system must match the same component
// stepped alone, and nothing past n may be written.
TEST(RkfStep, StepsTheLargestSystemLikeItsComponentsAlone) {
    constexpr int n = 32767;
    auto rate = [](int i) { return 1.0 + i % 2; };
    std::vector<double> y(n), out(n + 1, -1.0);
    for (int i = 0; i < n; ++i) y[i] = i % 7;
    long calls = 0;
    RkfStep(
        [&](double, const double* s, int i) {
            ++calls;
            return rate(i) * s[i];
        },
        0.0, y.data(), 0.1, out.data(), n);
    EXPECT_EQ(calls, 5L * n);
    EXPECT_EQ(out[n], -1.0);
    for (int i = 0; i < n; ++i) {
        double alone;
        RkfStep([&](double, const double* s, int) { return rate(i) * s[0]; }, 0.0, &y[i], 0.1, &alone, 1);
        ASSERT_EQ(out[i], alone) << "component " << i;
    }
}

TEST(RkfStep, GivesTheSameResultInPlaceAndWhenNested) {
    const double y[2] = {1.0, 0.0};
    double out[2];
    RkfStep(oscillator, 0.0, y, 0.2, out, 2);

    double inPlace[2] = {1.0, 0.0};
    RkfStep(oscillator, 0.0, inPlace, 0.2, inPlace, 2);
    EXPECT_EQ(inPlace[0], out[0]);
    EXPECT_EQ(inPlace[1], out[1]);

    // A derivative that takes a step of its own must not disturb the outer step.
    double nested[2];
    RkfStep(
        [](double t, const double* s, int i) {
            double scratch[2];
            RkfStep(oscillator, t, s, 0.5, scratch, 2);
            return oscillator(t, s, i);
        },
        0.0, y, 0.2, nested, 2);
    EXPECT_EQ(nested[0], out[0]);
    EXPECT_EQ(nested[1], out[1]);
}

}  // namespace
}  // namespace orvalde
