#include "app/tools/FuzzArguments.h"

#include <limits>

#include "app/tools/OptionValue.h"
#include "app/tools/ParseInteger.h"

namespace orvalde {

std::optional<FuzzArguments> ParseFuzzArguments(const std::vector<std::string>& args, std::string& error) {
    FuzzArguments out;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            out.help = true;
            return out;
        }
        const std::string* given = OptionValue(args, i, {"--seed", "--events"}, error);
        if (!given) return std::nullopt;
        const std::string& text = *given;
        long long value = 0;
        if (a == "--seed") {
            if (!ParseIntegerIn(text, 0, std::numeric_limits<long long>::max(), value)) {
                error = "--seed must be a non-negative integer, got '" + text + "'";
                return std::nullopt;
            }
            out.seed = static_cast<std::uint64_t>(value);
        } else {
            if (!ParseIntegerIn(text, 1, kMaxFuzzEvents, value)) {
                error = "--events must be an integer from 1 to 1000000000, got '" + text + "'";
                return std::nullopt;
            }
            out.events = static_cast<std::uint64_t>(value);
        }
    }
    return out;
}

}  // namespace orvalde
