#pragma once
// The tools' options that take a value: one place for the refusals of an
// unknown option and of one given without its value.

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace orvalde {

// The value after option args[i] when the option is one of `known`, with i
// moved onto it; nullptr, and the error the tools print, otherwise.
inline const std::string* OptionValue(const std::vector<std::string>& args, std::size_t& i,
                                      std::initializer_list<std::string_view> known, std::string& error) {
    const std::string& option = args[i];
    bool isKnown = false;
    for (std::string_view k : known) isKnown = isKnown || option == k;
    if (!isKnown) {
        error = "unknown argument '" + option + "'";
        return nullptr;
    }
    if (i + 1 >= args.size()) {
        error = option + " needs a value";
        return nullptr;
    }
    return &args[++i];
}

}  // namespace orvalde
