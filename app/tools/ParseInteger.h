#pragma once
// Whole-text integer parsing for the tools' command lines: no sign tricks,
// no trailing characters, no overflow.

#include <cerrno>
#include <cstdlib>
#include <string>

namespace orvalde {

inline bool ParseInteger(const std::string& text, long long& value) {
    if (text.empty()) return false;
    errno = 0;
    char* end = nullptr;
    value = std::strtoll(text.c_str(), &end, 10);
    return errno == 0 && end && *end == '\0';
}

inline bool ParseIntegerIn(const std::string& text, long long low, long long high, long long& value) {
    return ParseInteger(text, value) && value >= low && value <= high;
}

}  // namespace orvalde
