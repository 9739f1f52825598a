// The scroll bar's change event must fire exactly when the value changes,
// as the headless scroll bar does, and its placement follows the world.

#include <gtest/gtest.h>

#include <QScrollBar>
#include <QWidget>

#include "surface/qt/HandlerGate.h"
#include "surface/qt/ImageSurface.h"
#include "surface/qt/QtScrollBar.h"
#include "tests/surface/QtTestSupport.h"

namespace orvalde {
namespace {

class QtScrollBarTest : public surfacetest::WithApp {
protected:
    void SetUp() override {
        host = std::make_unique<QWidget>();
        bar = new QScrollBar(host.get());
        control = std::make_unique<QtScrollBar>(bar, surface);
        control->onChange = [this] {
            ++changes;
            gateHeld = HandlerGate::busy();
            seen = control->value();
        };
    }

    ImageSurface surface{QSize(400, 300)};
    std::unique_ptr<QWidget> host;
    QScrollBar* bar = nullptr;
    std::unique_ptr<QtScrollBar> control;
    int changes = 0;
    int seen = -1;
    bool gateHeld = false;
};

TEST_F(QtScrollBarTest, SetValueRaisesOnceOnlyWhenTheValueChanges) {
    control->setValue(120);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(seen, 120);  // the new value is visible inside the handler
    EXPECT_TRUE(gateHeld);
    control->setValue(120);
    EXPECT_EQ(changes, 1);
}

TEST_F(QtScrollBarTest, NarrowingTheRangeClampsAndReports) {
    control->setMaximum(500);
    control->setValue(50);
    changes = 0;
    control->setMinimum(80);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(control->value(), 80);
    control->setMaximum(60);  // below the minimum: both move down to it
    EXPECT_EQ(control->minimum(), 60);
    EXPECT_EQ(control->value(), 60);
    EXPECT_EQ(changes, 2);
    control->setMaximum(600);  // widening leaves the value alone
    EXPECT_EQ(changes, 2);
}

TEST_F(QtScrollBarTest, RangeAndValueAreSixteenBit) {
    control->setMinimum(-100000);
    control->setMaximum(100000);
    EXPECT_EQ(control->minimum(), -32768);
    EXPECT_EQ(control->maximum(), 32767);
    control->setValue(99999);
    EXPECT_EQ(control->value(), 32767);
}

TEST_F(QtScrollBarTest, StepsReportAndDraggingReportsOnRelease) {
    control->setLargeChange(25);
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(control->value(), 26);
    EXPECT_EQ(changes, 2);

    bar->setSliderDown(true);
    bar->setSliderPosition(300);
    bar->setSliderPosition(400);
    EXPECT_EQ(changes, 2) << "no change while the thumb is held";
    bar->setSliderDown(false);
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(seen, 400);
}

TEST_F(QtScrollBarTest, WorldGeometryBecomesLogicalPixels) {
    surface.setWorld(-200, 150, 200, -150);  // origin in the middle, y up
    control->setWorldGeometry(-100, -100, 200, 20);
    EXPECT_EQ(bar->geometry(), QRect(100, 250, 200, 20));
    control->setWorldGeometry(0, 0, 50, 0.1);
    EXPECT_EQ(bar->geometry().height(), 1);
}

}  // namespace
}  // namespace orvalde
