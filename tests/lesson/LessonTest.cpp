// The lesson layer: where keys go, the action table's promises, the lesson's
// commands on a running page program, what is spoken, and the page shell's
// gate, scroll-bar keys and pixel ratio.

#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <stdexcept>
#include <string>

#include "lesson/Actions.h"
#include "lesson/KeyRouting.h"
#include "lesson/Lesson.h"
#include "lesson/Spoken.h"
#include "tests/web/StartedPage.h"
#include "web/shell/WebLesson.h"

namespace orvalde {
namespace {

TEST(KeyRouting, TheFocusedControlTakesItsKeysFirst) {
    // A focused button takes Space and Enter; other keys still act.
    EXPECT_EQ(RouteKey("Space", Focus::Button, false).kind, KeyRoute::ToFocused);
    EXPECT_EQ(RouteKey("Enter", Focus::Button, false).kind, KeyRoute::ToFocused);
    EXPECT_EQ(RouteKey("ArrowRight", Focus::Button, false).command, Command::Step);
    // The scroll bar takes its keys, → among them; S still steps.
    for (const char* key : {"ArrowLeft", "ArrowRight", "PageUp", "PageDown", "Home", "End"}) {
        EXPECT_EQ(RouteKey(key, Focus::ScrollBar, false).kind, KeyRoute::ToFocused) << key;
    }
    EXPECT_EQ(RouteKey("s", Focus::ScrollBar, false).command, Command::Step);
    EXPECT_EQ(RouteKey("Space", Focus::ScrollBar, false).command, Command::Pause);
    // An open menu takes everything.
    EXPECT_EQ(RouteKey("Space", Focus::Menu, false).kind, KeyRoute::ToFocused);
    // Elsewhere: the table; a held key repeats only a step.
    EXPECT_EQ(RouteKey("Space", Focus::Elsewhere, false).command, Command::Pause);
    EXPECT_EQ(RouteKey("Space", Focus::Elsewhere, true).kind, KeyRoute::Swallow);
    EXPECT_EQ(RouteKey("s", Focus::Elsewhere, true).kind, KeyRoute::Run);
    EXPECT_EQ(RouteKey("q", Focus::Elsewhere, false).kind, KeyRoute::ToFocused);
}

TEST(KeyRouting, KeysAreTheCharactersTypedNotThePositions) {
    EXPECT_EQ(KeyName("M", true), "m");  // Shift+M, or Caps Lock
    EXPECT_EQ(KeyName(" ", false), "Space");
    EXPECT_EQ(KeyName("F10", true), "Shift+F10");
    EXPECT_EQ(RouteKey(KeyName("F10", true), Focus::Elsewhere, false).command, Command::ContextMenu);
    EXPECT_EQ(RouteKey(KeyName("ContextMenu", false), Focus::Button, false).command, Command::ContextMenu);
    // On a layout where the digit row types symbols, "&" is not pace ¼×.
    EXPECT_EQ(RouteKey(KeyName("&", false), Focus::Elsewhere, false).kind, KeyRoute::ToFocused);
    EXPECT_EQ(KeyName("\xc3\xa9", false), "\xc3\xa9");
    // A Greek layout types σ, Μ, ς, ω on S, M, W, V: the letter on the key.
    EXPECT_EQ(RouteKey(KeyName("σ", false), Focus::Elsewhere, false).command, Command::Step);
    EXPECT_EQ(KeyName("Μ", true), "m");
    EXPECT_EQ(KeyName("ς", false), "w");
    EXPECT_EQ(KeyName("ω", false), "v");
    EXPECT_EQ(KeyName("ά", false), "ά");  // accented: no key of its own
}

TEST(ActionTable, EveryCommandHasOneRowAndNoKeyOrIdIsShared) {
    std::set<std::string> ids, keys;
    std::set<int> buttons;
    for (const Action& a : Actions()) {
        EXPECT_EQ(&ActionFor(a.command), &a) << a.id;
        EXPECT_TRUE(ids.insert(a.id).second) << a.id;
        if (a.button) {
            EXPECT_TRUE(buttons.insert(a.button).second) << a.id;
        }
        for (const char* k : a.keys) {
            if (k) {
                EXPECT_TRUE(keys.insert(k).second) << k;
            }
        }
        EXPECT_FALSE(ActionHelp(a.command).empty()) << a.id;
    }
    EXPECT_EQ(buttons.size(), 9u);
    EXPECT_EQ(ActionFor(Command::ContextMenu).command, Command::ContextMenu);  // the last command has its row
}

class LessonOnPage : public ::testing::Test, public StartedPage {
protected:
    LessonOnPage() : web(page) { page.start(); }
    Lesson& lesson() { return web.lesson(); }
    WebLesson web;
};

TEST_F(LessonOnPage, CommandsRunThroughTheGateAndShellActionsGoToTheShell) {
    EXPECT_TRUE(lesson().pressId("time-on"));
    frames(4);
    EXPECT_GT(counters().cycloidTicks, 0);
    EXPECT_TRUE(lesson().pressKey("Space", Focus::Elsewhere, false));
    EXPECT_TRUE(lesson().paused());
    EXPECT_EQ(frames(5), 0);

    // Without a shell to take it, a shell action is not run and says so.
    EXPECT_FALSE(lesson().press(Command::Help));
    Command asked = Command::Pause;
    lesson().shellAction = [&asked](Command c) {
        asked = c;
        return true;
    };
    EXPECT_TRUE(lesson().pressKey("F1", Focus::Elsewhere, false));
    EXPECT_EQ(asked, Command::Help);
    EXPECT_FALSE(lesson().pressId("no-such-action"));

    // While a message waits, nothing runs.
    page.run([] { throw std::runtime_error("broken"); });
    ASSERT_TRUE(page.modal());
    lesson().press(Command::Pause);
    EXPECT_TRUE(lesson().paused());
}

TEST_F(LessonOnPage, TheMenuFollowsPauseAndPace) {
    auto entry = [this](Command c) {
        for (const MenuEntry& e : lesson().contextMenu()) {
            if (e.command == c) return e;
        }
        return MenuEntry{};
    };
    EXPECT_EQ(entry(Command::Pause).label, "Pause");
    EXPECT_TRUE(entry(Command::PacePerFrame).checked);
    page.click(1);
    lesson().press(Command::Pause);
    lesson().press(Command::PaceFast);
    EXPECT_EQ(entry(Command::Pause).label, "Resume");
    EXPECT_TRUE(entry(Command::PaceFast).checked);
    EXPECT_FALSE(entry(Command::PacePerFrame).checked);
    EXPECT_EQ(page.timer2().pace(), Pace::Fast);
}

TEST_F(LessonOnPage, TheSweepCoversTheScrollBarsRange) {
    const std::vector<int> starts = lesson().sweepStarts();
    ASSERT_EQ(starts.size(), 25u);
    EXPECT_EQ(starts.front(), page.scrollBar().minimum());
    EXPECT_EQ(starts.back(), page.scrollBar().maximum());
}

TEST_F(LessonOnPage, TheDescriptionSaysWhereTheBobIsAndTheSummaryStaysQuietBetweenPasses) {
    EXPECT_NE(DescribeDrawing(lesson()).find("Nothing moves yet"), std::string::npos);
    page.click(1);
    frames(30);
    const std::string swinging = DescribeDrawing(lesson());
    EXPECT_NE(swinging.find("Cycloidal pendulum swinging, bob "), std::string::npos) << swinging;
    EXPECT_NE(swinging.find(" of its lowest point"), std::string::npos) << swinging;
    page.click(2);
    EXPECT_NE(DescribeDrawing(lesson()).find("Cycloidal pendulum stopped"), std::string::npos);

    page.click(6);
    lesson().setPace(Pace::Fast);
    frames(100);  // 400 ticks: several periods
    const std::string summary = MeasurementsSummary(lesson().measurements());
    EXPECT_NE(summary.find("Cycloidal pendulum: period 17.77 s, theory 17.77 s."), std::string::npos) << summary;
    frames(3);  // ticks, but no new period: the same text
    EXPECT_EQ(MeasurementsSummary(lesson().measurements()), summary);
}

TEST_F(LessonOnPage, TheScrollBarSaysTheReleaseHeightInMetres) {
    // a cos(x0/a) + a above the lowest point, a = 20.
    EXPECT_EQ(ReleaseHeightText(page.form().sim(), -120), "39.2 m above the lowest point");
    EXPECT_EQ(ReleaseHeightText(page.form().sim(), -63), "0.0 m above the lowest point");
}

// Greek through the catalog: every word of the table translated (a text
// left unmarked would come back in English), the captions as they are, whole
// sentences with the decimal comma.
// Words of two Latin letters or more beside the program's name: English left.
std::string EnglishIn(const std::string& text) {
    static const std::regex word("[A-Za-z]{2,}");
    std::string found;
    for (auto w = std::sregex_iterator(text.begin(), text.end(), word); w != std::sregex_iterator(); ++w) {
        if (w->str() != "Orvalde" && w->str() != "ORVALDE") found += w->str() + " ";
    }
    return found;
}

TEST(LessonInGreek, EveryTableTextIsTranslatedButTheCaptions) {
    const Translator greek("el");
    for (const Action& a : Actions()) {
        EXPECT_NE(ActionHelp(a.command, greek), ActionHelp(a.command)) << a.id;
    }
    const std::vector<HelpEntry> buttons = HelpButtons(greek);
    ASSERT_EQ(buttons.size(), 9u);
    EXPECT_EQ(buttons[0].title, "TIME ON");
    for (const HelpEntry& e : HelpKeys(greek)) {
        EXPECT_EQ(EnglishIn(e.title + " " + e.text), "") << e.title << ": " << e.text;
    }
    EXPECT_EQ(ActionKeysText(Command::Step, greek), "S \u03ae \u2192");
    EXPECT_EQ(HelpTitle(greek), "ORVALDE \u2014 \u0392\u03bf\u03ae\u03b8\u03b5\u03b9\u03b1");
}

TEST_F(LessonOnPage, TheSpokenTextsAreGreekWithADecimalComma) {
    const Translator greek("el");
    EXPECT_EQ(ReleaseHeightText(page.form().sim(), -120, greek),
              "39,2 m \u03c0\u03ac\u03bd\u03c9 \u03b1\u03c0\u03cc \u03c4\u03bf "
              "\u03ba\u03b1\u03c4\u03ce\u03c4\u03b1\u03c4\u03bf \u03c3\u03b7\u03bc\u03b5\u03af\u03bf");
    EXPECT_NE(
        DescribeDrawing(lesson(), greek).find(ReleaseHeightText(page.form().sim(), page.scrollBar().value(), greek)),
        std::string::npos);
    page.click(1);
    lesson().setPace(Pace::Fast);
    frames(100);
    const std::string summary = MeasurementsSummary(lesson().measurements(), greek);
    EXPECT_NE(summary.find("17,77 s"), std::string::npos) << summary;
    EXPECT_EQ(summary.find("17.77"), std::string::npos) << summary;
    const std::vector<std::string> menu = [&] {
        std::vector<std::string> labels;
        for (const MenuEntry& e : lesson().contextMenu(greek)) labels.push_back(e.groupTitle + e.label);
        return labels;
    }();
    for (const std::string& label : menu) {
        EXPECT_EQ(EnglishIn(label), "") << label;
    }
    // A point's two coordinates must not run together with decimal commas.
    PlotModel plot;
    plot.title = "T";
    plot.series.push_back({"s", {}, SeriesStyle::Dots, {{1.5, 2.25}}});
    EXPECT_NE(PlotText(plot, greek).find("(1,5; 2,25)"), std::string::npos) << PlotText(plot, greek);
    EXPECT_NE(PlotText(plot).find("(1.5, 2.25)"), std::string::npos) << PlotText(plot);
}

TEST_F(LessonOnPage, ScrollKeysMoveTheBarAsItsArrowsAndTrackDo) {
    const int start = page.scrollBar().value();
    page.takeDirtyRects();
    EXPECT_TRUE(page.scrollKey("ArrowRight"));
    EXPECT_EQ(page.scrollBar().value(), start + 1);
    EXPECT_FALSE(page.takeDirtyRects().empty()) << "the change event redrew the start";
    EXPECT_TRUE(page.scrollKey("PageUp"));
    EXPECT_EQ(page.scrollBar().value(), start + 11);
    EXPECT_TRUE(page.scrollKey("End"));
    EXPECT_EQ(page.scrollBar().value(), page.scrollBar().maximum());
    EXPECT_TRUE(page.scrollKey("Home"));
    EXPECT_EQ(page.scrollBar().value(), page.scrollBar().minimum());
    EXPECT_FALSE(page.scrollKey("s"));
}

TEST_F(LessonOnPage, AHandlerThatThrowsIsToldAndLeavesThePageUsable) {
    page.run([] { throw std::runtime_error("broken table"); });
    ASSERT_TRUE(page.modal());
    EXPECT_NE(page.message().find("broken table"), std::string::npos);
    page.dismissMessage();
    page.click(1);
    EXPECT_GT(frames(3), 0) << "the gate opened again";
}

TEST_F(LessonOnPage, APixelRatioChangeGivesOneImagePixelPerDevicePixelAndKeepsTheDrawing) {
    const RasterSurface& s = page.surface();
    const int width = s.image().width(), height = s.image().height();
    const Rgb before = s.image().colourAt(width / 2, height / 2);
    page.setPixelRatio(2);
    EXPECT_EQ(s.image().width(), 2 * width);
    EXPECT_EQ(s.image().height(), 2 * height);
    EXPECT_EQ(s.image().colourAt(width, height), before);
    EXPECT_FALSE(page.takeDirtyRects().empty()) << "the whole picture is shown again";
    page.click(1);
    EXPECT_GT(frames(3), 0);
}

}  // namespace
}  // namespace orvalde
