#pragma once
// The one place where an English text of the lesson becomes what a user is
// shown. Every label, tooltip and help text passes through here, so a
// translation catalogue keyed by the English text can be hooked in at this
// single spot.

#include <string>

namespace orvalde {

inline std::string Shown(const char* english) { return english ? english : ""; }

}  // namespace orvalde
