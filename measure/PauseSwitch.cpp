#include "measure/PauseSwitch.h"

namespace orvalde {

bool PauseSwitch::toggle(TimerControl& cycloid, TimerControl& circular) {
    if (cycloid.running() || circular.running()) {
        cycloid_ = cycloid.running();
        circular_ = circular.running();
        if (cycloid_) cycloid.setEnabled(false);
        if (circular_) circular.setEnabled(false);
        return true;
    }
    if (cycloid_) cycloid.setEnabled(true);
    if (circular_) circular.setEnabled(true);
    cycloid_ = circular_ = false;
    return false;
}

}  // namespace orvalde
