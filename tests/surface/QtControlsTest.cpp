// The window's controls: scroll bar change events, timer ticks held back
// by the handler gate, and the modal message box that holds it.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QScrollBar>
#include <QTimer>
#include <memory>

#include "surface/qt/HandlerGate.h"
#include "surface/qt/QtMessageBox.h"
#include "surface/qt/QtScrollBar.h"
#include "surface/qt/QtTimer.h"
#include "surface/raster/RasterSurface.h"
#include "tests/surface/QtTestSupport.h"

namespace orvalde {
namespace {

class QtScrollBarTest : public surfacetest::WithApp {
protected:
    QtScrollBarTest() {
        control.onChange = [this] { seen.push_back(control.value()); };
    }
    RasterSurface surface{400, 300};
    std::unique_ptr<QScrollBar> bar = std::make_unique<QScrollBar>();
    QtScrollBar control{bar.get(), surface};
    std::vector<int> seen;  // the value inside each change event
};

TEST_F(QtScrollBarTest, ChangeFiresOnceForEachNewValueIncludingClamps) {
    control.setValue(120);
    control.setValue(120);
    control.setMinimum(150);  // the range narrows past the value
    control.setMaximum(100000);
    control.setValue(99999);
    EXPECT_EQ(seen, (std::vector<int>{120, 150, 32767}));
}

TEST_F(QtScrollBarTest, StepsReportAndADragReportsOnRelease) {
    control.setLargeChange(25);
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    bar->setSliderDown(true);
    bar->setSliderPosition(300);
    bar->setSliderPosition(400);
    EXPECT_EQ(seen, (std::vector<int>{25, 26}));
    bar->setSliderDown(false);
    EXPECT_EQ(seen, (std::vector<int>{25, 26, 400}));
}

TEST_F(QtScrollBarTest, WorldGeometryBecomesLogicalPixels) {
    surface.setWorld(-200, 150, 200, -150);
    control.setWorldGeometry(-100, -100, 200, 0.1);
    EXPECT_EQ(bar->geometry(), QRect(100, 250, 200, 1));
}

class QtTimerTest : public surfacetest::WithApp {
protected:
    QtTimerTest() {
        timer.setInterval(1000);
        timer.onTick = [this] { ++ticks; };
    }
    QtTimer timer;
    int ticks = 0;
};

TEST_F(QtTimerTest, StoppedByIntervalZeroOrDisabled) {
    timer.setInterval(0);
    timer.fireForTest();
    EXPECT_FALSE(timer.counting());
    timer.setInterval(5);
    timer.setEnabled(false);
    timer.fireForTest();
    EXPECT_FALSE(timer.counting());
    EXPECT_EQ(ticks, 0);
}

TEST_F(QtTimerTest, TickWhileBusyWaitsForTheGateAndDoesNotPileUp) {
    {
        HandlerGate::Scope handler;
        timer.fireForTest();
        timer.fireForTest();
        QCoreApplication::processEvents();
        EXPECT_EQ(ticks, 0);
    }
    EXPECT_EQ(ticks, 0) << "handed to the event loop, not run by the closing handler";
    QCoreApplication::processEvents();
    EXPECT_EQ(ticks, 1);

    {
        HandlerGate::Scope handler;
        timer.fireForTest();
        timer.setEnabled(false);  // a waiting tick is dropped
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(ticks, 1);
}

TEST_F(QtTimerTest, MessageBoxHoldsTicksUntilClosed) {
    QGuiApplication::setApplicationDisplayName("Orvalde");
    QString title;
    int ticksWhileOpen = -1;
    QTimer poll;  // stands in for the user: fires a tick, then presses OK
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        title = box->windowTitle();
        timer.fireForTest();
        ticksWhileOpen = ticks;
        box->button(QMessageBox::Ok)->click();
    });
    poll.start(5);
    QtMessageBox(nullptr).show("Xc must be positive");
    EXPECT_EQ(title, "Orvalde");
    EXPECT_EQ(ticksWhileOpen, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(ticks, 1);
}

}  // namespace
}  // namespace orvalde
