#pragma once
// A timer paced by the page's animation frames: it falls due at most once per
// frame, and only once its interval has passed since it was started or last
// fired, so a 1 ms interval gives one tick per frame. Switching it on or
// changing its interval starts the count again, as the desktop's timer does;
// switching on a timer that already runs does not.

#include "measure/TickPacer.h"
#include "surface/Controls.h"

namespace orvalde {

class FrameTimer : public TimerControl {
public:
    void setInterval(int milliseconds) override;
    int interval() const override { return interval_; }
    void setEnabled(bool enabled) override;
    bool enabled() const override { return enabled_; }

    // Whether a tick is due in the frame at `nowMs`; a due tick is taken, so
    // the next one waits a full interval.
    bool takeDue(double nowMs);
    // Ticks to run in the frame at `nowMs` at the lesson's pace: 0 unless the
    // timer is due, then what the pacer allows (1 at the default pace).
    int ticksDue(double nowMs);

    void setPace(Pace pace) { pacer_.setPace(pace); }
    Pace pace() const { return pacer_.pace(); }

private:
    int interval_ = 0;
    bool enabled_ = true;
    bool restart_ = true;  // the count starts at the next frame seen
    double lastMs_ = 0;
    TickPacer pacer_;
};

}  // namespace orvalde
