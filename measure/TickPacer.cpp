#include "measure/TickPacer.h"

namespace orvalde {

const char* PaceLabel(Pace pace) {
    switch (pace) {
        case Pace::Quarter: return "\u00bc\u00d7";
        case Pace::RealTime: return "1\u00d7";
        case Pace::PerFrame: return "6\u00d7";
        case Pace::Fast: return "24\u00d7";
    }
    return "?";
}

void TickPacer::setPace(Pace pace) {
    if (pace == pace_) return;
    pace_ = pace;
    restart();
}

void TickPacer::restart() {
    started_ = false;
    credit_ = 0;
}

int TickPacer::ticksDue(double seconds) {
    double rate = 0;  // ticks per second
    switch (pace_) {
        case Pace::PerFrame: return 1;
        case Pace::Fast: return 4;
        case Pace::Quarter: rate = 2.5; break;
        case Pace::RealTime: rate = 10; break;
    }
    if (!started_) {
        started_ = true;
        last_ = seconds;
        credit_ = 0;
        return 1;
    }
    const double elapsed = seconds > last_ ? seconds - last_ : 0;
    last_ = seconds;
    credit_ += elapsed * rate;
    if (credit_ < 1) return 0;
    credit_ -= 1;
    if (credit_ > 1) credit_ = 1;
    return 1;
}

}  // namespace orvalde
