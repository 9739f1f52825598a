#pragma once
// The readable screen's state, held once by each edition's lesson controls:
// whether the key shows, whether lines are bold, the joint button's hint and
// how often the status line is brought up to date.

#include <string>

#include "display/StatusLine.h"

namespace orvalde {

class RasterSurface;

// Seconds between two updates of the status line (ten a second at most).
inline constexpr double kStatusRefreshSeconds = 0.1;
// How long the joint button's hint stays in the status line.
inline constexpr double kHintSeconds = 8;

class ReadableView {
public:
    // The key shows from the start.
    bool legendShown() const { return legendShown_; }
    void toggleLegend() { legendShown_ = !legendShown_; }

    // Bold lines double every pen width on the surface, the bob's dot with them.
    bool boldLines() const { return bold_; }
    void toggleBoldLines(RasterSurface& surface);

    // Told of every press of a button before its handler runs; at `seconds`
    // on any steady clock.
    void buttonPressed(int number, const TimerControl& cycloid, const TimerControl& circular, double seconds);
    // The hint in force at `seconds` (its English text), or empty.
    std::string hint(double seconds) const;

    // Whether the status line is due for an update at `seconds`; a due update
    // is taken.
    bool statusDue(double seconds);
    // The text at `seconds`, in `language`.
    std::string status(const StatusFacts& facts, double seconds,
                       const Translator& language = Translator::english()) const {
        return StatusText(facts, hint(seconds), language);
    }

private:
    bool legendShown_ = true;
    bool bold_ = false;
    double hintUntil_ = -1;
    double lastStatus_ = -1e9;
};

}  // namespace orvalde
