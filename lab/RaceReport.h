#pragma once
// What a race measured, as both editions and the command line show it: one
// row per bob and track with its theory, the CSV, and the spread of the
// arrivals in words.

#include <optional>
#include <string>
#include <vector>

#include "lab/Race.h"
#include "language/Translator.h"

namespace orvalde {

struct ArrivalRow {
    Track track = Track::Cycloid;
    int bob = 1;
    double height = 0;
    std::optional<double> arrival;  // none before the bob arrived
    std::optional<double> theory;   // none where there is no closed form
};

// Cycloid bobs first, then the circle's, each in bob order.
std::vector<ArrivalRow> ArrivalRows(const Race& race);

const char* TrackName(Track track);  // "cycloid", "circle", as the CSV names them

// The row's cells as the tables show them: track, bob, height in metres,
// arrival and theory in seconds to six decimals, empty where unknown; in the
// language, with its decimal separator.
std::vector<std::string> ArrivalCells(const ArrivalRow& row, const Translator& language = Translator::english());

// "track,bob,height,arrival,theory" and a row per bob; numbers %.17g, empty
// fields for what is not known.
std::string RaceCsv(const Race& race);

// One sentence per track a pupil reads at a glance, e.g.
// "cycloid: all six within 0.000001 s" and "circle: 1.3 s between first and last".
std::vector<std::string> SpreadSentences(const Race& race, const Translator& language = Translator::english());

}  // namespace orvalde
