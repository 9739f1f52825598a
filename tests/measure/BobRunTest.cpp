// The pass detector on motions whose passes are known exactly.

#include <gtest/gtest.h>

#include <cmath>

#include "measure/BobRun.h"

namespace orvalde {
namespace {

const double kPi = 4 * std::atan(1.0);

// A bob swinging about lowestX = 5 as A cos(2 pi t / T + phase), sampled
// every h seconds for the given number of samples.
BobRun Swing(double period, double phase, double h, int samples) {
    const double amplitude = 30, lowest = 5;
    auto x = [&](double t) { return lowest + amplitude * std::cos(2 * kPi * t / period + phase); };
    BobRun run = StartRun(Release{}, lowest, 0, x(0));
    for (int i = 1; i <= samples; ++i) AddSample(run, i * h, x(i * h));
    return run;
}

TEST(BobRun, MeasuresThePeriodOfAHarmonicSwingAtAnyPhase) {
    for (double phase : {0.0, 0.3, 1.1, 2.9}) {
        const BobRun run = Swing(17.77, phase, 0.1, 1000);
        ASSERT_GE(run.passes.size(), 10u) << phase;
        ASSERT_EQ(run.periods, static_cast<int>(run.passes.size()) - 2);
        for (std::size_t i = 0; i < run.passes.size(); ++i) {
            EXPECT_EQ(run.passes[i].swing, static_cast<int>(i) + 1);
            if (i < 2) {
                EXPECT_EQ(run.passes[i].period, 0) << "no full period before the third pass";
            } else {
                EXPECT_NEAR(run.passes[i].period, 17.77, 1e-4) << phase << " pass " << i;
            }
        }
        EXPECT_NEAR(run.meanPeriod(), 17.77, 1e-5);
        EXPECT_EQ(run.lastPeriod, run.passes.back().period);
        // Passes are half a period apart: every pass was seen, none twice.
        EXPECT_NEAR(run.passes[1].time - run.passes[0].time, 17.77 / 2, 1e-3);
    }
}

TEST(BobRun, APassExactlyOnASampleCountsOnce) {
    // A triangle wave of period 2 through the lowest point at t = 0.5, 1.5,
    // 2.5, ...: every pass falls exactly on a sample of step 0.25.
    auto tri = [](double t) {
        const double p = std::fmod(t, 2.0);
        return p < 1 ? 1 - 2 * p : -3 + 2 * p;
    };
    BobRun run = StartRun(Release{}, 0, 0, tri(0));
    for (int i = 1; i <= 40; ++i) AddSample(run, i * 0.25, tri(i * 0.25));
    ASSERT_EQ(run.passes.size(), 10u);  // 0.5 ... 9.5, each told by the sample after it
    for (std::size_t i = 0; i < run.passes.size(); ++i) {
        EXPECT_DOUBLE_EQ(run.passes[i].time, 0.5 + static_cast<double>(i)) << i;
        if (i >= 2) {
            EXPECT_DOUBLE_EQ(run.passes[i].period, 2.0);
        }
    }
}

TEST(BobRun, TouchingTheLowestPointOrStartingOnItIsNoPass) {
    BobRun touch = StartRun(Release{}, 0, 0, 2);
    AddSample(touch, 0.1, 0);
    AddSample(touch, 0.2, 0);
    AddSample(touch, 0.3, 1);
    EXPECT_TRUE(touch.passes.empty()) << "came back to the side it left";

    BobRun still = StartRun(Release{}, 0, 0, 0);
    AddSample(still, 0.1, 0);
    AddSample(still, 0.2, -1);
    EXPECT_TRUE(still.passes.empty()) << "leaving the lowest point is not passing it";
    EXPECT_TRUE(AddSample(still, 0.3, 1));
    EXPECT_DOUBLE_EQ(still.passes.back().time, 0.25);
}

TEST(BobRun, TraceStaysBoundedAndKeepsTheLatestSamples) {
    const BobRun run = Swing(3, 0, 0.1, static_cast<int>(10 * kTraceSamples));
    EXPECT_LE(run.trace.size(), 2 * kTraceSamples);
    EXPECT_GE(run.trace.size(), kTraceSamples);
    EXPECT_DOUBLE_EQ(run.trace.back().time, 10 * kTraceSamples * 0.1);
    EXPECT_DOUBLE_EQ(run.time, run.trace.back().time);
}

}  // namespace
}  // namespace orvalde
