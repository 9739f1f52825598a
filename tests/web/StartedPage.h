#pragma once
// The page's program at 1600x900 with a clock that advances one display frame
// at a time, for the shell's tests.

#include "web/shell/WebOrvalde.h"

namespace orvalde {

inline constexpr double kFrame = 1000.0 / 60;

struct StartedPage {
    StartedPage() : page(1600, 900, 1.0) {}
    // Runs frames until `count` have passed; returns the ticks they ran.
    int frames(int count) {
        int ticks = 0;
        for (int i = 0; i < count; ++i) ticks += page.frame(now += kFrame);
        return ticks;
    }
    const Counters& counters() { return page.counters(); }

    WebOrvalde page;
    double now = 0;
};

}  // namespace orvalde
