#pragma once
// The window the repaint benchmarks share.

#include <QApplication>

#include "app/window/OrvaldeWindow.h"

namespace orvalde {

// Both pendulums released from -100 and running, in a full-HD window.
struct RunningWindow {
    OrvaldeWindow window{QSize(1920, 1080)};
    RunningWindow() {
        window.start();
        window.dispatch([this] {
            window.scrollBar()->setValue(-100);
            window.form().Command1_Click();
            window.form().Command5_Click();
            window.form().Command9_Click();
        });
        window.timer1().setEnabled(false);  // ticks are driven by hand here
        window.timer2().setEnabled(false);
        QApplication::processEvents();  // the window is exposed and painted once
        window.repaint();
    }
    void bothTicks() {
        window.form().Timer1_Timer();
        window.form().Timer2_Timer();
    }
};

}  // namespace orvalde
