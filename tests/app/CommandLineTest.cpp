// The program's command line: Qt's options pass through to Qt, the program's
// own are answered before any window exists, anything else is refused.

#include <gtest/gtest.h>

#include "app/cli/CommandLine.h"

namespace orvalde {
namespace {

CommandLineOutcome Read(QStringList args) { return ReadCommandLine(QStringList{"orvalde"} + args, "1.2.3"); }

TEST(CommandLine, AnswersHelpAndVersionOnStdout) {
    const CommandLineOutcome help = Read({"--help"});
    EXPECT_FALSE(help.run);
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.startsWith("Usage: orvalde [options]\n"));
    EXPECT_TRUE(help.out.contains("--version"));
    EXPECT_TRUE(help.err.isEmpty());
    EXPECT_EQ(Read({"-h"}).out, help.out);

    for (const char* v : {"--version", "-v"}) {
        const CommandLineOutcome version = Read({v});
        EXPECT_FALSE(version.run);
        EXPECT_EQ(version.exitCode, 0);
        EXPECT_EQ(version.out, "orvalde 1.2.3\n");
    }
    EXPECT_TRUE(Read({}).run);
    EXPECT_FALSE(Read({}).laboratory);
    EXPECT_TRUE(Read({"--lab"}).run);
    EXPECT_TRUE(Read({"--lab", "-platform", "offscreen"}).laboratory);
    EXPECT_TRUE(help.out.contains("--lab"));
}

TEST(CommandLine, RefusesWhatItDoesNotKnowInOneLine) {
    for (const QStringList& args : {QStringList{"--frobnicate"}, QStringList{"-x"}, QStringList{"stray"},
                                    QStringList{"-platform", "offscreen", "--speed=3"}}) {
        const CommandLineOutcome o = Read(args);
        EXPECT_FALSE(o.run) << args.join(' ').toStdString();
        EXPECT_EQ(o.exitCode, 2);
        EXPECT_TRUE(o.out.isEmpty());
        EXPECT_TRUE(o.err.startsWith("orvalde: "));
        EXPECT_EQ(o.err.count('\n'), 1);
        EXPECT_TRUE(o.err.endsWith('\n'));
    }
}

TEST(CommandLine, LeavesQtsOptionsToQt) {
    EXPECT_TRUE(Read({"-platform", "xcb", "-style", "fusion", "-reverse", "--stylesheet=a.qss", "-qwindowtitle", "X",
                      "-display", ":1", "-geometry", "800x600"})
                    .run);
    EXPECT_EQ(WithoutQtOptions({"orvalde", "-platform", "offscreen", "--version", "-style=fusion", "-widgetcount"}),
              (QStringList{"orvalde", "--version"}));
    // The value of an option is never read as an option of its own.
    EXPECT_EQ(WithoutQtOptions({"orvalde", "-qwindowtitle", "--help"}), QStringList{"orvalde"});
    // A flag given a value is not Qt's.
    EXPECT_FALSE(Read({"-reverse=1"}).run);
}

TEST(CommandLine, VirtualDisplayCommandQuotesWhatTheShellWouldSplit) {
    EXPECT_EQ(VirtualDisplayCommand("build/release/orvalde"),
              "xvfb-run -s '-screen 0 1920x1080x24' build/release/orvalde");
    EXPECT_EQ(VirtualDisplayCommand("/opt/my apps/it's/orvalde"),
              "xvfb-run -s '-screen 0 1920x1080x24' '/opt/my apps/it'\\''s/orvalde'");
}

}  // namespace
}  // namespace orvalde
