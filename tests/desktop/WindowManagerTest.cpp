// The window on a desktop whose window manager decorates it (run by
// under-openbox.sh): the frame fits the available area, the world coordinates
// come from the client area the window really got, and nothing is cut off.

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>
#include <QThread>
#include <QWindow>
#include <iostream>

#include "app/window/ButtonFont.h"
#include "app/window/OrvaldeWindow.h"
#include "surface/qt/Application.h"
#include "tests/support/CloseDuringSweep.h"

#include <xcb/xcb.h>
#include <cstring>
#include <cstdlib>

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

xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
    std::free(reply);
    return atom;
}

// What the window manager sends when its close button is clicked.
void CloseAsTheWindowManagerDoes(QWidget& window) {
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    xcb_client_message_event_t event;
    std::memset(&event, 0, sizeof event);
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = static_cast<xcb_window_t>(window.winId());
    event.type = Atom(c, "WM_PROTOCOLS");
    event.data.data32[0] = Atom(c, "WM_DELETE_WINDOW");
    event.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(c, 0, event.window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&event));
    xcb_flush(c);
    xcb_disconnect(c);
}

TEST(WindowManager, ClosingTheWindowDuringASweepEndsTheLessonWithinASecond) {
    EnsureQtApplication();
    const auto out = testsupport::CloseDuringSweep(CloseAsTheWindowManagerDoes, std::nullopt, true);
    EXPECT_TRUE(out.sweepWasRunning);
    EXPECT_TRUE(out.reported.isEmpty()) << out.reported.join("\n").toStdString();
    EXPECT_TRUE(out.loopEnded) << "the event loop went on after the last window closed";
    EXPECT_TRUE(out.timersStopped);
    EXPECT_TRUE(out.childrenClosed);
    EXPECT_LT(out.seconds, 1.0);
}

}  // namespace
}  // namespace orvalde
