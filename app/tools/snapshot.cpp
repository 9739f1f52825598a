// Renders the Orvalde window offscreen and writes it as a PNG: after start-up,
// or after running the pendulums for some ticks. The README's pictures come
// from here. With --drawing-only it writes just the drawing surface's pixels,
// without buttons and scroll bar, for comparing with the browser's canvas.
//
//   orvalde-snapshot OUT.png [--size WxH] [--drawing-only] [--panel] [--lang CODE] [--start X0]
//                    [--cycloid N] [--circular N] [--both N] [--evolute] [--sweep]
//
// --sweep measures all release heights; --panel shows the measurements panel
// beside the drawing.

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/tools/SnapshotArguments.h"
#include "app/window/DesktopLanguage.h"
#include "app/window/LessonControls.h"
#include "app/window/ReadableOverlay.h"
#include "app/window/MeasurementsWindow.h"
#include "app/window/OrvaldeWindow.h"

namespace {

constexpr const char* kUsage =
    "usage: orvalde-snapshot OUT.png [--size WxH] [--drawing-only] [--panel] [--lang CODE] [--start X0] [--cycloid N] "
    "[--circular N] [--both N] [--evolute] [--sweep]\n"
    "  Runs the actions in the order given after start-up and writes the window as PNG\n"
    "  (--drawing-only: just the drawing, at device pixels, without the controls;\n"
    "  --panel: with the measurements panel shown; --sweep: measure all release heights;\n"
    "  --lang: the language of the window's texts, en by default).\n"
    "  WxH: window size, each side from 100 to 10000 (default 1280x720)\n"
    "  X0: scroll-bar position; N: number of ticks, from 0 to 1000000\n";

}  // namespace

int main(int argc, char** argv) {
    std::string error;
    const auto args = orvalde::ParseSnapshotArguments(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!args) {
        std::fprintf(stderr, "orvalde-snapshot: %s\n", error.c_str());
        return 2;
    }
    if (args->help) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    QApplication::setApplicationName("Orvalde");
    if (!orvalde::DesktopLanguage::instance().switchTo(args->language)) {
        std::fprintf(stderr, "orvalde-snapshot: --lang: no catalog for '%s'\n", args->language.c_str());
        return 2;
    }

    orvalde::OrvaldeWindow window(QSize(args->width, args->height));
    orvalde::LessonControls lesson(window);
    window.start();
    orvalde::OrvaldeForm& form = window.form();
    auto run = [&](auto handler) { window.dispatch(handler); };

    using Action = orvalde::SnapshotAction;
    for (const Action& action : args->actions) {
        const int n = action.value;
        switch (action.kind) {
            case Action::Start: run([&] { window.scrollBar()->setValue(n); }); break;
            case Action::Cycloid:
                run([&] { form.Command1_Click(); });
                for (int k = 0; k < n; ++k) run([&] { form.Timer1_Timer(); });
                break;
            case Action::Circular:
                run([&] { form.Command5_Click(); });
                for (int k = 0; k < n; ++k) run([&] { form.Timer2_Timer(); });
                break;
            case Action::Both:
                run([&] { form.Command1_Click(); });
                run([&] { form.Command5_Click(); });
                run([&] { form.Command9_Click(); });
                for (int k = 0; k < n; ++k) {
                    run([&] { form.Timer1_Timer(); });
                    run([&] { form.Timer2_Timer(); });
                }
                break;
            case Action::Evolute: run([&] { form.Command3_Click(); }); break;
            case Action::Sweep:
                lesson.panel().startSweep();
                lesson.panel().waitForSweep();
                break;
        }
    }
    window.timer1().setEnabled(false);
    window.timer2().setEnabled(false);
    lesson.overlay().showStatus(orvalde::ReadableOverlay::steadySeconds());

    const QString out = QString::fromStdString(args->output);
    bool saved = false;
    if (args->drawingOnly) {
        // Exactly the surface's bytes: opaque RGB, no ratio scaling.
        QImage drawing = window.drawingImage().convertToFormat(QImage::Format_RGB888);
        drawing.setDevicePixelRatio(1.0);
        saved = drawing.save(out, "PNG");
    } else if (args->panel) {
        lesson.toggleMeasurements();
        QApplication::processEvents();
        saved = window.grab().save(out, "PNG");
    } else {
        saved = window.grab().save(out, "PNG");
    }
    if (!saved) {
        std::fprintf(stderr, "orvalde-snapshot: could not write %s\n", args->output.c_str());
        return 1;
    }
    return 0;
}
