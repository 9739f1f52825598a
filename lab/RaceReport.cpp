#include "lab/RaceReport.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "lab/LabTexts.h"
#include "lab/RaceTheory.h"

namespace orvalde {
namespace {

std::string Number(double v) {
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", v);
    return text;
}

// The smallest power of ten at or above the spread, written out in decimals
// (a pupil reads 0.000001 s, not 1e-06 s); below a nanosecond, a nanosecond.
std::string Within(double spread) {
    int decimals = 0;
    while (decimals < 9 && std::pow(10.0, -(decimals + 1)) >= spread) ++decimals;
    char text[32];
    std::snprintf(text, sizeof text, "%.*f", decimals, std::pow(10.0, -decimals));
    return text;
}

}  // namespace

const char* TrackName(Track track) { return track == Track::Cycloid ? labtext::kCycloidTrack : labtext::kCircleTrack; }

std::vector<ArrivalRow> ArrivalRows(const Race& race) {
    std::vector<ArrivalRow> rows;
    const double cycloid = CycloidArrivalTheory(race.parameters());
    for (Track track : kTracks) {
        for (const RaceBob& bob : race.bobs(track)) {
            ArrivalRow row{track, bob.number, bob.height, std::nullopt, std::nullopt};
            if (bob.arrived()) row.arrival = bob.arrival;
            row.theory = track == Track::Cycloid ? std::optional<double>(cycloid)
                                                 : CircleArrivalTheory(race.parameters(), bob.height);
            rows.push_back(row);
        }
    }
    return rows;
}

std::vector<std::string> ArrivalCells(const ArrivalRow& row) {
    auto seconds = [](const std::optional<double>& t) { return t ? labtext::Format("%.6f", *t) : std::string(); };
    char height[40];
    std::snprintf(height, sizeof height, "%.4g", row.height);
    return {TrackName(row.track), std::to_string(row.bob), height, seconds(row.arrival), seconds(row.theory)};
}

std::string RaceCsv(const Race& race) {
    std::string csv = "track,bob,height,arrival,theory\n";
    for (const ArrivalRow& row : ArrivalRows(race)) {
        csv += std::string(TrackName(row.track)) + "," + std::to_string(row.bob) + "," + Number(row.height) + "," +
               (row.arrival ? Number(*row.arrival) : "") + "," + (row.theory ? Number(*row.theory) : "") + "\n";
    }
    return csv;
}

std::vector<std::string> SpreadSentences(const Race& race) {
    using namespace labtext;
    std::vector<std::string> lines;
    for (Track track : kTracks) {
        const auto& bobs = race.bobs(track);
        double first = 0, last = 0;
        int arrived = 0;
        for (const RaceBob& bob : bobs) {
            if (!bob.arrived()) continue;
            first = arrived ? std::min(first, bob.arrival) : bob.arrival;
            last = arrived ? std::max(last, bob.arrival) : bob.arrival;
            ++arrived;
        }
        const int count = static_cast<int>(bobs.size());
        const std::string name = TrackName(track);
        if (arrived < count) {
            lines.push_back(Fill(kSpreadWaiting, {name, std::to_string(arrived), std::to_string(count)}));
        } else if (last - first < 0.001) {
            lines.push_back(Fill(kSpreadTogether, {name, CountWord(count), Within(last - first)}));
        } else {
            lines.push_back(Fill(kSpreadApart, {name, Format("%.2g", last - first)}));
        }
    }
    return lines;
}

}  // namespace orvalde
