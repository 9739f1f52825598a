// Seeded random use of the whole program; prints the seed and the shortest
// event sequence that reproduces a failure.
//
//   orvalde-fuzz [--seed S] [--events N]

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/tools/FuzzDriver.h"

int main(int argc, char** argv) {
    std::uint64_t seed = 1;
    std::uint64_t events = 200000;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--seed") == 0 && i + 1 < argc) {
            seed = std::strtoull(argv[++i], nullptr, 10);
        } else if (std::strcmp(argv[i], "--events") == 0 && i + 1 < argc) {
            events = std::strtoull(argv[++i], nullptr, 10);
        } else {
            std::fprintf(stderr, "usage: orvalde-fuzz [--seed S] [--events N]\n");
            return 2;
        }
    }
    const auto begin = std::chrono::steady_clock::now();
    std::vector<orvalde::FuzzEvent> failing;
    const auto failure = orvalde::RunFuzzSeed(seed, events, &failing);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
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
