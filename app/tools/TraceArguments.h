#pragma once
// Command line of orvalde-trace: parsed and checked without side effects.

#include <optional>
#include <string>
#include <vector>

namespace orvalde {

struct TraceArguments {
    int start = 0;
    long long ticks = 0;
    bool circular = false;
    bool periods = false;
    bool help = false;
};

inline constexpr long long kMaxTraceTicks = 10'000'000;

// Returns the arguments, or sets error to one line naming the problem.
std::optional<TraceArguments> ParseTraceArguments(const std::vector<std::string>& args, std::string& error);

}  // namespace orvalde
