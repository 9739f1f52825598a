#pragma once
// How many ticks are due at a display frame, for the lesson's four paces.
// The simulated time step is 0.1 s, so 10 ticks a second is real time; one
// tick per frame at 60 frames a second is six times faster.

namespace orvalde {

enum class Pace { Quarter, RealTime, PerFrame, Fast };

inline constexpr Pace kDefaultPace = Pace::PerFrame;

// "¼×", "1×", "6×", "24×".
const char* PaceLabel(Pace pace);

class TickPacer {
public:
    void setPace(Pace pace);
    Pace pace() const { return pace_; }

    // Starts counting afresh (the timer was started or resumed): the first
    // frame after it gets a tick at once.
    void restart();

    // Ticks due at a frame shown at `seconds` (any steady clock). The timed
    // paces never owe more than one tick, so a stall is not made up in a burst.
    int ticksDue(double seconds);

private:
    Pace pace_ = kDefaultPace;
    bool started_ = false;
    double last_ = 0;
    double credit_ = 0;  // ticks owed, fractional
};

}  // namespace orvalde
