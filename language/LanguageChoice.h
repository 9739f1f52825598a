#pragma once
// Which language to speak: the first of the user's preferences that has a
// catalog, English otherwise.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace orvalde {

// The code of the first preference the program speaks: "el_GR.UTF-8",
// "el-GR" and "el" all give "el"; "en" when none does.
std::string MatchLanguage(const std::vector<std::string>& preferences);

// A desktop's preferences by gettext's rules: the locale is LC_ALL, else
// LC_MESSAGES, else LANG; LANGUAGE, a colon-separated list, comes first
// unless that locale is "C" or "POSIX".
std::vector<std::string> EnvironmentPreferences(const std::function<const char*(const char*)>& getenv);

}  // namespace orvalde
