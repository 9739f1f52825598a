// Renders the Orvalde window offscreen and writes it as a PNG: after start-up,
// or after running the pendulums for some ticks. The README's pictures come
// from here.
//
//   orvalde-snapshot OUT.png [--size WxH] [--start X0] [--cycloid N]
//                    [--circular N] [--both N] [--evolute] [--sweep] [--panel]
//
// --sweep measures all release heights; --panel writes the measurements
// panel instead of the main window.

#include <QApplication>
#include <QPixmap>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/window/LessonControls.h"
#include "app/window/MeasurementsWindow.h"
#include "app/window/OrvaldeWindow.h"

namespace {

int Usage() {
    std::fprintf(stderr,
                 "usage: orvalde-snapshot OUT.png [--size WxH] [--start X0] [--cycloid N] [--circular N] "
                 "[--both N] [--evolute] [--sweep] [--panel]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argv[1][0] == '-') return Usage();
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    QApplication::setApplicationName("Orvalde");

    int width = 1280, height = 720;
    for (int i = 2; i < argc; ++i) {
        if (std::strcmp(argv[i], "--size") == 0 && i + 1 < argc) {
            if (std::sscanf(argv[++i], "%dx%d", &width, &height) != 2 || width < 100 || height < 100) return Usage();
        }
    }

    orvalde::OrvaldeWindow window(QSize(width, height));
    orvalde::LessonControls lesson(window);
    window.start();
    bool panel = false;
    orvalde::OrvaldeForm& form = window.form();
    auto run = [&](auto handler) { window.dispatch(handler); };

    for (int i = 2; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--size") {
            ++i;
        } else if (arg == "--start" && hasValue) {
            const int x0 = std::atoi(argv[++i]);
            run([&] { window.scrollBar()->setValue(x0); });
        } else if (arg == "--cycloid" && hasValue) {
            const int n = std::atoi(argv[++i]);
            run([&] { form.Command1_Click(); });
            for (int k = 0; k < n; ++k) run([&] { form.Timer1_Timer(); });
        } else if (arg == "--circular" && hasValue) {
            const int n = std::atoi(argv[++i]);
            run([&] { form.Command5_Click(); });
            for (int k = 0; k < n; ++k) run([&] { form.Timer2_Timer(); });
        } else if (arg == "--both" && hasValue) {
            const int n = std::atoi(argv[++i]);
            run([&] { form.Command1_Click(); });
            run([&] { form.Command5_Click(); });
            run([&] { form.Command9_Click(); });
            for (int k = 0; k < n; ++k) {
                run([&] { form.Timer1_Timer(); });
                run([&] { form.Timer2_Timer(); });
            }
        } else if (arg == "--evolute") {
            run([&] { form.Command3_Click(); });
        } else if (arg == "--sweep") {
            lesson.panel().startSweep();
            lesson.panel().waitForSweep();
        } else if (arg == "--panel") {
            panel = true;
        } else {
            return Usage();
        }
    }
    window.timer1().setEnabled(false);
    window.timer2().setEnabled(false);

    QWidget* shown = &window;
    if (panel) {
        lesson.panel().show();
        lesson.panel().refreshNow();
        QApplication::processEvents();
        shown = &lesson.panel();
    }
    if (!shown->grab().save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "orvalde-snapshot: could not write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
