#pragma once
// The lesson at its busiest (both pendulums animating, the panel and the help
// open, a sweep running) closed the way `close` closes it, inside the event
// loop as the program runs it.

#include <QApplication>
#include <QElapsedTimer>
#include <QStringList>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <memory>

#include "app/window/LessonControls.h"
#include "app/window/MeasurementsWindow.h"
#include "app/window/OrvaldeWindow.h"

namespace orvalde::testsupport {

struct CloseOutcome {
    bool loopEnded = false;  // the event loop returned, as the program's main does
    double seconds = 0;      // from the close to the lesson and window gone (sweep joined)
    bool timersStopped = false;
    bool childrenClosed = false;  // the help window, and the panel with the window
    bool sweepWasRunning = false;
    QStringList reported;
};

inline CloseOutcome CloseDuringSweep(const std::function<void(OrvaldeWindow&)>& close,
                                     std::optional<QSize> screen = QSize(1366, 768), bool framed = false) {
    CloseOutcome out;
    auto window = std::make_unique<OrvaldeWindow>(screen);
    auto lesson = std::make_unique<LessonControls>(*window);
    lesson->report = [&out](const QString& message) { out.reported << message; };
    window->start();
    window->button(1)->click();  // TIME ON
    window->button(5)->click();  // time on KYKLIKO
    lesson->toggleMeasurements();
    lesson->showHelp();
    lesson->panel().startSweep();
    out.sweepWasRunning = lesson->panel().sweeping();

    // Closed once the window is on the screen and, under a window manager,
    // framed by it (a close sent while it is still taking the window over
    // is not a click on its close button), while the sweep and pendulums run.
    QElapsedTimer clock, since;
    since.start();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (since.elapsed() < 300 || !window->windowHandle()->isExposed()) return;
        if (framed && window->frameGeometry() == window->geometry()) return;
        // A close that never arrived is sent again, as a user clicks again;
        // the time counts from the close that arrived.
        if (clock.isValid() && (!window->isVisible() || clock.elapsed() < 300)) return;
        clock.start();
        close(*window);
    });
    poll.start(20);
    // Should the close not end the loop, the test fails instead of hanging.
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QApplication::exit(1); });
    watchdog.start(5000);
    out.loopEnded = QApplication::exec() == 0;
    watchdog.stop();
    out.timersStopped = !window->timer1().counting() && !window->timer2().counting();
    out.childrenClosed = lesson->helpWindow() && !lesson->helpWindow()->isVisible() && !window->isVisible();
    lesson.reset();
    window.reset();
    out.seconds = clock.isValid() ? static_cast<double>(clock.elapsed()) * 1e-3 : 1e9;
    return out;
}

}  // namespace orvalde::testsupport
