// The window on a desktop whose window manager decorates it (run by
// under-openbox.sh): the frame fits the available area, the world coordinates
// come from the client area the window really got, and nothing is cut off.

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>
#include <QThread>
#include <iostream>

#include "app/window/ButtonFont.h"
#include "app/window/OrvaldeWindow.h"
#include "surface/qt/Application.h"

namespace orvalde {
namespace {

// Events until the window manager has framed the window and its geometry
// has stayed put for a moment.
void WaitUntilPlaced(QWidget& window) {
    QElapsedTimer clock;
    clock.start();
    QRect last;
    qint64 steadySince = 0;
    while (clock.elapsed() < 5000) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
        const QRect now = window.frameGeometry();
        if (now != last) {
            last = now;
            steadySince = clock.elapsed();
        } else if (window.frameGeometry() != window.geometry() && clock.elapsed() - steadySince > 300) {
            return;
        }
    }
}

TEST(WindowManager, FrameFitsTheAvailableAreaAndTheWorldComesFromTheClientArea) {
    EnsureQtApplication();
    ASSERT_EQ(QGuiApplication::platformName(), "xcb");
    OrvaldeWindow window;
    window.start();
    WaitUntilPlaced(window);

    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    std::cout << "available " << available.width() << "x" << available.height() << "+" << available.x() << "+"
              << available.y() << ", frame " << frame.width() << "x" << frame.height() << "+" << frame.x() << "+"
              << frame.y() << ", client " << client.width() << "x" << client.height() << "+" << client.x() << "+"
              << client.y() << "\n";
    ASSERT_NE(frame, client) << "the window manager did not decorate the window";
    EXPECT_TRUE(available.contains(frame));
    EXPECT_EQ(frame, available);  // and it uses all of it

    // The world's half sizes as start-up computed them, from this client area.
    const float sw = static_cast<float>(client.width()), sh = static_cast<float>(client.height());
    const Constants& k = window.form().sim().constants;
    EXPECT_EQ(k.worldHalfWidth, 250 * (sw / (sw + sh)));
    EXPECT_EQ(k.worldHalfHeight, 250 * (sh / (sw + sh)));
    // The world's bottom right corner is the client area's.
    const QPointF corner(window.surface().worldToLogicalX(k.worldHalfWidth),
                         window.surface().worldToLogicalY(-k.worldHalfHeight));
    EXPECT_NEAR(corner.x(), client.width(), 1.0);
    EXPECT_NEAR(corner.y(), client.height(), 1.0);

    // Nothing reaches past the client area's right or bottom edge. (The
    // "TIME  OFF" button starts above the top edge by design.)
    const QRect inside = window.rect();
    EXPECT_TRUE(inside.contains(window.scrollBar()->geometry()));
    for (int n = 1; n <= 9; ++n) {
        const QRect b = window.button(n)->geometry();
        EXPECT_LE(b.right(), inside.right()) << n;
        EXPECT_LE(b.bottom(), inside.bottom()) << n;
        EXPECT_TRUE(CaptionFits(*window.button(n))) << n;
    }
}

}  // namespace
}  // namespace orvalde
