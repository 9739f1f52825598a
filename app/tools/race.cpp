// Races bobs from the given heights on the cycloid and on the circle of the
// same string length until all have reached the lowest point, and prints
// their arrival times beside the theory's as CSV.

#include <cstdio>
#include <string>
#include <vector>

#include "app/tools/RaceArguments.h"
#include "lab/Race.h"
#include "lab/RaceReport.h"

namespace {

constexpr const char* kUsage =
    "usage: orvalde-race --heights H1,H2,... [--g G] [--length L] [--damping GAMMA]\n"
    "  H:     release heights in metres above the lowest point, each in (0, L/2]\n"
    "  G:     gravity in m/s^2 (default 9.81)\n"
    "  L:     string length in metres (default 80)\n"
    "  GAMMA: friction in 1/s, below 2 sqrt(G/L) (default 0)\n"
    "Prints track,bob,height,arrival,theory: one row per bob on the cycloid,\n"
    "then on the circle; times in seconds from the release with 17 significant\n"
    "digits; theory is empty where there is no closed form (the circle with friction).\n";

int Refuse(const std::string& why) {
    std::fprintf(stderr, "orvalde-race: %s (see orvalde-race --help)\n", why.c_str());
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    std::string error;
    const auto parsed = orvalde::ParseRaceArguments(args, error);
    if (!parsed) return Refuse(error);
    if (parsed->help) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    orvalde::Race race;
    const std::string why = race.configure({parsed->gravity, parsed->length, 1, parsed->damping}, parsed->heights);
    if (!why.empty()) return Refuse(why);
    race.runUntilArrived();
    std::fputs(orvalde::RaceCsv(race).c_str(), stdout);
    return 0;
}
