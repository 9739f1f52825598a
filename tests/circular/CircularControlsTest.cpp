#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "app/HeadlessOrvalde.h"
#include "circular/CircularStart.h"
#include "tests/support/TestSimulation.h"

namespace orvalde {
namespace {

using testsupport::Flatten;

struct Program : HeadlessOrvalde {
    Program() : HeadlessOrvalde(1920, 1080) {
        form.Main();
        xthesi.setValue(0);
    }
    Simulation& sim() { return form.sim(); }
    void Ticks(int n) {
        for (int i = 0; i < n; ++i) form.Timer2_Timer();
    }
};

TEST(CircularControls, BothTogetherBeforeAnythingChangesNothingVisible) {
    Program p;
    const std::vector<double> state = Flatten(p.sim());
    const std::size_t drawn = p.surface.calls().size();
    p.form.Command9_Click();
    EXPECT_EQ(p.timer1.interval(), 0);
    EXPECT_EQ(p.timer2.interval(), 0);
    EXPECT_FALSE(p.timer1.running());
    EXPECT_FALSE(p.timer2.running());
    EXPECT_TRUE(p.timer2.enabled());
    EXPECT_EQ(Flatten(p.sim()), state);
    EXPECT_EQ(p.surface.calls().size(), drawn);
}

// Start, stop, start again: the interval is 1 from the first start on, stopping
// resets the count, and the next tick repeats the very first one exactly.
TEST(CircularControls, StartStopAndRestartFromRest) {
    Program p;
    p.form.Command1_Click();
    EXPECT_EQ(p.timer2.interval(), 0);
    p.surface.forget();
    p.form.Command5_Click();
    EXPECT_EQ(p.surface.count(DrawKind::Point), 1u);  // the start picture
    EXPECT_EQ(p.timer2.interval(), 1);
    EXPECT_TRUE(p.timer2.running());
    p.Ticks(1);
    const CircularTickReport first = p.form.lastCircularTick();
    p.Ticks(29);
    EXPECT_EQ(p.sim().counters.circularTicks, 30);

    p.form.Command8_Click();
    EXPECT_FALSE(p.timer2.enabled());
    EXPECT_EQ(p.timer2.interval(), 1);
    EXPECT_EQ(p.sim().counters.circularTicks, 0);

    p.surface.forget();
    p.form.Command5_Click();
    EXPECT_EQ(p.surface.count(DrawKind::Point), 1u);
    EXPECT_TRUE(p.timer2.running());
    p.Ticks(1);
    const CircularTickReport& again = p.form.lastCircularTick();
    EXPECT_EQ(again.t, 0);
    EXPECT_EQ(again.x, first.x);
    EXPECT_EQ(again.y, first.y);
    EXPECT_EQ(again.vx, first.vx);
    EXPECT_EQ(again.vy, first.vy);
}

// Both together: enables both timers and zeroes both counters, also of a
// running animation, but sets no interval and takes no start state; the
// circular bob restarts from rest.
TEST(CircularControls, BothTogetherRestartsCountersOnly) {
    Program p;
    p.form.Command1_Click();
    p.form.Command5_Click();
    p.Ticks(25);
    for (int i = 0; i < 3; ++i) p.form.Timer1_Timer();
    p.form.Command2_Click();
    p.timer1.setInterval(5);  // to see that no interval is set
    p.xthesi.setValue(-90);   // a new position, not taken as a start state
    Simulation expected = p.sim();
    ASSERT_EQ(expected.counters.cycloidTicks, 3);
    ASSERT_EQ(expected.counters.circularTicks, 25);
    expected.counters.cycloidTicks = expected.counters.circularTicks = 0;

    p.form.Command9_Click();
    EXPECT_TRUE(p.timer1.enabled());
    EXPECT_TRUE(p.timer2.enabled());
    EXPECT_EQ(p.timer1.interval(), 5);
    EXPECT_EQ(p.timer2.interval(), 1);
    EXPECT_EQ(Flatten(p.sim()), Flatten(expected));

    // The side now follows the new scroll value, the height is the old one.
    const Position start = CircularStartPosition(p.sim(), p.xthesi.value());
    EXPECT_LT(start.x, 20 * std::atan(1.0) * 4);
    p.Ticks(1);
    const CircularTickReport& r = p.form.lastCircularTick();
    EXPECT_EQ(r.t, 0);
    EXPECT_NEAR(r.x, start.x, 0.05);
    EXPECT_NEAR(r.y, start.y, 0.05);
    EXPECT_LT(std::hypot(r.vx, r.vy), 1);

    // A stopped circular animation is started again.
    p.form.Command8_Click();
    p.form.Command9_Click();
    EXPECT_TRUE(p.timer2.running());
}

// "KYKLIKO" draws the start picture and leaves the animation as it is,
// running or stopped.
TEST(CircularControls, KyklikoOnlyDraws) {
    Program p;
    p.form.Command1_Click();
    p.form.Command5_Click();
    p.Ticks(12);
    for (bool running : {true, false}) {
        if (!running) p.form.Command8_Click();
        const std::vector<double> before = Flatten(p.sim());
        p.surface.forget();
        p.form.Command4_Click();
        EXPECT_EQ(Flatten(p.sim()), before);
        EXPECT_EQ(p.timer2.enabled(), running);
        EXPECT_EQ(p.timer2.interval(), 1);
        ASSERT_EQ(p.surface.calls().size(), 2u);
        EXPECT_EQ(p.surface.calls()[0].kind, DrawKind::Point);
        EXPECT_EQ(p.surface.calls()[1].kind, DrawKind::Line);
    }
}

}  // namespace
}  // namespace orvalde
