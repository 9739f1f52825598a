#pragma once
// Command line of orvalde-fuzz: parsed and checked without side effects.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orvalde {

struct FuzzArguments {
    std::uint64_t seed = 1;
    std::uint64_t events = 200000;
    bool help = false;
};

inline constexpr long long kMaxFuzzEvents = 1'000'000'000;

// Returns the arguments, or sets error to one line naming the problem.
std::optional<FuzzArguments> ParseFuzzArguments(const std::vector<std::string>& args, std::string& error);

}  // namespace orvalde
