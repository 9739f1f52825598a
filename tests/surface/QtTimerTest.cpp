// Timer ticks: never while another handler runs, at most one waiting, and
// none at all when the interval is 0 or the timer is disabled.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>

#include "surface/qt/HandlerGate.h"
#include "surface/qt/QtTimer.h"
#include "tests/surface/QtTestSupport.h"

namespace orvalde {
namespace {

class QtTimerTest : public surfacetest::WithApp {
protected:
    void SetUp() override {
        timer.onTick = [this] {
            ++ticks;
            gateHeld = HandlerGate::busy();
        };
    }

    // Runs the event loop until `done` or a generous deadline.
    template <typename Done>
    static void processUntil(Done done, int milliseconds = 2000) {
        QDeadlineTimer deadline(milliseconds);
        while (!done() && !deadline.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }

    QtTimer timer;
    int ticks = 0;
    bool gateHeld = false;
};

TEST_F(QtTimerTest, IntervalZeroNeverFires) {
    timer.setEnabled(true);
    timer.setInterval(0);
    EXPECT_FALSE(timer.running());
    EXPECT_FALSE(timer.counting());
    timer.fireForTest();
    QCoreApplication::processEvents();
    EXPECT_EQ(ticks, 0);
}

TEST_F(QtTimerTest, EnabledAndIntervalAreIndependent) {
    timer.setEnabled(false);
    timer.setInterval(40);
    EXPECT_EQ(timer.interval(), 40);
    EXPECT_FALSE(timer.counting());
    timer.fireForTest();
    EXPECT_EQ(ticks, 0);
    timer.setEnabled(true);
    EXPECT_TRUE(timer.counting());
    timer.fireForTest();
    EXPECT_EQ(ticks, 1);
    EXPECT_TRUE(gateHeld) << "the tick handler runs inside the gate";
}

TEST_F(QtTimerTest, RunningTimerTicksFromTheEventLoop) {
    timer.setInterval(1);
    processUntil([&] { return ticks >= 2; });
    EXPECT_GE(ticks, 2);
}

TEST_F(QtTimerTest, TickWhileBusyWaitsForTheGateAndDoesNotPileUp) {
    timer.setInterval(1000);
    {
        HandlerGate::Scope outer;
        {
            HandlerGate::Scope inner;  // e.g. a message box inside a click handler
            timer.fireForTest();
            timer.fireForTest();
        }
        QCoreApplication::processEvents();
        EXPECT_EQ(ticks, 0) << "still inside the outer handler";
    }
    EXPECT_EQ(ticks, 0) << "delivered from the event loop, not from the closing handler";
    QCoreApplication::processEvents();
    EXPECT_EQ(ticks, 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(ticks, 1);
}

TEST_F(QtTimerTest, TickDoesNotReenterItsOwnHandler) {
    timer.setInterval(1000);
    int depth = 0, deepest = 0;
    timer.onTick = [&] {
        ++ticks;
        deepest = std::max(deepest, ++depth);
        if (ticks == 1) timer.fireForTest();  // falls due during the handler
        --depth;
    };
    timer.fireForTest();
    EXPECT_EQ(ticks, 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(ticks, 2);
    EXPECT_EQ(deepest, 1);
}

TEST_F(QtTimerTest, DisablingDropsAWaitingTick) {
    timer.setInterval(1000);
    {
        HandlerGate::Scope handler;
        timer.fireForTest();
        timer.setEnabled(false);
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(ticks, 0);
}

TEST_F(QtTimerTest, ShortIntervalsAreHeldToOneFrame) {
    timer.setInterval(1);
    EXPECT_EQ(timer.interval(), 1);
    EXPECT_TRUE(timer.counting());
    timer.setInterval(-5);
    EXPECT_EQ(timer.interval(), 0);
    EXPECT_FALSE(timer.counting());
}

}  // namespace
}  // namespace orvalde
