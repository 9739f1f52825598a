// Orvalde: the cycloidal pendulum beside the circular one, for the classroom.

#include <QApplication>
#include <QStyleFactory>
#include <cstdio>
#include <cstdlib>

#include "app/cli/CommandLine.h"
#include "app/window/LabWindow.h"
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

bool AsksFor(const QStringList& arguments, const char* name) {
    for (const QString& a : arguments) {
        const QString bare = a.mid(a.startsWith("--") ? 2 : 1).section('=', 0, 0);
        if (a.startsWith('-') && bare == QLatin1String(name)) return true;
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    const QString program = arguments.isEmpty() ? QString("orvalde") : arguments.first();

    const orvalde::CommandLineOutcome outcome = orvalde::ReadCommandLine(arguments, ORVALDE_VERSION);
    if (!outcome.run) {
        std::fputs(outcome.out.toLocal8Bit().constData(), stdout);
        std::fputs(outcome.err.toLocal8Bit().constData(), stderr);
        return outcome.exitCode;
    }
    if (!HasDisplay() && !AsksFor(arguments, "platform")) {
        std::fprintf(stderr, "orvalde: no display found; run it under a virtual display: %s\n",
                     orvalde::VirtualDisplayCommand(program).toLocal8Bit().constData());
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("Orvalde");
    QApplication::setApplicationVersion(ORVALDE_VERSION);
    QApplication::setDesktopFileName("org.orvalde.Orvalde");
    // One look on every desktop, so that the captions fit as measured;
    // -style or QT_STYLE_OVERRIDE still choose another.
    if (!AsksFor(arguments, "style") && qEnvironmentVariableIsEmpty("QT_STYLE_OVERRIDE")) {
        QApplication::setStyle(QStyleFactory::create("Fusion"));
    }
    if (outcome.laboratory) {
        orvalde::LabWindow lab;
        lab.show();
        return QApplication::exec();
    }
    orvalde::OrvaldeWindow window;
    orvalde::LessonControls lesson(window);
    window.start();
    return QApplication::exec();
}
