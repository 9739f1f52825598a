#include "lesson/Actions.h"

#include <algorithm>

#include "language/Mark.h"
#include "lesson/ButtonLayout.h"
#include "lesson/Shown.h"

namespace orvalde {
namespace {

using C = Command;
using H = Handler;
using M = MenuPlace;

// Every user-visible text of the actions is here, in English, marked for the
// catalogs; Shown translates it. The buttons' captions are never translated.
const std::vector<Action> kActions{
    {C::TimeOn,
     "time-on",
     H::Core,
     1,
     {},
     "",
     false,
     M::None,
     "TIME ON",  // the caption: never translated
     nullptr,
     N_("Releases the cycloidal pendulum from the position chosen with the scroll bar; the exact circular "
        "pendulum swings beside it.")},
    {C::TimeOff,
     "time-off",
     H::Core,
     2,
     {},
     "",
     false,
     M::None,
     "TIME OFF",  // the caption: never translated
     nullptr,
     N_("Stops the cycloidal pendulum where it is.")},
    {C::Evolute,
     "evolute",
     H::Core,
     3,
     {},
     "",
     false,
     M::None,
     "NEA EXILIGMENH",  // the caption: never translated
     nullptr,
     N_("Draws the cheeks (the evolute of the bob's cycloid) again as green dots.")},
    {C::CircularStart,
     "circular",
     H::Core,
     4,
     {},
     "",
     false,
     M::None,
     "KYKLIKO",  // the caption: never translated
     nullptr,
     N_("Draws the integrated circular pendulum at its start, at the cycloidal bob's height.")},
    {C::CircularOn,
     "circular-on",
     H::Core,
     5,
     {},
     "",
     false,
     M::None,
     "time on KYKLIKO",  // the caption: never translated
     nullptr,
     N_("Releases the integrated circular pendulum from its start.")},
    {C::Continue,
     "continue",
     H::Core,
     6,
     {},
     "",
     false,
     M::None,
     "CONTINUE",  // the caption: never translated
     nullptr,
     N_("Lets the stopped cycloidal pendulum go on from where it is.")},
    {C::Step,
     "step",
     H::Core,
     7,
     {"s", "ArrowRight"},
     N_("S or \u2192"),
     true,
     M::Main,
     N_("Step the cycloidal pendulum"),
     nullptr,
     N_("Stops the cycloidal pendulum and moves it on by one step of 0.1 s.")},
    {C::CircularOff,
     "circular-off",
     H::Core,
     8,
     {},
     "",
     false,
     M::None,
     "TIMEOFF KYKLIKO",  // the caption: never translated
     nullptr,
     N_("Stops the integrated circular pendulum; the next start begins again from its start.")},
    {C::Both,
     "both",
     H::Core,
     9,
     {},
     "",
     false,
     M::None,
     N_("Both pendulums"),
     nullptr,
     N_("Resumes the cycloidal and the integrated circular pendulum together, from the start, once each has been "
        "started once (TIME ON and time on KYKLIKO); before that it does nothing.")},
    {C::Pause,
     "pause",
     H::Core,
     0,
     {"Space"},
     N_("Space"),
     false,
     M::Main,
     N_("Pause"),
     N_("Resume"),
     N_("pause and resume whatever is running")},
    {C::Measurements,
     "measurements",
     H::Shell,
     0,
     {"m"},
     N_("M"),
     false,
     M::Main,
     N_("Show or hide the measurements"),
     nullptr,
     N_("show or hide the measurements")},
    {C::Help, "help", H::Shell, 0, {"F1"}, N_("F1"), false, M::Main, N_("Help"), nullptr, N_("this help")},
    {C::PaceQuarter,
     "pace-1",
     H::Core,
     0,
     {"1"},
     N_("1"),
     false,
     M::Pace,
     N_("\u00bc\u00d7"),
     nullptr,
     N_("pace \u00bc\u00d7, 2.5 steps a second")},
    {C::PaceRealTime,
     "pace-2",
     H::Core,
     0,
     {"2"},
     N_("2"),
     false,
     M::Pace,
     N_("1\u00d7"),
     nullptr,
     N_("pace 1\u00d7, real time: 10 steps a second")},
    {C::PacePerFrame,
     "pace-3",
     H::Core,
     0,
     {"3"},
     N_("3"),
     false,
     M::Pace,
     N_("6\u00d7"),
     nullptr,
     N_("pace 6\u00d7, one step per screen frame (the default)")},
    {C::PaceFast,
     "pace-4",
     H::Core,
     0,
     {"4"},
     N_("4"),
     false,
     M::Pace,
     N_("24\u00d7"),
     nullptr,
     N_("pace 24\u00d7, four steps per frame, each drawn")},
    {C::SavePicture,
     "save-picture",
     H::Shell,
     0,
     {},
     "",
     false,
     M::Save,
     N_("Save picture\u2026"),
     nullptr,
     N_("saves the drawing as a PNG picture")},
    {C::SaveMeasurements,
     "save-measurements",
     H::Shell,
     0,
     {},
     "",
     false,
     M::Save,
     N_("Save measurements\u2026"),
     nullptr,
     N_("saves every measured pass as CSV")},
    {C::ContextMenu,
     "context-menu",
     H::Shell,
     0,
     {"ContextMenu", "Shift+F10"},
     N_("Menu or Shift+F10"),
     false,
     M::None,
     N_("Menu"),
     nullptr,
     N_("the drawing's menu: these actions, and saving the picture or the measurements")},
    {C::Laboratory,
     "laboratory",
     H::Shell,
     0,
     {"l"},
     N_("L"),
     false,
     M::Main,
     N_("Laboratory: the race"),
     nullptr,
     N_("opens the laboratory: bobs let go together from different heights race down a cycloid and a circle")},
    {C::Legend,
     "legend",
     H::Shell,
     0,
     {"k"},
     N_("K"),
     false,
     M::View,
     N_("Key to the drawing"),
     nullptr,
     N_("shows or hides the key to the drawing: what every colour and figure means")},
    {C::BoldLines,
     "bold-lines",
     H::Shell,
     0,
     {"b"},
     N_("B"),
     false,
     M::View,
     N_("Bold lines"),
     nullptr,
     N_("doubles the width of every line and the bob's size, for projectors; again for thin lines")},
    {C::FullScreen,
     "full-screen",
     H::Shell,
     0,
     {"F11"},
     N_("F11"),
     false,
     M::View,
     N_("Full screen"),
     nullptr,
     N_("fills the screen with the window, for projectors, and back")},
    {C::StartAgain,
     "start-again",
     H::Shell,
     0,
     {},
     "",
     false,
     M::View,
     N_("Start again at this size"),
     nullptr,
     N_("runs the program's start-up again for the window's size now, so that the picture fills it")},
    {C::Language,
     "language",
     H::Shell,
     0,
     {},
     "",
     false,
     M::View,
     N_("Language: English / Greek"),
     nullptr,
     N_("switches every text beside the captions to the next language (English, Greek)")},
    {C::About,
     "about",
     H::Shell,
     0,
     {},
     "",
     false,
     M::Info,
     N_("About Orvalde"),
     nullptr,
     N_("the program's name, version, licence and third-party notices")},
};

}  // namespace

const std::vector<Action>& Actions() { return kActions; }

const Action& ActionFor(Command command) {
    for (const Action& a : kActions) {
        if (a.command == command) return a;
    }
    return kActions.front();  // every command has a row; a test holds to it
}

const Action* ActionWithId(std::string_view id) {
    for (const Action& a : kActions) {
        if (id == a.id) return &a;
    }
    return nullptr;
}

const Action* ActionForButton(int number) {
    if (number == 0) return nullptr;
    for (const Action& a : kActions) {
        if (a.button == number) return &a;
    }
    return nullptr;
}

const Action* ActionForKey(std::string_view key) {
    if (key.empty()) return nullptr;
    for (const Action& a : kActions) {
        for (const char* k : a.keys) {
            if (k && key == k) return &a;
        }
    }
    return nullptr;
}

std::string ActionHelp(Command command, const Translator& language) { return Shown(ActionFor(command).help, language); }

std::string ActionKeysText(Command command, const Translator& language) {
    return Shown(ActionFor(command).keysText, language);
}

std::vector<HelpEntry> HelpButtons(const Translator& language) {
    std::vector<HelpEntry> entries;
    for (int number = 1; number <= static_cast<int>(kButtons.size()); ++number) {
        const auto design = std::find_if(kButtons.begin(), kButtons.end(),
                                         [number](const ButtonDesign& b) { return b.number == number; });
        const Action* action = ActionForButton(number);
        if (design != kButtons.end() && action) entries.push_back({design->caption, Shown(action->help, language)});
    }
    return entries;
}

std::vector<HelpEntry> HelpKeys(const Translator& language) {
    std::vector<HelpEntry> entries;
    for (const Action& a : kActions) {
        if (!a.keys[0]) continue;
        entries.push_back({Shown(a.keysText, language), Shown(a.button ? a.label : a.help, language)});
    }
    entries.push_back({language.tr("Tab"), language.tr("moves between the buttons and the scroll bar; Space or Enter "
                                                       "presses the button that has the focus")});
    return entries;
}

std::string HelpTitle(const Translator& language) { return language.tr("ORVALDE \u2014 Help"); }

std::string HelpScrollBarText(const Translator& language) {
    return language.tr(
        "The scroll bar at the bottom left chooses where the bob starts. With the keyboard: \u2190 and "
        "\u2192 move it one step, Page Up and Page Down ten, Home and End to its ends.");
}

std::string HelpMenuText(const Translator& language) {
    return language.tr("Right click on the drawing: the same actions, and saving the picture or the measurements.");
}

}  // namespace orvalde
