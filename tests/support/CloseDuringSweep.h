#pragma once
// The lesson at its busiest (both pendulums animating, the panel and the help
// open, a sweep running) closed the way `close` closes it, inside the event
// loop as the program runs it.

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <functional>
#include <memory>

#include "app/window/LessonControls.h"
#include "app/window/MeasurementsWindow.h"
#include "app/window/OrvaldeWindow.h"

namespace orvalde::testsupport {

struct CloseOutcome {
    bool loopEnded = false;   // the event loop returned, as the program's main does
    double seconds = 0;       // from the close to the lesson and window gone (sweep joined)
    bool timersStopped = false;
    bool childrenClosed = false;  // the help window, and the panel with the window
    bool sweepWasRunning = false;
};

inline CloseOutcome CloseDuringSweep(const std::function<void(OrvaldeWindow&)>& close,
                                     std::optional<QSize> screen = QSize(1366, 768)) {
    CloseOutcome out;
    auto window = std::make_unique<OrvaldeWindow>(screen);
    auto lesson = std::make_unique<LessonControls>(*window);
    window->start();
    window->button(1)->click();  // TIME ON
    window->button(5)->click();  // time on KYKLIKO
    lesson->toggleMeasurements();
    lesson->showHelp();
    lesson->panel().startSweep();
    out.sweepWasRunning = lesson->panel().sweeping();

    QElapsedTimer clock;
    QTimer::singleShot(400, window.get(), [&] {
        clock.start();
        close(*window);
    });
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
