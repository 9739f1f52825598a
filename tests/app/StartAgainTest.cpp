// "Start again at this size": after a lesson's worth of use and a change of
// window size, the picture, the scroll bar and the state are those of a fresh
// start at the new size, in both editions.

#include <gtest/gtest.h>

#include <QApplication>
#include <algorithm>

#include "app/window/LessonControls.h"
#include "app/window/OrvaldeWindow.h"
#include "surface/qt/Application.h"
#include "tests/web/StartedPage.h"
#include "web/shell/WebLesson.h"

namespace orvalde {
namespace {

bool SamePixels(const PixelImage& a, const PixelImage& b) {
    return a.width() == b.width() && a.height() == b.height() && a.bytesPerLine() == b.bytesPerLine() &&
           std::equal(a.data(), a.data() + a.bytesPerLine() * a.height(), b.data());
}

TEST(StartAgain, OnTheDesktopGivesTheFreshStartsPictureAtTheWindowsSize) {
    EnsureQtApplication();
    OrvaldeWindow fresh(QSize(1920, 1080));
    fresh.start();

    // Larger first, so that the drawing has to shrink to the new size.
    OrvaldeWindow used(QSize(2560, 1440));
    LessonControls lesson(used);
    used.start();
    used.scrollBar()->setValue(-70);
    used.button(1)->click();  // TIME ON
    used.button(5)->click();  // time on KYKLIKO
    used.timer1().setInterval(1000000);
    used.timer2().setInterval(1000000);
    for (int i = 0; i < 40; ++i) {
        used.timer1().fireForTest();
        used.timer2().fireForTest();
    }
    used.button(3)->click();  // the evolute again
    lesson.togglePause();
    ASSERT_TRUE(lesson.paused());
    used.resize(1920, 1080);
    QApplication::processEvents();

    lesson.startAgain();
    QApplication::processEvents();

    EXPECT_TRUE(SamePixels(used.surface().image(), fresh.surface().image()));
    EXPECT_EQ(used.size(), QSize(1920, 1080));  // the window stays as the user made it
    const QScrollBar* a = used.scrollBar();
    const QScrollBar* b = fresh.scrollBar();
    EXPECT_EQ(a->value(), b->value());
    EXPECT_EQ(a->minimum(), b->minimum());
    EXPECT_EQ(a->maximum(), b->maximum());
    EXPECT_EQ(a->geometry(), b->geometry());
    EXPECT_EQ(used.form().sim().counters.cycloidTicks, 0);
    EXPECT_EQ(used.form().sim().counters.circularTicks, 0);
    // Nothing runs, and the pause has nothing left to resume.
    EXPECT_FALSE(lesson.paused());
    lesson.togglePause();
    EXPECT_FALSE(used.timer1().running());
    EXPECT_FALSE(used.timer2().running());

    // And it goes on as a fresh start does.
    used.button(1)->click();
    fresh.button(1)->click();
    for (OrvaldeWindow* w : {&used, &fresh}) {
        w->timer1().setInterval(1000000);
        for (int i = 0; i < 25; ++i) w->timer1().fireForTest();
    }
    EXPECT_TRUE(SamePixels(used.surface().image(), fresh.surface().image()));
}

TEST(StartAgain, InThePageGivesThePictureOfAPageLoadedAtTheWindowsSize) {
    StartedPage fresh;  // 1600x900
    fresh.page.start();

    WebOrvalde used(800, 600, 1.0);
    WebLesson lesson(used);
    used.start();
    used.scrollPage(1);
    used.click(1);
    used.click(5);
    double now = 0;
    for (int i = 0; i < 30; ++i) used.frame(now += kFrame);
    lesson.togglePause();
    used.resize(1600, 900);

    lesson.startAgain(1600, 900);

    EXPECT_TRUE(SamePixels(used.surface().image(), fresh.page.surface().image()));
    const WebScrollBar& a = used.scrollBar();
    const WebScrollBar& b = fresh.page.scrollBar();
    EXPECT_EQ(a.value(), b.value());
    EXPECT_EQ(a.minimum(), b.minimum());
    EXPECT_EQ(a.maximum(), b.maximum());
    EXPECT_EQ(a.placement().left, b.placement().left);
    EXPECT_EQ(a.placement().top, b.placement().top);
    EXPECT_EQ(a.placement().width, b.placement().width);
    EXPECT_EQ(a.placement().height, b.placement().height);
    EXPECT_FALSE(lesson.paused());
    for (int i = 0; i < 10; ++i) EXPECT_EQ(used.frame(now += kFrame), 0);
}

}  // namespace
}  // namespace orvalde
