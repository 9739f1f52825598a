// The buttons and timers of the cycloidal pendulum, and what happens when a
// tick meets an arithmetic fault.

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

#include "app/HeadlessOrvalde.h"

namespace orvalde {
namespace {

struct Panel : ::testing::Test {
    HeadlessOrvalde p{1280, 720, false};
    void SetUp() override { p.form.Main(); }
    Simulation& sim() { return p.form.sim(); }
};

TEST_F(Panel, ContinueBeforeTimeOnDoesNothingVisible) {
    EXPECT_EQ(p.timer1.interval(), 0);
    p.form.Command6_Click();
    EXPECT_TRUE(p.timer1.enabled());
    EXPECT_FALSE(p.timer1.running());
}

TEST_F(Panel, StepRunsExactlyOneTickAndStops) {
    const double x = sim().cycloid.bobX;
    p.form.Command7_Click();  // before "TIME ON": uses the start-up state
    EXPECT_EQ(sim().counters.cycloidTicks, 1);
    EXPECT_NE(sim().cycloid.bobX, x);
    EXPECT_FALSE(p.timer1.enabled());
    EXPECT_EQ(p.timer1.interval(), 0);

    p.form.Command1_Click();
    p.form.Timer1_Timer();
    p.form.Command7_Click();
    EXPECT_EQ(sim().counters.cycloidTicks, 2);
    EXPECT_FALSE(p.timer1.running());
    EXPECT_EQ(p.timer1.interval(), 1);
}

TEST_F(Panel, TimeOnTimeOffContinueAndCommand9) {
    p.xthesi.setValue(-40);
    p.form.Command1_Click();
    EXPECT_TRUE(p.timer1.running());
    EXPECT_EQ(sim().counters.cycloidTicks, 0);
    EXPECT_DOUBLE_EQ(sim().counters.cycloidStartY, 20 * std::cos(-2.0) - 20);
    EXPECT_EQ(sim().counters.circularStartY, sim().counters.cycloidStartY);

    for (int i = 0; i < 5; ++i) p.form.Timer1_Timer();
    p.form.Command2_Click();  // "TIME  OFF" keeps the interval and the count
    EXPECT_FALSE(p.timer1.enabled());
    EXPECT_EQ(p.timer1.interval(), 1);
    EXPECT_EQ(sim().counters.cycloidTicks, 5);

    const CycloidState kept = sim().cycloid;
    p.form.Command6_Click();  // "CONTINUE" from stopped
    EXPECT_TRUE(p.timer1.running());
    EXPECT_EQ(sim().cycloid.bobX, kept.bobX);
    EXPECT_EQ(sim().counters.cycloidTicks, 5);

    p.form.Command2_Click();
    p.form.Command9_Click();  // running again, count reset, state kept
    EXPECT_TRUE(p.timer1.running());
    EXPECT_EQ(sim().counters.cycloidTicks, 0);
    EXPECT_EQ(sim().cycloid.bobX, kept.bobX);

    p.form.Timer1_Timer();
    p.form.Command1_Click();  // "TIME ON" again recomputes the start
    EXPECT_EQ(sim().counters.cycloidTicks, 0);
    EXPECT_EQ(sim().cycloid.bobVX, 0);
    EXPECT_DOUBLE_EQ(sim().cycloid.rollAngle, -2.0);
}

TEST_F(Panel, ScrollMoveWhileRunningKeepsCountAndReleaseHeight) {
    p.xthesi.setValue(-40);
    p.form.Command1_Click();
    for (int i = 0; i < 3; ++i) p.form.Timer1_Timer();
    const double release = sim().counters.cycloidStartY;
    p.xthesi.setValue(-80);
    EXPECT_EQ(sim().counters.cycloidTicks, 3);
    EXPECT_EQ(sim().counters.cycloidStartY, release);
    EXPECT_DOUBLE_EQ(sim().cycloid.rollAngle, -4.0);
    EXPECT_TRUE(p.timer1.running());
}

TEST_F(Panel, ArithmeticFaultStopsTheAnimationAndKeepsTheState) {
    p.form.Command1_Click();
    p.form.Timer1_Timer();
    sim().counters.cycloidStartY = std::nan("");  // forces a non-finite tension
    const CycloidState before = sim().cycloid;
    p.form.Timer1_Timer();
    ASSERT_EQ(p.messages.shown.size(), 1u);
    EXPECT_NE(p.messages.shown[0].find("stopped"), std::string::npos);
    EXPECT_NE(p.messages.shown[0].find("invalid operation"), std::string::npos);
    EXPECT_FALSE(p.timer1.enabled());
    EXPECT_EQ(sim().counters.cycloidTicks, 1);
    EXPECT_EQ(sim().cycloid.bobX, before.bobX);
    EXPECT_EQ(sim().cycloid.bobVX, before.bobVX);
    EXPECT_TRUE(std::isfinite(sim().cycloidStep.lastForceX));

    // The window stays usable: "TIME ON" starts again.
    p.form.Command1_Click();
    sim().counters.cycloidStartY = sim().cycloid.bobY;
    p.form.Timer1_Timer();
    EXPECT_EQ(sim().counters.cycloidTicks, 1);
    EXPECT_EQ(p.messages.shown.size(), 1u);
}

TEST_F(Panel, OverflowingVelocityIsAFaultToo) {
    p.form.Command1_Click();
    sim().cycloid.bobVX = DBL_MAX;
    p.form.Timer1_Timer();
    ASSERT_EQ(p.messages.shown.size(), 1u);
    EXPECT_NE(p.messages.shown[0].find("overflow"), std::string::npos);
    EXPECT_EQ(sim().counters.cycloidTicks, 0);
    EXPECT_EQ(p.surface.nonFiniteCalls(), 0u);
}

}  // namespace
}  // namespace orvalde
