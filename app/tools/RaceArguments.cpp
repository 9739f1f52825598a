#include "app/tools/RaceArguments.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

#include "app/tools/OptionValue.h"

namespace orvalde {
namespace {

bool ParseNumber(const std::string& text, double& value) {
    if (text.empty()) return false;
    errno = 0;
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return errno == 0 && end && *end == '\0' && std::isfinite(value);
}

}  // namespace

std::optional<RaceArguments> ParseRaceArguments(const std::vector<std::string>& args, std::string& error) {
    RaceArguments out;
    bool haveHeights = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            out.help = true;
            return out;
        }
        const std::string* given = OptionValue(args, i, {"--heights", "--g", "--length", "--damping"}, error);
        if (!given) return std::nullopt;
        const std::string& text = *given;
        if (a == "--heights") {
            out.heights.clear();
            std::size_t from = 0;
            while (true) {
                const std::size_t comma = text.find(',', from);
                double h = 0;
                if (!ParseNumber(text.substr(from, comma - from), h)) {
                    error = "--heights must be numbers separated by commas, got '" + text + "'";
                    return std::nullopt;
                }
                out.heights.push_back(h);
                if (comma == std::string::npos) break;
                from = comma + 1;
            }
            haveHeights = true;
            continue;
        }
        double value = 0;
        if (!ParseNumber(text, value)) {
            error = a + " must be a number, got '" + text + "'";
            return std::nullopt;
        }
        (a == "--g" ? out.gravity : a == "--length" ? out.length : out.damping) = value;
    }
    if (!haveHeights) {
        error = "missing --heights H1,H2,... (metres above the lowest point)";
        return std::nullopt;
    }
    return out;
}

}  // namespace orvalde
