#pragma once
// The action table: every command with its stable id, keys, label, help
// (also its tooltip) and place in the context menu. Both editions build
// their buttons' tooltips, keys, help window and context menu from it.
//
// Adding an action: a value in Command, one row in kActions (Actions.cpp),
// and its handler — in Lesson::press for a core action, or in each shell's
// handler for a shell action (one that opens a window or writes a file).

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "language/Translator.h"
#include "lesson/Command.h"

namespace orvalde {

// Who runs the command: the Qt-free lesson, or the shell around it.
enum class Handler { Core, Shell };

// Where the command sits in the context menu; groups follow in this order,
// separated, each in table order.
enum class MenuPlace { None, Main, Pace, View, Save, Info };

struct Action {
    Command command;
    const char* id;  // stable, for the page and scripts: "pause", "pace-2"
    Handler handler;
    int button;  // CommandN of the button it is, 0 for none
    // Logical keys, as a browser's KeyboardEvent.key names them; single
    // characters in lower case, "Shift+" before a modified named key.
    std::array<const char*, 3> keys;
    const char* keysText;  // the keys as shown in menus and help
    bool repeats;          // whether a held key runs it again
    MenuPlace menu;
    const char* label;        // in the menu and the key help
    const char* labelWhenOn;  // instead of label while the lesson is paused (nullptr: the same)
    const char* help;         // tooltip and help text
};

const std::vector<Action>& Actions();
const Action& ActionFor(Command command);
const Action* ActionWithId(std::string_view id);
const Action* ActionForButton(int number);
// The action a key names, whatever has the focus (see RouteKey).
const Action* ActionForKey(std::string_view key);

// The texts as shown in `language` (see Shown).
std::string ActionHelp(Command command, const Translator& language = Translator::english());
std::string ActionKeysText(Command command, const Translator& language = Translator::english());

// The help window's contents: each button's caption with what it does, in
// the buttons' numbering; the keys, one "keys: what they do" line each; and
// the lines that say the rest.
struct HelpEntry {
    std::string title;
    std::string text;
};
std::vector<HelpEntry> HelpButtons(const Translator& language = Translator::english());
std::vector<HelpEntry> HelpKeys(const Translator& language = Translator::english());
std::string HelpTitle(const Translator& language = Translator::english());
std::string HelpScrollBarText(const Translator& language = Translator::english());
std::string HelpMenuText(const Translator& language = Translator::english());

}  // namespace orvalde
