#pragma once
// The lesson's pause: stops whatever animation is running and later resumes
// exactly those, leaving alone what was already stopped.

#include "surface/Controls.h"

namespace orvalde {

class PauseSwitch {
public:
    // Pauses if either timer runs, otherwise resumes what the last pause
    // stopped. Returns true when it paused.
    bool toggle(TimerControl& cycloid, TimerControl& circular);
    bool paused() const { return cycloid_ || circular_; }

private:
    bool cycloid_ = false;  // stopped by the pause, to be resumed
    bool circular_ = false;
};

}  // namespace orvalde
