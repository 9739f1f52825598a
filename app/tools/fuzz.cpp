// Seeded random use of the whole program; prints the seed and the shortest
// event sequence that reproduces a failure.
//
//   orvalde-fuzz [--seed S] [--events N]

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "app/tools/FuzzArguments.h"
#include "app/tools/FuzzDriver.h"

namespace {

constexpr const char* kUsage =
    "usage: orvalde-fuzz [--seed S] [--events N]\n"
    "  S: seed of the random events, a non-negative integer (default 1)\n"
    "  N: number of events, an integer from 1 to 1000000000 (default 200000)\n"
    "Exits 1 and prints the shortest failing event sequence if a check fails.\n";

}  // namespace

int main(int argc, char** argv) {
    std::string error;
    const auto args = orvalde::ParseFuzzArguments(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!args) {
        std::fprintf(stderr, "orvalde-fuzz: %s\n", error.c_str());
        return 2;
    }
    if (args->help) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    const std::uint64_t seed = args->seed;
    const std::uint64_t events = args->events;
    const auto begin = std::chrono::steady_clock::now();
    std::vector<orvalde::FuzzEvent> failing;
    const auto failure = orvalde::RunFuzzSeed(seed, events, &failing);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    if (!failure) {
        std::printf("seed %llu: %llu events, no failure (%.1f s)\n", static_cast<unsigned long long>(seed),
                    static_cast<unsigned long long>(events), seconds);
        return 0;
    }
    std::printf("seed %llu: failure after event %zu: %s\n", static_cast<unsigned long long>(seed), failure->index,
                failure->what.c_str());
    const auto shortest = orvalde::MinimizeFuzzFailure(failing);
    std::printf("shortest sequence (%zu events):\n", shortest.size());
    for (const auto& e : shortest) std::printf("  %s\n", orvalde::Describe(e).c_str());
    return 1;
}
