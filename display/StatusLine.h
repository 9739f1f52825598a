#pragma once
// The status line under the picture: for each bob in motion its simulated
// time and the pace, or "paused"; what the scroll bar's value means; L and g.

#include <string>

#include "app/Simulation.h"
#include "language/Translator.h"
#include "measure/TickPacer.h"
#include "surface/Controls.h"

namespace orvalde {

struct BobClock {
    bool shown = false;  // running, or stopped part-way through a run
    bool running = false;
    double seconds = 0;  // simulated time of its run
};

struct StatusFacts {
    BobClock cycloid;  // the exact circular bob keeps its time
    BobClock circular;
    Pace pace = kDefaultPace;
    int scrollValue = 0;
    double stringLength = 80, gravity = 10, circleRadius = 20;
};

// Reads the facts from the program: a timer that runs moves its bob; one
// stopped after its bob has ticked leaves it paused part-way.
StatusFacts ReadStatus(const Simulation& sim, const TimerControl& cycloid, const TimerControl& circular,
                       const ScrollBarControl& bar, Pace pace);

// The bobs' clocks, then the release point and the constants, then the hint
// when one is given (its English text, translated here): one line each, in
// `language` with its decimal separator.
std::string StatusText(const StatusFacts& facts, const std::string& hint = {},
                       const Translator& language = Translator::english());

// The joint button resumes both pendulums only once each has been started:
// a timer whose interval was never set cannot fire.
bool JointButtonNeedsHint(const TimerControl& cycloid, const TimerControl& circular);

}  // namespace orvalde
