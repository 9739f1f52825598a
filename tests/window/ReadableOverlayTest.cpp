// The key, the status line and the joint button's caption on the real
// window, offscreen, at the sizes a class uses.

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>

#include "app/window/LessonControls.h"
#include "app/window/OrvaldeWindow.h"
#include "app/window/ReadableOverlay.h"
#include "display/ReadableLayout.h"
#include "surface/qt/Application.h"

namespace orvalde {
namespace {

PixelRect Of(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

TEST(ReadableWindow, KeyShowsBesideTheBobsAndTheStatusNamesTheReleaseAndTheHint) {
    EnsureQtApplication();
    for (QSize size : {QSize(1366, 768), QSize(1920, 1080)}) {
        OrvaldeWindow window(size);
        LessonControls lesson(window);
        window.start();
        QApplication::processEvents();
        ReadableOverlay& overlay = lesson.overlay();
        ASSERT_TRUE(overlay.legend().isVisible()) << size.width();
        const PixelRect bobs = BobRegion(window.surface().world());
        EXPECT_FALSE(Overlap(Of(overlay.legend().geometry()), bobs)) << size.width();
        EXPECT_FALSE(Overlap(Of(overlay.status().geometry()), bobs)) << size.width();
        for (int n = 1; n <= 9; ++n)
            EXPECT_FALSE(overlay.legend().geometry().intersects(window.button(n)->geometry())) << n;

        window.dispatch([&] { window.scrollBar()->setValue(-40); });
        window.button(9)->click();  // before either pendulum ran
        overlay.showStatus(ReadableOverlay::steadySeconds());
        const QString text = overlay.status().text();
        EXPECT_TRUE(
            text.contains(QString::fromUtf8("release height 11.68 m above the lowest point, string at 31.3\u00b0")))
            << text.toStdString();
        EXPECT_TRUE(text.contains("TIME ON and time on KYKLIKO first")) << text.toStdString();

        lesson.toggleLegend();
        EXPECT_FALSE(overlay.legend().isVisible());
        lesson.toggleBoldLines();
        EXPECT_EQ(window.surface().penScale(), 2);
    }
}

}  // namespace
}  // namespace orvalde
