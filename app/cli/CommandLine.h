#pragma once
// The program's command line, read before any window or display is needed:
// --help, --version and --lang, Qt's own options passed through untouched,
// anything else refused. The command line speaks English whatever the
// language.

#include <QStringList>
#include <QString>

namespace orvalde {

struct CommandLineOutcome {
    bool run = true;          // false: print and exit with exitCode
    int exitCode = 0;         // 0 for --help and --version, 2 for a bad argument
    QString out;              // for stdout
    QString err;              // one line for stderr
    QString language{};       // --lang's code; empty: the environment's
    bool laboratory = false;  // --lab: open the laboratory instead of the pendulum
};

// arguments as main received them, the program's name first.
CommandLineOutcome ReadCommandLine(const QStringList& arguments, const QString& version);

// The command that starts the program, as main was called, under a virtual
// display: works when copied into the same shell.
QString VirtualDisplayCommand(const QString& program);

// Qt's own options and their values removed, the program's name kept.
QStringList WithoutQtOptions(const QStringList& arguments);

}  // namespace orvalde
