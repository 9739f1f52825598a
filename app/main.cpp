// Orvalde: the cycloidal pendulum beside the circular one, for the classroom.

#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "app/window/LessonControls.h"
#include "app/window/OrvaldeWindow.h"

namespace {

bool HasDisplay() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform) return true;
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 && *x11) || (wayland && *wayland);
}

}  // namespace

int main(int argc, char** argv) {
    if (!HasDisplay()) {
        std::fprintf(stderr,
                     "orvalde: no display found; run it under a virtual display: "
                     "xvfb-run -s '-screen 0 1920x1080x24' orvalde\n");
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("Orvalde");
    orvalde::OrvaldeWindow window;
    orvalde::LessonControls lesson(window);
    window.start();
    return QApplication::exec();
}
