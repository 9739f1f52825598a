#include "app/cli/CommandLine.h"

#include <QCommandLineParser>
#include <QRegularExpression>
#include <QSet>

#include "language/Translator.h"

namespace orvalde {
namespace {

// The options QGuiApplication and QApplication take out of argv themselves;
// either with one dash or two, the value after the name or after '='.
const QSet<QString>& QtOptionsWithValue() {
    static const QSet<QString> names{"platform",    "platformpluginpath", "platformtheme", "plugin",  "qwindowgeometry",
                                     "qwindowicon", "qwindowtitle",       "session",       "display", "geometry",
                                     "style",       "stylesheet",         "title",         "name",    "fontengine",
                                     "dialogs",     "qmljsdebugger"};
    return names;
}

const QSet<QString>& QtFlags() {
    static const QSet<QString> names{"reverse", "widgetcount", "nograb", "dograb", "sync", "darkmode", "testability"};
    return names;
}

}  // namespace

QString VirtualDisplayCommand(const QString& program) {
    static const QRegularExpression plain("^[A-Za-z0-9_./+-]+$");
    QString quoted = program;
    if (!plain.match(program).hasMatch()) quoted = "'" + QString(program).replace("'", "'\\''") + "'";
    return "xvfb-run -s '-screen 0 1920x1080x24' " + quoted;
}

QStringList WithoutQtOptions(const QStringList& arguments) {
    QStringList kept;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (i == 0 || !a.startsWith('-') || a == "-" || a == "--") {
            kept << a;
            continue;
        }
        QString name = a.mid(a.startsWith("--") ? 2 : 1);
        const qsizetype equals = name.indexOf('=');
        const bool inlineValue = equals >= 0;
        if (inlineValue) name.truncate(equals);
        if (QtOptionsWithValue().contains(name)) {
            if (!inlineValue) ++i;  // its value
        } else if (!QtFlags().contains(name) || inlineValue) {
            kept << a;
        }
    }
    return kept;
}

CommandLineOutcome ReadCommandLine(const QStringList& arguments, const QString& version) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Orvalde draws and animates the cycloidal pendulum beside a circular one of the same length,\n"
        "with their velocity, force, tension and weight arrows, for teaching mechanics.");
    const QCommandLineOption help(QStringList{"h", "help"}, "Show this help and exit.");
    const QCommandLineOption showVersion(QStringList{"v", "version"}, "Show the version and exit.");
    const QCommandLineOption lab(QStringList{"lab"},
                                 "Open the laboratory: bobs raced on a cycloid and on a circle of the same length.");
    QStringList codes;
    for (const std::string& code : AvailableLanguages()) codes << QString::fromStdString(code);
    const QCommandLineOption language(QStringList{"lang"},
                                      "The language of the window: " + codes.join(", ") +
                                          " (default: the one LANGUAGE, LC_ALL, LC_MESSAGES or LANG asks for).",
                                      "code");
    parser.addOption(help);
    parser.addOption(showVersion);
    parser.addOption(language);
    parser.addOption(lab);

    CommandLineOutcome outcome;
    const QString program = "orvalde";
    const QString called = arguments.isEmpty() ? program : arguments.first();
    if (!parser.parse(WithoutQtOptions(arguments))) {
        outcome = {false, 2, {}, program + ": " + parser.errorText() + " (see orvalde --help)\n"};
    } else if (parser.isSet(help)) {
        QString text = parser.helpText();
        text.replace(QRegularExpression("^Usage: [^ ]+"), "Usage: " + program);
        text +=
            "\nQt's own options are accepted too, for example -platform offscreen, -style fusion\n"
            "or -reverse.\n"
            "\nWith no display, run it under a virtual one:\n"
            "  " +
            VirtualDisplayCommand(called) + "\n";
        outcome = {false, 0, text, {}};
    } else if (parser.isSet(showVersion)) {
        outcome = {false, 0, program + " " + version + "\n", {}};
    } else if (!parser.positionalArguments().isEmpty()) {
        outcome = {
            false,
            2,
            {},
            program + ": unexpected argument '" + parser.positionalArguments().first() + "' (see orvalde --help)\n"};
    } else if (parser.isSet(language) && !codes.contains(parser.value(language))) {
        outcome = {
            false,
            2,
            {},
            program + ": --lang must be one of " + codes.join(", ") + ", not '" + parser.value(language) + "'\n"};
    } else if (parser.isSet(language)) {
        outcome.language = parser.value(language);
    }
    if (outcome.run) outcome.laboratory = parser.isSet(lab);
    return outcome;
}

}  // namespace orvalde
