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
std::string Within(double spread, const Translator& language) {
    int decimals = 0;
    while (decimals < 9 && std::pow(10.0, -(decimals + 1)) >= spread) ++decimals;
    return language.number(std::pow(10.0, -decimals), decimals);
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

std::vector<std::string> ArrivalCells(const ArrivalRow& row, const Translator& language) {
    auto seconds = [&](const std::optional<double>& t) { return t ? language.number(*t, 6) : std::string(); };
    return {labtext::TrackWord(row.track == Track::Cycloid, language), std::to_string(row.bob),
            labtext::Number(language, row.height, "%.4g"), seconds(row.arrival), seconds(row.theory)};
}

std::string RaceCsv(const Race& race) {
    std::string csv = "track,bob,height,arrival,theory\n";
    for (const ArrivalRow& row : ArrivalRows(race)) {
        csv += std::string(TrackName(row.track)) + "," + std::to_string(row.bob) + "," + Number(row.height) + "," +
               (row.arrival ? Number(*row.arrival) : "") + "," + (row.theory ? Number(*row.theory) : "") + "\n";
    }
    return csv;
}

std::vector<std::string> SpreadSentences(const Race& race, const Translator& language) {
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
        const char* name = TrackWord(track == Track::Cycloid, language);
        if (arrived < count) {
            lines.push_back(SpreadWaiting(name, arrived, count, language));
        } else if (last - first < 0.001) {
            lines.push_back(SpreadTogether(name, count, Within(last - first, language), language));
        } else {
            lines.push_back(orvalde::Fill(language.tr(kSpreadApart),
                                          {{"track", name}, {"spread", Number(language, last - first, "%.2g")}}));
        }
    }
    return lines;
}

}  // namespace orvalde
