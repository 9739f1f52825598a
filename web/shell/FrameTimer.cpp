#include "web/shell/FrameTimer.h"

#include <algorithm>

namespace orvalde {

void FrameTimer::setInterval(int milliseconds) {
    const bool wasRunning = running();
    const bool changed = std::max(0, milliseconds) != interval_;
    interval_ = std::max(0, milliseconds);
    if (!wasRunning || changed) restart_ = true;
}

void FrameTimer::setEnabled(bool enabled) {
    if (!running()) restart_ = true;
    enabled_ = enabled;
}

bool FrameTimer::takeDue(double nowMs) {
    if (!running()) return false;
    if (restart_) {
        restart_ = false;
        lastMs_ = nowMs;
        pacer_.restart();
        return false;
    }
    if (nowMs - lastMs_ < interval_) return false;
    lastMs_ = nowMs;
    return true;
}

int FrameTimer::ticksDue(double nowMs) {
    if (!takeDue(nowMs)) return 0;
    return pacer_.ticksDue(nowMs / 1000);
}

}  // namespace orvalde
