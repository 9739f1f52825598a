#pragma once
// Where the bobs go, found by running the program rather than from its
// geometry: every position of the cycloidal, the exact and the integrated
// circular bob over a full swing from starts across the scroll bar's range.

#include <algorithm>

#include "app/HeadlessOrvalde.h"
#include "measure/PanelLayout.h"

namespace orvalde::testsupport {

// In world units, padded by the bob's size.
struct WorldBox {
    double left = 1e9, right = -1e9, bottom = 1e9, top = -1e9;
    void add(double x, double y) {
        left = std::min(left, x), right = std::max(right, x);
        bottom = std::min(bottom, y), top = std::max(top, y);
    }
};

inline WorldBox BobsWorldBox(double clientWidth, double clientHeight) {
    WorldBox box;
    HeadlessOrvalde probe(clientWidth, clientHeight, false);
    probe.form.Main();
    const int lo = probe.xthesi.minimum(), hi = probe.xthesi.maximum();
    for (int start = lo; start <= hi; start += std::max(1, (hi - lo) / 8)) {
        HeadlessOrvalde p(clientWidth, clientHeight, false);
        p.form.Main();
        p.xthesi.setValue(start);
        p.form.Command1_Click();
        p.form.Command5_Click();
        const Simulation& sim = p.form.sim();
        for (int tick = 0; tick < 200; ++tick) {  // a little more than one period
            if (p.timer1.enabled()) p.form.Timer1_Timer();
            if (p.timer2.enabled()) p.form.Timer2_Timer();
            box.add(sim.cycloid.bobX, sim.cycloid.bobY);
            box.add(sim.exactPendulum.lastExactBobX, sim.exactPendulum.lastExactBobY);
            box.add(sim.circular.circularBobX, sim.circular.circularBobY);
        }
    }
    constexpr double kBob = 4;
    box.left -= kBob, box.right += kBob, box.bottom -= kBob, box.top += kBob;
    return box;
}

// The box in the window's logical pixels, with the drawing shown at `scale`
// (the world spans the start-up client area at scale 1).
inline LayoutRect BobsOnScreen(const WorldBox& b, double clientWidth, double clientHeight, double halfWidth,
                               double halfHeight, double scale) {
    const double perX = clientWidth / (2 * halfWidth) * scale, perY = clientHeight / (2 * halfHeight) * scale;
    return {(b.left + halfWidth) * perX, (halfHeight - b.top) * perY, (b.right - b.left) * perX,
            (b.top - b.bottom) * perY};
}

}  // namespace orvalde::testsupport
