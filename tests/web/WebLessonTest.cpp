// The lesson's controls in the page's shell, run natively: pace, pause,
// step, the meter, the sliced sweep and the panel's JSON.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "measure/ReleaseHeightSweep.h"
#include "web/shell/PanelJson.h"
#include "web/shell/WebLesson.h"
#include "web/shell/WebOrvalde.h"
#include "tests/web/StartedPage.h"

namespace orvalde {
namespace {

class WebLessonPage : public ::testing::Test, public StartedPage {
protected:
    WebLessonPage() : lesson(page) { page.start(); }  // the lesson attached before start-up

    WebLesson lesson;
};

TEST_F(WebLessonPage, EachPaceRunsItsTicksPerFrameOrPerSecond) {
    EXPECT_EQ(lesson.pace(), Pace::PerFrame);
    page.click(1);
    page.click(5);
    page.click(9);  // both pendulums
    frames(1);
    EXPECT_EQ(frames(10), 20);

    lesson.setPace(Pace::Fast);
    EXPECT_EQ(frames(10), 80);  // four of each per frame, taking turns

    lesson.setPace(Pace::RealTime);
    const long before = counters().cycloidTicks;
    frames(120);  // two seconds
    EXPECT_NEAR(counters().cycloidTicks - before, 20, 1);

    lesson.setPace(Pace::Quarter);
    const long quarter = counters().cycloidTicks;
    frames(240);  // four seconds
    EXPECT_NEAR(counters().cycloidTicks - quarter, 10, 1);
}

TEST_F(WebLessonPage, PauseStopsWhatRunsAndResumesItAndStepIsOneTick) {
    page.click(1);
    frames(3);
    lesson.togglePause();
    EXPECT_TRUE(lesson.paused());
    const long paused = counters().cycloidTicks;
    EXPECT_EQ(frames(10), 0);
    EXPECT_EQ(counters().cycloidTicks, paused);

    lesson.togglePause();
    EXPECT_FALSE(lesson.paused());
    frames(6);
    EXPECT_GE(counters().cycloidTicks, paused + 5);

    lesson.step();  // as "STEP": stops and moves on by exactly one tick
    const long stepped = counters().cycloidTicks;
    EXPECT_EQ(frames(5), 0);
    lesson.step();
    EXPECT_EQ(counters().cycloidTicks, stepped + 1);
}

TEST_F(WebLessonPage, TheMeterSeesEveryTickOfTheRunningProgram) {
    page.click(1);
    lesson.setPace(Pace::Fast);
    frames(1 + 60);  // 240 ticks, 24 simulated seconds: several periods
    const Measurements& m = lesson.measurements();
    ASSERT_TRUE(m.hasRun(BobKind::Cycloid));
    const BobRun& run = m.run(BobKind::Cycloid);
    ASSERT_GT(run.periods, 0);
    EXPECT_NEAR(run.meanPeriod(), 2 * M_PI * std::sqrt(8.0), 1e-3);
    const std::string json = PanelJson(m);
    EXPECT_NE(json.find("\"lines\":[\"cycloidal: t = "), std::string::npos);
}

TEST_F(WebLessonPage, TheSweepRunsInSlicesGivesTheSamePeriodsAndCanBeCancelled) {
    page.click(1);
    frames(2);
    const long ticks = counters().cycloidTicks;

    lesson.startSweep();
    EXPECT_TRUE(lesson.sweeping());
    EXPECT_EQ(lesson.sweepTotal(), kSweepStarts);
    int slices = 0;
    while (lesson.sweepStep()) ++slices;
    EXPECT_EQ(slices + 1, kSweepStarts);
    EXPECT_FALSE(lesson.sweeping());
    const Measurements& m = lesson.measurements();
    ASSERT_EQ(m.sweep.size(), static_cast<std::size_t>(kSweepStarts));
    const SweepPoint alone = MeasureStart(m.sweep[7].start);
    EXPECT_EQ(alone.meanPeriod, m.sweep[7].meanPeriod);
    EXPECT_EQ(counters().cycloidTicks, ticks);  // the page's program untouched
    EXPECT_FALSE(lesson.sweepStep());

    // Cancelled after three: those three replace the earlier points.
    lesson.startSweep();
    lesson.sweepStep();
    lesson.sweepStep();
    lesson.sweepStep();
    const auto revision = m.revision;
    lesson.cancelSweep();
    EXPECT_FALSE(lesson.sweeping());
    EXPECT_EQ(m.sweep.size(), 3u);
    EXPECT_GT(m.revision, revision);

    // Cancelled before any start was measured: the points stay.
    lesson.startSweep();
    lesson.cancelSweep();
    EXPECT_EQ(m.sweep.size(), 3u);
}

TEST(PanelJson, EscapesTextAndLeavesOutNumbersThatAreNotFinite) {
    EXPECT_EQ(JsonString("a\"b\\c\nd\x01"), "\"a\\\"b\\\\c\\u000ad\\u0001\"");
    EXPECT_EQ(JsonString("\u00bc\u00d7"), "\"\u00bc\u00d7\"");  // UTF-8 as it is

    PlotModel plot;
    plot.title = "T";
    plot.x = {"time (s)", 0, 10, {0, 5, 10}};
    plot.y = {"period (s)", -1, 1, {-1, 0, 1}};
    plot.series.push_back(
        {"cycloid", {20, 60, 220}, SeriesStyle::Triangles, {{1, 2}, {std::numeric_limits<double>::quiet_NaN(), 3}}});
    EXPECT_EQ(PlotJson(plot),
              "{\"title\":\"T\",\"x\":{\"label\":\"time (s)\",\"min\":0,\"max\":10,\"ticks\":[0,5,10],"
              "\"tickTexts\":[\"0\",\"5\",\"10\"]},\"y\":{\"label\":\"period (s)\",\"min\":-1,\"max\":1,"
              "\"ticks\":[-1,0,1],\"tickTexts\":[\"-1\",\"0\",\"1\"]},\"series\":[{\"name\":\"cycloid\","
              "\"colour\":\"#143cdc\",\"style\":\"triangles\",\"points\":[[1,2],[null,3]]}]}");
}

}  // namespace
}  // namespace orvalde
