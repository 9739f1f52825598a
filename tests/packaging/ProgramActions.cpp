#include "tests/packaging/ProgramActions.h"

#include <cctype>

#include "lesson/Actions.h"

namespace orvalde {

namespace {

// The key as the man page's KEYS section names it: letters in capitals,
// arrows by their direction.
std::string ManPageKey(std::string key) {
    if (key == "ArrowRight") return "Right";
    if (key == "ArrowLeft") return "Left";
    if (key.size() == 1) key[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(key[0])));
    return key;
}

}  // namespace

// Every row of the action table, one entry per key (the nine buttons have
// their own section), and the measurements panel's own buttons.
std::vector<UserAction> ProgramActions() {
    std::vector<UserAction> actions;
    for (const Action& a : Actions()) {
        if (a.button) continue;
        bool keyed = false;
        for (const char* k : a.keys) {
            if (!k || std::string(k) == "ContextMenu" || std::string(k) == "Shift+F10") continue;
            actions.push_back({ManPageKey(k), a.label});
            keyed = true;
        }
        if (!keyed && a.menu != MenuPlace::None) actions.push_back({"", a.label});
    }
    actions.push_back({"", "Measure all release heights"});
    actions.push_back({"", "Cancel"});
    return actions;
}

}  // namespace orvalde
