// The measurements panel docked in the window: where it goes at classroom
// screen sizes, what it gives back, and the end of the lesson when the window
// closes in the middle of everything.

#include <gtest/gtest.h>

#include <QApplication>
#include <QWindow>

#include "app/window/LessonControls.h"
#include "app/window/MeasurementsWindow.h"
#include "app/window/OrvaldeWindow.h"
#include "surface/qt/Application.h"
#include "surface/raster/ScaledCopy.h"
#include "tests/support/BobsRegion.h"
#include "tests/support/CloseDuringSweep.h"

namespace orvalde {
namespace {

using testsupport::BobsOnScreen;
using testsupport::BobsWorldBox;

LayoutRect Of(const QRect& r) { return {double(r.x()), double(r.y()), double(r.width()), double(r.height())}; }

class DockedPanel : public ::testing::TestWithParam<QSize> {};

TEST_P(DockedPanel, StaysOffTheBobsAndTheButtonsAndGivesTheRoomBack) {
    EnsureQtApplication();
    const QSize screen = GetParam();
    OrvaldeWindow window(screen);
    LessonControls lesson(window);
    window.start();
    QApplication::processEvents();
    const QRect bar = window.scrollBar()->geometry();

    lesson.toggleMeasurements();
    QApplication::processEvents();
    const MeasurementsWindow& panel = lesson.panel();
    ASSERT_TRUE(panel.isVisible());
    EXPECT_FALSE(panel.isWindow());
    const LayoutRect p = Of(panel.geometry());
    EXPECT_TRUE(window.rect().contains(panel.geometry()));
    EXPECT_GE(p.width, 360);

    const Constants& k = window.form().sim().constants;
    const double s = window.layout().drawingScale;
    EXPECT_LT(s, 1);
    const LayoutRect bobs = BobsOnScreen(BobsWorldBox(screen.width(), screen.height()), window.width(), window.height(),
                                         k.worldHalfWidth, k.worldHalfHeight, s);
    EXPECT_FALSE(p.intersects(bobs)) << "bobs x " << bobs.x << ".." << bobs.right() << ", panel from " << p.x;
    EXPECT_FALSE(p.intersects(Of(window.buttonsRect())));
    EXPECT_FALSE(p.intersects(Of(window.scrollBar()->geometry())));
    // What the window shows at the bobs' place is the drawing, scaled.
    const QImage shown = window.grab().toImage();
    const QPoint middle(static_cast<int>(bobs.x + bobs.width / 2), static_cast<int>(bobs.y + bobs.height / 2));
    EXPECT_NE(shown.pixelColor(middle), window.palette().window().color());

    lesson.toggleMeasurements();
    QApplication::processEvents();
    EXPECT_FALSE(panel.isVisible());
    EXPECT_EQ(window.layout().drawingScale, 1);
    EXPECT_EQ(window.scrollBar()->geometry(), bar);
}

INSTANTIATE_TEST_SUITE_P(ClassroomScreens, DockedPanel, ::testing::Values(QSize(1366, 768), QSize(1920, 1080)));

TEST(PanelLayoutRule, PortraitPutsItBelowAndAllOfTheBobsStayAbove) {
    for (const QSize screen : {QSize(768, 1366), QSize(800, 800)}) {
        PanelLayoutInput in{double(screen.width()),
                            double(screen.height()),
                            double(screen.width()),
                            double(screen.height()),
                            937,
                            96,
                            true};
        const PanelLayout l = LayOutPanel(in);
        EXPECT_TRUE(l.below);
        HeadlessOrvalde probe(screen.width(), screen.height(), false);
        probe.form.Main();
        const Constants& k = probe.form.sim().constants;
        const LayoutRect bobs = BobsOnScreen(BobsWorldBox(screen.width(), screen.height()), screen.width(),
                                             screen.height(), k.worldHalfWidth, k.worldHalfHeight, l.drawingScale);
        EXPECT_FALSE(l.panel.intersects(bobs)) << screen.width() << "x" << screen.height();
        EXPECT_EQ(l.panel.bottom(), screen.height());
        EXPECT_GE(l.panel.height, 260);
    }
    EXPECT_TRUE(LayOutPanel({1920, 1080, 1920, 1080, 937, 96, false}).panel.empty());
}

// The smaller drawing is only redone where the drawing changed and only
// repainted where it was redone: after many ticks it must be what scaling the
// whole drawing gives, and no pixel of it may change outside what is repainted.
TEST(DockedPanel, TheSmallerDrawingFollowsEveryTickExactly) {
    EnsureQtApplication();
    OrvaldeWindow window(QSize(1366, 768));
    LessonControls lesson(window);
    window.start();
    window.dispatch([&] {
        window.scrollBar()->setValue(-100);
        window.form().Command1_Click();
        window.form().Command5_Click();
        window.form().Command9_Click();
    });
    window.timer1().setEnabled(false);
    window.timer2().setEnabled(false);
    lesson.toggleMeasurements();
    QApplication::processEvents();
    ASSERT_LT(window.layout().drawingScale, 1);
    ASSERT_EQ(window.surface().devicePixelRatio(), 1);
    window.takeDirtyRegion();
    int changedTicks = 0;
    for (int tick = 0; tick < 60; ++tick) {
        const PixelImage before = window.shownDrawing();
        window.form().Timer1_Timer();
        window.form().Timer2_Timer();
        const QRegion repainted = window.takeDirtyRegion();
        const PixelImage& after = window.shownDrawing();
        int outside = 0, changed = 0;
        for (int y = 0; y < after.height(); ++y) {
            for (int x = 0; x < after.width(); ++x) {
                if (after.at(x, y) == before.at(x, y)) continue;
                ++changed;
                if (!repainted.contains(QPoint(x, y))) ++outside;
            }
        }
        EXPECT_EQ(outside, 0) << "tick " << tick << ": changed but not repainted";
        if (changed > 0) ++changedTicks;
    }
    EXPECT_GT(changedTicks, 50) << "the pendulums move";
    ScaledCopy fresh;
    fresh.reset(window.surface().image(), window.layout().drawingScale);
    EXPECT_TRUE(window.shownDrawing().pixels() == fresh.image().pixels());
}

TEST(Lifetime, ClosingTheWindowDuringASweepEndsTheLessonWithinASecond) {
    EnsureQtApplication();
    const auto out = testsupport::CloseDuringSweep([](OrvaldeWindow& w) { w.windowHandle()->close(); });
    EXPECT_TRUE(out.sweepWasRunning);
    EXPECT_TRUE(out.loopEnded) << "the event loop went on after the last window closed";
    EXPECT_TRUE(out.timersStopped);
    EXPECT_TRUE(out.childrenClosed);
    EXPECT_LT(out.seconds, 1.0);
}

}  // namespace
}  // namespace orvalde
