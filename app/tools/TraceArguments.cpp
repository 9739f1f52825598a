#include "app/tools/TraceArguments.h"

#include "app/tools/OptionValue.h"
#include "app/tools/ParseInteger.h"

namespace orvalde {

std::optional<TraceArguments> ParseTraceArguments(const std::vector<std::string>& args, std::string& error) {
    TraceArguments out;
    bool haveStart = false, haveTicks = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            out.help = true;
            return out;
        }
        if (a == "--circular") {
            out.circular = true;
            continue;
        }
        if (a == "--periods") {
            out.periods = true;
            continue;
        }
        const std::string* given = OptionValue(args, i, {"--start", "--ticks"}, error);
        if (!given) return std::nullopt;
        const std::string& text = *given;
        long long value = 0;
        if (a == "--start") {
            if (!ParseInteger(text, value) || value < -120 || value > 0) {
                error = "--start must be an integer from -120 to 0, got '" + text + "'";
                return std::nullopt;
            }
            out.start = static_cast<int>(value);
            haveStart = true;
        } else {
            if (!ParseInteger(text, value) || value < 0 || value > kMaxTraceTicks) {
                error = "--ticks must be an integer from 0 to 10000000, got '" + text + "'";
                return std::nullopt;
            }
            out.ticks = value;
            haveTicks = true;
        }
    }
    if (out.circular && out.periods) {
        error = "--periods already runs the circular pendulum; drop --circular";
        return std::nullopt;
    }
    if (!haveStart) {
        error = "missing --start X0 (an integer from -120 to 0)";
        return std::nullopt;
    }
    if (!haveTicks) {
        error = "missing --ticks N (an integer from 0 to 10000000)";
        return std::nullopt;
    }
    return out;
}

}  // namespace orvalde
