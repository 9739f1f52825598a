// The browser shell's behaviour, run natively: the page only draws what
// these classes decide.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "surface/raster/ScaledCopy.h"
#include "web/shell/FrameTimer.h"
#include "web/shell/WebOrvalde.h"
#include "web/shell/WebScrollBar.h"
#include "tests/web/StartedPage.h"

namespace orvalde {
namespace {

TEST(WebScrollBar, RaisesTheChangeEventAsTheDesktopDoes) {
    RasterSurface surface(400, 300);
    WebScrollBar bar(surface);
    int changes = 0;
    bar.onChange = [&] { ++changes; };
    bar.setMinimum(-100);
    bar.setMaximum(50);
    bar.setLargeChange(10);
    EXPECT_EQ(changes, 0);  // 0 lies in the new range

    bar.setValue(-80);  // from code: at once, inside the call
    EXPECT_EQ(changes, 1);
    bar.setValue(-80);  // no move, no event
    EXPECT_EQ(changes, 1);

    bar.arrowStep(+1);
    EXPECT_EQ(bar.value(), -79);
    bar.pageStep(-1);
    EXPECT_EQ(bar.value(), -89);
    bar.dragReleasedAt(-89);  // let go where it was: nothing happened
    bar.dragReleasedAt(12);
    EXPECT_EQ(bar.value(), 12);
    EXPECT_EQ(changes, 4);

    // Steps stop at the ends without an event; a narrowed range clamps.
    bar.setValue(50);
    const int atEnd = changes;
    bar.arrowStep(+1);
    bar.pageStep(+1);
    EXPECT_EQ(changes, atEnd);
    bar.setMaximum(40);
    EXPECT_EQ(bar.value(), 40);
    EXPECT_EQ(changes, atEnd + 1);

    // The range and value are 16-bit, as on the desktop.
    bar.setMinimum(-1000000);
    bar.setValue(-1000000);
    EXPECT_EQ(bar.minimum(), -32768);
    EXPECT_EQ(bar.value(), -32768);
}

TEST(WebScrollBar, IsPlacedOverTheDrawingInLogicalPixels) {
    RasterSurface surface(400, 200, 2.0);
    surface.setWorld(-100, 50, 100, -50);  // 2 logical pixels per world unit
    WebScrollBar bar(surface);
    bar.setWorldGeometry(-100, -40, 50, 5);
    EXPECT_EQ(bar.placement().left, 0);
    EXPECT_EQ(bar.placement().top, 180);
    EXPECT_EQ(bar.placement().width, 100);
    EXPECT_EQ(bar.placement().height, 10);
    bar.setWorldGeometry(std::nan(""), 0, 1, 1);  // ignored, not a wild placement
    EXPECT_EQ(bar.placement().top, 180);
}

TEST(FrameTimer, TicksAtMostOncePerFrameAfterItsInterval) {
    FrameTimer timer;
    EXPECT_FALSE(timer.takeDue(0));  // interval 0 never fires
    timer.setInterval(1);
    EXPECT_FALSE(timer.takeDue(100));  // the count starts at the first frame
    EXPECT_TRUE(timer.takeDue(100 + kFrame));
    EXPECT_FALSE(timer.takeDue(100 + kFrame));  // the same frame asked again
    EXPECT_TRUE(timer.takeDue(5000));           // a long pause gives one tick, not thousands
    EXPECT_FALSE(timer.takeDue(5000));

    timer.setEnabled(false);
    EXPECT_FALSE(timer.takeDue(6000));
    timer.setEnabled(true);
    EXPECT_FALSE(timer.takeDue(7000));  // switched on: counting again
    EXPECT_TRUE(timer.takeDue(7000 + kFrame));
}

TEST(FrameTimer, LongIntervalsSkipFramesAndRunningTimersKeepTheirCount) {
    FrameTimer timer;
    timer.setInterval(50);
    int ticks = 0;
    for (int frame = 0; frame <= 60; ++frame) ticks += timer.takeDue(frame * 16.0);
    EXPECT_EQ(ticks, 15);  // every fourth 16 ms frame

    timer.setInterval(50);
    timer.setEnabled(true);  // neither changes a running timer
    EXPECT_TRUE(timer.takeDue(960 + 50));
}

class WebPage : public ::testing::Test, public StartedPage {
protected:
    WebPage() { page.start(); }
};

TEST_F(WebPage, StartUpDrawsTheWholeWindowAndPlacesTheScrollBar) {
    EXPECT_EQ(page.surface().image().width(), 1600);
    EXPECT_EQ(page.surface().image().height(), 900);
    const auto rects = page.takeDirtyRects();
    ASSERT_FALSE(rects.empty());
    EXPECT_TRUE(page.takeDirtyRects().empty());
    // At the left edge of the drawing, near its foot, as on the desktop.
    const BarPlacement& bar = page.scrollBar().placement();
    EXPECT_EQ(bar.left, 0);
    EXPECT_GT(bar.top, 450);
    EXPECT_LT(bar.top + bar.height, 900);
    EXPECT_GT(bar.width, 100);
    EXPECT_EQ(frames(10), 0);  // nothing animates before "TIME ON"
}

TEST_F(WebPage, TimeOnTicksOncePerFrameAndStepExactlyOnce) {
    page.click(1);
    EXPECT_EQ(frames(1), 0);  // the timer starts counting
    EXPECT_EQ(frames(5), 5);
    EXPECT_EQ(counters().cycloidTicks, 5);
    EXPECT_FALSE(page.takeDirtyRects().empty());

    page.click(7);  // "STEP" stops the timer and advances one tick
    EXPECT_EQ(counters().cycloidTicks, 6);
    EXPECT_EQ(frames(5), 0);
    EXPECT_EQ(counters().cycloidTicks, 6);

    page.click(6);  // "CONTINUE"
    frames(4);
    EXPECT_EQ(counters().cycloidTicks, 9);
    page.click(2);  // "TIME  OFF"
    EXPECT_EQ(frames(3), 0);
}

TEST_F(WebPage, TheJointButtonRunsBothPendulumsEachFrame) {
    page.click(1);
    page.click(5);
    page.click(9);
    frames(1);
    const auto before = counters();
    EXPECT_EQ(frames(4), 8);
    EXPECT_EQ(counters().cycloidTicks, before.cycloidTicks + 4);
    EXPECT_EQ(counters().circularTicks, before.circularTicks + 4);
    page.click(8);  // "TIMEOFF KYKLIKO" leaves the cycloidal one running
    EXPECT_EQ(frames(2), 2);
    EXPECT_EQ(counters().circularTicks, 0);
}

TEST_F(WebPage, AMessageIsModalUntilDismissed) {
    page.click(1);
    frames(2);
    page.form().sim().counters.cycloidStartY = std::nan("");  // the next tick faults
    frames(1);
    ASSERT_TRUE(page.modal());
    EXPECT_NE(page.message().find("Arithmetic fault"), std::string::npos);
    const auto ticks = counters().cycloidTicks;

    // Nothing acts while the message is up: no tick, no button, no scroll.
    const int value = page.scrollBar().value();
    page.click(5);
    page.click(9);
    page.scrollArrow(+1);
    EXPECT_EQ(frames(5), 0);
    EXPECT_EQ(page.scrollBar().value(), value);
    EXPECT_EQ(counters().cycloidTicks, ticks);
    EXPECT_FALSE(page.timer2().running());

    page.dismissMessage();
    EXPECT_FALSE(page.modal());
    EXPECT_TRUE(page.message().empty());
    page.scrollArrow(+1);
    EXPECT_EQ(page.scrollBar().value(), value + 1);
}

TEST_F(WebPage, ScrollBarActionsRedrawTheStartScene) {
    page.takeDirtyRects();
    const int value = page.scrollBar().value();
    page.scrollArrow(+1);
    EXPECT_EQ(page.scrollBar().value(), value + 1);
    EXPECT_FALSE(page.takeDirtyRects().empty());
    page.scrollPage(+1);
    EXPECT_EQ(page.scrollBar().value(), value + 11);
    page.scrollDragReleased(page.scrollBar().minimum());
    EXPECT_EQ(page.scrollBar().value(), page.scrollBar().minimum());
    EXPECT_FALSE(page.takeDirtyRects().empty());
}

TEST_F(WebPage, ResizingGrowsTheDrawingAndKeepsItsWorld) {
    const double worldWidth = page.surface().scaleWidth();
    const std::uint32_t corner = page.surface().image().at(0, 0);
    page.resize(800, 600);  // smaller: nothing is lost
    EXPECT_EQ(page.surface().image().width(), 1600);
    EXPECT_EQ(page.surface().image().height(), 900);
    page.resize(2000, 1000);
    EXPECT_EQ(page.surface().image().width(), 2000);
    EXPECT_EQ(page.surface().image().height(), 1000);
    EXPECT_EQ(page.surface().scaleWidth(), worldWidth);
    EXPECT_EQ(page.surface().image().at(0, 0), corner);
    EXPECT_EQ(page.scrollBar().placement().left, 0);
}

// The measurements panel docked: where the program puts it, the drawing the
// page is given meanwhile, and everything given back when it hides.
TEST(WebPageDocked, ThePanelTakesRoomBesideOrBelowAndTheDrawingFollowsSmaller) {
    struct Case {
        int width, height;
        bool below;
    };
    for (const Case c : {Case{1366, 768, false}, Case{800, 1000, true}}) {
        WebOrvalde page(c.width, c.height, 1.0);
        page.start();
        page.takeDirtyRects();
        const BarPlacement bar = page.scrollBar().placement();

        page.setPanelShown(true);
        const PanelLayout docked = page.layout();
        EXPECT_EQ(docked.below, c.below) << c.width;
        ASSERT_LT(docked.drawingScale, 1);
        const LayoutRect& p = docked.panel;
        const PixelRect panel{int(p.x), int(p.y), int(p.width), int(p.height)};
        const ScreenLayoutInput shown = page.shownScreen();
        EXPECT_FALSE(Overlap(panel, BobRegion(shown.world))) << c.width;
        EXPECT_FALSE(Overlap(panel, shown.buttons)) << c.width;
        EXPECT_FALSE(Overlap(panel, shown.scrollBar)) << c.width;
        const BarPlacement& smaller = page.scrollBar().placement();
        EXPECT_NEAR(smaller.top, bar.top * docked.drawingScale, 1);
        EXPECT_NEAR(smaller.width, bar.width * docked.drawingScale, 1);

        // The smaller copy is new all over, then follows the drawing where a
        // tick changed it: the same pixels as a copy made afresh.
        const int width = page.shownImage().width(), height = page.shownImage().height();
        EXPECT_NEAR(width, c.width * docked.drawingScale, 1);
        EXPECT_EQ(page.takeDirtyRects(), (std::vector<PixelRect>{{0, 0, width, height}}));
        page.click(1);
        for (double now = 0; now < 400; now += kFrame) page.frame(now);
        const std::vector<PixelRect> changed = page.takeDirtyRects();
        ASSERT_FALSE(changed.empty());
        for (const PixelRect& r : changed) EXPECT_TRUE(r.x + r.width <= width && r.y + r.height <= height);
        ScaledCopy fresh;
        fresh.reset(page.surface().image(), docked.drawingScale);
        EXPECT_TRUE(page.shownImage().pixels() == fresh.image().pixels()) << c.width;

        page.setPanelShown(false);
        EXPECT_TRUE(page.layout().panel.empty());
        EXPECT_EQ(page.layout().drawingScale, 1);
        EXPECT_EQ(&page.shownImage(), &page.surface().image());
        EXPECT_EQ(page.takeDirtyRects(), (std::vector<PixelRect>{{0, 0, c.width, c.height}}));
        EXPECT_EQ(page.scrollBar().placement().width, bar.width);
        EXPECT_EQ(page.scrollBar().placement().top, bar.top);
    }
    // Docked on a landscape window, the panel goes below as it turns narrow.
    WebOrvalde page(1366, 768, 1.0);
    page.start();
    page.setPanelShown(true);
    page.resize(800, 1000);
    EXPECT_TRUE(page.layout().below);
    EXPECT_EQ(page.layout().panel.bottom(), 1000);
}

}  // namespace
}  // namespace orvalde
