#pragma once
// Command line of orvalde-race: parsed and checked without side effects; the
// physics refuses what it cannot race.

#include <optional>
#include <string>
#include <vector>

namespace orvalde {

struct RaceArguments {
    std::vector<double> heights;
    double gravity = 9.81;
    double length = 80;
    double damping = 0;
    bool help = false;
};

// Returns the arguments, or sets error to one line naming the problem.
std::optional<RaceArguments> ParseRaceArguments(const std::vector<std::string>& args, std::string& error);

}  // namespace orvalde
