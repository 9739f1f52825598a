#include "lesson/Actions.h"

#include <algorithm>

#include "lesson/ButtonLayout.h"
#include "lesson/Shown.h"

namespace orvalde {
namespace {

using C = Command;
using H = Handler;
using M = MenuPlace;

// Every user-visible English text of the actions is here.
const std::vector<Action> kActions{
    {C::TimeOn,
     "time-on",
     H::Core,
     1,
     {},
     "",
     false,
     M::None,
     "TIME ON",
     nullptr,
     "Releases the cycloidal pendulum from the position chosen with the scroll bar; the exact circular "
     "pendulum swings beside it."},
    {C::TimeOff,
     "time-off",
     H::Core,
     2,
     {},
     "",
     false,
     M::None,
     "TIME OFF",
     nullptr,
     "Stops the cycloidal pendulum where it is."},
    {C::Evolute,
     "evolute",
     H::Core,
     3,
     {},
     "",
     false,
     M::None,
     "NEA EXILIGMENH",
     nullptr,
     "Draws the cheeks (the evolute of the bob's cycloid) again as green dots."},
    {C::CircularStart,
     "circular",
     H::Core,
     4,
     {},
     "",
     false,
     M::None,
     "KYKLIKO",
     nullptr,
     "Draws the integrated circular pendulum at its start, at the cycloidal bob's height."},
    {C::CircularOn,
     "circular-on",
     H::Core,
     5,
     {},
     "",
     false,
     M::None,
     "time on KYKLIKO",
     nullptr,
     "Releases the integrated circular pendulum from its start."},
    {C::Continue,
     "continue",
     H::Core,
     6,
     {},
     "",
     false,
     M::None,
     "CONTINUE",
     nullptr,
     "Lets the stopped cycloidal pendulum go on from where it is."},
    {C::Step,
     "step",
     H::Core,
     7,
     {"s", "ArrowRight"},
     "S or \u2192",
     true,
     M::Main,
     "Step the cycloidal pendulum",
     nullptr,
     "Stops the cycloidal pendulum and moves it on by one step of 0.1 s."},
    {C::CircularOff,
     "circular-off",
     H::Core,
     8,
     {},
     "",
     false,
     M::None,
     "TIMEOFF KYKLIKO",
     nullptr,
     "Stops the integrated circular pendulum; the next start begins again from its start."},
    {C::Both,
     "both",
     H::Core,
     9,
     {},
     "",
     false,
     M::None,
     "Both pendulums",
     nullptr,
     "Resumes the cycloidal and the integrated circular pendulum together, from the start, once each has been "
     "started once (TIME ON and time on KYKLIKO); before that it does nothing."},
    {C::Pause,
     "pause",
     H::Core,
     0,
     {"Space"},
     "Space",
     false,
     M::Main,
     "Pause",
     "Resume",
     "pause and resume whatever is running"},
    {C::Measurements,
     "measurements",
     H::Shell,
     0,
     {"m"},
     "M",
     false,
     M::Main,
     "Show or hide the measurements",
     nullptr,
     "show or hide the measurements"},
    {C::Help, "help", H::Shell, 0, {"F1"}, "F1", false, M::Main, "Help", nullptr, "this help"},
    {C::PaceQuarter,
     "pace-1",
     H::Core,
     0,
     {"1"},
     "1",
     false,
     M::Pace,
     "\u00bc\u00d7",
     nullptr,
     "pace \u00bc\u00d7, 2.5 steps a second"},
    {C::PaceRealTime,
     "pace-2",
     H::Core,
     0,
     {"2"},
     "2",
     false,
     M::Pace,
     "1\u00d7",
     nullptr,
     "pace 1\u00d7, real time: 10 steps a second"},
    {C::PacePerFrame,
     "pace-3",
     H::Core,
     0,
     {"3"},
     "3",
     false,
     M::Pace,
     "6\u00d7",
     nullptr,
     "pace 6\u00d7, one step per screen frame (the default)"},
    {C::PaceFast,
     "pace-4",
     H::Core,
     0,
     {"4"},
     "4",
     false,
     M::Pace,
     "24\u00d7",
     nullptr,
     "pace 24\u00d7, four steps per frame, each drawn"},
    {C::SavePicture,
     "save-picture",
     H::Shell,
     0,
     {},
     "",
     false,
     M::Save,
     "Save picture\u2026",
     nullptr,
     "saves the drawing as a PNG picture"},
    {C::SaveMeasurements,
     "save-measurements",
     H::Shell,
     0,
     {},
     "",
     false,
     M::Save,
     "Save measurements\u2026",
     nullptr,
     "saves every measured pass as CSV"},
    {C::ContextMenu,
     "context-menu",
     H::Shell,
     0,
     {"ContextMenu", "Shift+F10"},
     "Menu or Shift+F10",
     false,
     M::None,
     "Menu",
     nullptr,
     "the drawing's menu: these actions, and saving the picture or the measurements"},
    {C::Laboratory,
     "laboratory",
     H::Shell,
     0,
     {"l"},
     "L",
     false,
     M::Main,
     "Laboratory: the race",
     nullptr,
     "opens the laboratory: bobs let go together from different heights race down a cycloid and a circle"},
    {C::Legend,
     "legend",
     H::Shell,
     0,
     {"k"},
     "K",
     false,
     M::View,
     "Key to the drawing",
     nullptr,
     "shows or hides the key to the drawing: what every colour and figure means"},
    {C::BoldLines,
     "bold-lines",
     H::Shell,
     0,
     {"b"},
     "B",
     false,
     M::View,
     "Bold lines",
     nullptr,
     "doubles the width of every line and the bob's size, for projectors; again for thin lines"},
    {C::FullScreen,
     "full-screen",
     H::Shell,
     0,
     {"F11"},
     "F11",
     false,
     M::View,
     "Full screen",
     nullptr,
     "fills the screen with the window, for projectors, and back"},
    {C::StartAgain,
     "start-again",
     H::Shell,
     0,
     {},
     "",
     false,
     M::View,
     "Start again at this size",
     nullptr,
     "runs the program's start-up again for the window's size now, so that the picture fills it"},
    {C::Language,
     "language",
     H::Shell,
     0,
     {},
     "",
     false,
     M::View,
     "Language: English / Greek",
     nullptr,
     "switches every text beside the captions to the next language (English, Greek)"},
    {C::About,
     "about",
     H::Shell,
     0,
     {},
     "",
     false,
     M::Info,
     "About Orvalde",
     nullptr,
     "the program's name, version, licence and third-party notices"},
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

std::string ActionHelp(Command command) { return Shown(ActionFor(command).help); }

std::string ActionKeysText(Command command) { return Shown(ActionFor(command).keysText); }

std::vector<HelpEntry> HelpButtons() {
    std::vector<HelpEntry> entries;
    for (int number = 1; number <= static_cast<int>(kButtons.size()); ++number) {
        const auto design = std::find_if(kButtons.begin(), kButtons.end(),
                                         [number](const ButtonDesign& b) { return b.number == number; });
        const Action* action = ActionForButton(number);
        if (design != kButtons.end() && action) entries.push_back({design->caption, Shown(action->help)});
    }
    return entries;
}

std::vector<HelpEntry> HelpKeys() {
    std::vector<HelpEntry> entries;
    for (const Action& a : kActions) {
        if (!a.keys[0]) continue;
        entries.push_back({Shown(a.keysText), Shown(a.button ? a.label : a.help)});
    }
    entries.push_back({Shown("Tab"), Shown("moves between the buttons and the scroll bar; Space or Enter presses "
                                           "the button that has the focus")});
    return entries;
}

std::string HelpTitle() { return Shown("ORVALDE \u2014 Help"); }

std::string HelpScrollBarText() {
    return Shown(
        "The scroll bar at the bottom left chooses where the bob starts. With the keyboard: \u2190 and "
        "\u2192 move it one step, Page Up and Page Down ten, Home and End to its ends.");
}

std::string HelpMenuText() {
    return Shown("Right click on the drawing: the same actions, and saving the picture or the measurements.");
}

}  // namespace orvalde
