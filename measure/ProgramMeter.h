#pragma once
// The period meter attached to a running program: follows every tick of the
// three bobs and keeps the results in Measurements.
//
// A bob's run begins with the first tick after its tick counter was set back
// to 0 ("TIME ON", "time on KYKLIKO", the button that runs both, or the very
// first "STEP"): the program's own clock for that bob starts again there.
// The exact circular bob runs with the cycloidal one.

#include "app/TickObserver.h"
#include "measure/Measurements.h"

namespace orvalde {

class ProgramMeter : public TickObserver {
public:
    Measurements data;

    void cycloidTicked(const CycloidTickEvent& event) override;
    void circularTicked(const CircularTickEvent& event) override;

private:
    void begin(BobKind bob, const Release& release, double lowestX, double t0, double x0);
    void sample(BobKind bob, double t, double x);
    void updateLags();
};

}  // namespace orvalde
