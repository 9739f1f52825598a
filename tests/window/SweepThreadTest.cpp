// "Measure all release heights" on its worker thread, beside the running
// window: also the focused set the ThreadSanitizer build runs.

#include <gtest/gtest.h>

#include <QApplication>
#include <QThread>
#include <atomic>

#include "app/window/LessonControls.h"
#include "app/window/MeasurementsWindow.h"
#include "app/window/OrvaldeWindow.h"
#include "surface/qt/Application.h"

namespace orvalde {
namespace {

class Sweep : public ::testing::Test {
protected:
    Sweep() { EnsureQtApplication(); }
    void SetUp() override {
        window = std::make_unique<OrvaldeWindow>(QSize(1366, 768));
        lesson = std::make_unique<LessonControls>(*window);
        lesson->report = [this](const QString& message) { reported.push_back(message); };
        window->start();
        lesson->toggleMeasurements();
    }
    void TearDown() override {
        lesson.reset();
        window.reset();
    }
    MeasurementsWindow& panel() { return lesson->panel(); }
    static SweepPoint Fake(int start) {
        SweepPoint p;
        p.start = start;
        return p;
    }

    std::unique_ptr<OrvaldeWindow> window;
    std::unique_ptr<LessonControls> lesson;
    std::vector<QString> reported;
};

TEST_F(Sweep, RunsWhileBothPendulumsAnimate) {
    window->button(1)->click();
    window->button(5)->click();
    const Counters& c = window->form().sim().counters;
    panel().startSweep();
    int frames = 0;
    while (panel().sweeping() && frames < 20000) {
        window->timer1().fireForTest();
        window->timer2().fireForTest();
        QApplication::processEvents();
        ++frames;
    }
    EXPECT_FALSE(panel().sweeping());
    EXPECT_EQ(lesson->measurements().sweep.size(), 25u);
    EXPECT_EQ(panel().progress().value(), 25);
    EXPECT_GT(c.cycloidTicks, 0);
    EXPECT_GT(c.circularTicks, 0);
    EXPECT_TRUE(reported.empty());
}

TEST_F(Sweep, AFailingStartIsReportedAndWhatWasMeasuredStays) {
    auto calls = std::make_shared<std::atomic<int>>(0);
    panel().measureStart = [calls](int start) {
        if (++*calls == 3) throw std::runtime_error("no period");
        return Fake(start);
    };
    panel().startSweep();
    panel().waitForSweep();
    ASSERT_EQ(reported.size(), 1u);
    EXPECT_TRUE(reported[0].contains("failed: no period")) << reported[0].toStdString();
    EXPECT_EQ(lesson->measurements().sweep.size(), 2u);
    EXPECT_TRUE(panel().sweepButton().isEnabled());
    EXPECT_FALSE(panel().cancelButton().isEnabled());
}

TEST_F(Sweep, ALateFinishOfAnEarlierSweepLeavesTheNextOneRunning) {
    panel().measureStart = &Fake;
    panel().startSweep();
    panel().waitForWorker();  // done, but its "finished" not yet delivered

    auto go = std::make_shared<std::atomic<bool>>(false);
    panel().measureStart = [go](int start) {
        while (!*go) QThread::msleep(1);
        return Fake(start);
    };
    panel().startSweep();
    ASSERT_TRUE(panel().sweeping()) << "the first sweep's points were taken and the second one started";
    EXPECT_EQ(lesson->measurements().sweep.size(), 25u);
    for (int i = 0; i < 20; ++i) QApplication::processEvents();  // the first one's "finished" arrives now
    EXPECT_TRUE(panel().sweeping());
    EXPECT_FALSE(panel().sweepButton().isEnabled());
    EXPECT_TRUE(panel().cancelButton().isEnabled());

    *go = true;
    panel().waitForSweep();
    EXPECT_FALSE(panel().sweeping());
    EXPECT_TRUE(panel().sweepButton().isEnabled());
}

}  // namespace
}  // namespace orvalde
