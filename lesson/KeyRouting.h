#pragma once
// Where a key press goes, the same in both editions. Keys go to the focused
// control first: a focused button takes Space and Enter, the scroll bar its
// arrows, pages and ends, an open menu every key. Whatever the control leaves
// goes to the action table; a held key repeats only the actions that allow it.

#include <optional>
#include <string>
#include <string_view>

#include "lesson/Command.h"

namespace orvalde {

enum class Focus { Elsewhere, Button, ScrollBar, Menu };

struct KeyRoute {
    enum Kind {
        ToFocused,  // the focused control (or the platform) handles it
        Swallow,    // an action's key held down: taken, nothing runs
        Run,        // run `command`
    } kind = ToFocused;
    Command command = Command::Pause;
};

// `key` names the logical key as a browser does (KeyboardEvent.key), single
// characters lower-cased, "Space" for the space bar, "Shift+" before a named
// key pressed with Shift. Keys with Ctrl, Alt or Meta are never routed here.
KeyRoute RouteKey(std::string_view key, Focus focus, bool repeat);

// The key name RouteKey expects, from a browser's KeyboardEvent.key and
// whether Shift was held. A Greek letter names the Latin key it shares.
std::string KeyName(std::string_view browserKey, bool shift);

// What a key does to the focused scroll bar.
struct ScrollMove {
    enum Kind { Step, Page, ToMinimum, ToMaximum } kind = Step;
    int direction = 1;  // for Step and Page: -1 or +1
};
std::optional<ScrollMove> ScrollKey(std::string_view key);

}  // namespace orvalde
