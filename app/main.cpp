// Orvalde: the cycloidal pendulum beside the circular one, for the classroom.

#include <QApplication>
#include <QStyleFactory>
#include <clocale>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>
#include <string_view>

#include "app/about/About.h"
#include "app/cli/CommandLine.h"
#include "app/window/DesktopLanguage.h"
#include "app/cli/DisplayProbe.h"
#include "app/cli/RuntimeDir.h"
#include "app/window/LabWindow.h"
#include "app/window/LessonControls.h"
#include "app/window/OrvaldeWindow.h"
#include "language/LanguageChoice.h"

namespace {

// Long enough for a display across a slow network, short enough that one
// that never answers is reported while the user still waits.
constexpr std::chrono::seconds kDisplayAnswerLimit{4};

// Our one-line hint and 1 when the display Qt would open is missing or does
// not let us in; 0 when Qt may go ahead.
int CheckDisplay(int argc, char** argv, const QString& program) {
    const std::vector<std::string> args(argv, argv + argc);
    const orvalde::DisplayPlan plan = orvalde::PlanDisplay(args, [](const char* name) { return std::getenv(name); });
    const QByteArray virtualDisplay = orvalde::VirtualDisplayCommand(program).toLocal8Bit();
    if (plan.kind == orvalde::DisplayPlan::NoDisplay) {
        std::fprintf(stderr, "orvalde: no display found; run it under a virtual display: %s\n",
                     virtualDisplay.constData());
        return 1;
    }
    if (plan.kind == orvalde::DisplayPlan::X11) {
        const orvalde::ProbeResult probe = orvalde::ProbeX11Display(plan.name, kDisplayAnswerLimit);
        if (probe != orvalde::ProbeResult::Open) {
            const char* why = probe == orvalde::ProbeResult::TimedOut ? "it does not answer"
                                                                      : "nothing answers there, or it refuses us";
            std::fprintf(stderr, "orvalde: cannot open the display %s (%s); run it under a virtual display: %s\n",
                         plan.name.c_str(), why, virtualDisplay.constData());
            return 1;
        }
    }
    return 0;
}

// Without XDG_RUNTIME_DIR Qt warns at every start and falls back to a shared
// folder; a private one of our own instead.
void EnsureRuntimeDir() {
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) return;
    const QByteArray tmp = qgetenv("TMPDIR");
    const std::string dir = orvalde::PrivateRuntimeDir(tmp.isEmpty() ? std::string("/tmp") : tmp.toStdString());
    if (!dir.empty()) qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(dir));
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

    const std::string_view aboutVersion = orvalde::About().version;
    const QString version = QString::fromUtf8(aboutVersion.data(), static_cast<qsizetype>(aboutVersion.size()));
    const orvalde::CommandLineOutcome outcome = orvalde::ReadCommandLine(arguments, version);
    if (!outcome.run) {
        std::fputs(outcome.out.toLocal8Bit().constData(), stdout);
        std::fputs(outcome.err.toLocal8Bit().constData(), stderr);
        return outcome.exitCode;
    }
    if (const int status = CheckDisplay(argc, argv, program)) return status;
    EnsureRuntimeDir();
    QApplication app(argc, argv);
    // Qt took the environment's locale; numbers printed with the C library
    // (CSV, the drawn text) keep the C locale's decimal point.
    std::setlocale(LC_NUMERIC, "C");
    orvalde::DesktopLanguage::instance().switchTo(
        outcome.language.isEmpty() ? orvalde::MatchLanguage(orvalde::EnvironmentPreferences(std::getenv))
                                   : outcome.language.toStdString());
    QApplication::setApplicationName("Orvalde");
    QApplication::setApplicationVersion(version);
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
