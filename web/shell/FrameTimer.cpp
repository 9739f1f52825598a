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
        return false;
    }
    if (nowMs - lastMs_ < interval_) return false;
    lastMs_ = nowMs;
    return true;
}

}  // namespace orvalde
