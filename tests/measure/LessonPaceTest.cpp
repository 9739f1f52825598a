// The pace of the animation and the lesson's pause, without a window.

#include <gtest/gtest.h>

#include "measure/PauseSwitch.h"
#include "measure/TickPacer.h"
#include "surface/RecordingControls.h"

namespace orvalde {
namespace {

// Ticks over `seconds` of frames every 1/60 s.
int TicksOver(TickPacer& pacer, double seconds, double start = 100) {
    int ticks = 0;
    const int frames = static_cast<int>(seconds * 60 + 0.5);
    for (int i = 0; i < frames; ++i) ticks += pacer.ticksDue(start + i / 60.0);
    return ticks;
}

TEST(TickPacer, EachPaceGivesItsTicksPerSecond) {
    TickPacer pacer;
    EXPECT_EQ(pacer.pace(), Pace::PerFrame);
    EXPECT_EQ(TicksOver(pacer, 10), 600);  // 6 simulated seconds per second
    pacer.setPace(Pace::Fast);
    EXPECT_EQ(TicksOver(pacer, 10), 2400);
    pacer.setPace(Pace::RealTime);
    EXPECT_NEAR(TicksOver(pacer, 10), 100, 1);
    pacer.setPace(Pace::Quarter);
    EXPECT_NEAR(TicksOver(pacer, 10), 25, 1);
    EXPECT_STREQ(PaceLabel(Pace::Quarter), "\u00bc\u00d7");
    EXPECT_STREQ(PaceLabel(Pace::Fast), "24\u00d7");
}

TEST(TickPacer, TimedPacesTickAtOnceAfterARestartAndNeverBurst) {
    TickPacer pacer;
    pacer.setPace(Pace::RealTime);
    EXPECT_EQ(pacer.ticksDue(5.0), 1) << "the first frame after starting";
    EXPECT_EQ(pacer.ticksDue(5.016), 0);
    // The window was stalled for three seconds: one tick, then the pace again.
    EXPECT_EQ(pacer.ticksDue(8.0), 1);
    EXPECT_EQ(pacer.ticksDue(8.016), 1);
    EXPECT_EQ(pacer.ticksDue(8.032), 0);
    pacer.restart();
    EXPECT_EQ(pacer.ticksDue(9.0), 1);
    // A clock that steps back owes nothing.
    EXPECT_EQ(pacer.ticksDue(1.0), 0);
}

TEST(PauseSwitch, ResumesExactlyWhatItStopped) {
    RecordingTimer cycloid, circular;
    cycloid.setInterval(1);
    circular.setInterval(1);
    circular.setEnabled(false);
    PauseSwitch pause;
    EXPECT_TRUE(pause.toggle(cycloid, circular));
    EXPECT_FALSE(cycloid.enabled());
    EXPECT_TRUE(pause.paused());
    EXPECT_FALSE(pause.toggle(cycloid, circular));
    EXPECT_TRUE(cycloid.enabled());
    EXPECT_FALSE(circular.enabled()) << "was not running before the pause";
    EXPECT_FALSE(pause.paused());

    // Nothing running and nothing paused: nothing starts.
    cycloid.setEnabled(false);
    EXPECT_FALSE(pause.toggle(cycloid, circular));
    EXPECT_FALSE(cycloid.running() || circular.running());

    // A timer started while paused is paused with the next press, alone.
    circular.setEnabled(true);
    EXPECT_TRUE(pause.toggle(cycloid, circular));
    pause.toggle(cycloid, circular);
    EXPECT_TRUE(circular.running());
    EXPECT_FALSE(cycloid.running());
}

}  // namespace
}  // namespace orvalde
