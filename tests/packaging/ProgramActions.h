#pragma once
// Everything a user can do in the window beyond the nine buttons, as the man
// page must list it: the key that does it, and its name in the menus.

#include <string>
#include <vector>

namespace orvalde {

struct UserAction {
    std::string key;   // as Qt names it ("Space", "Right", "F1"); empty for none
    std::string name;  // the menu's or the window's label
};

// The one list the man page is checked against.
std::vector<UserAction> ProgramActions();

}  // namespace orvalde
