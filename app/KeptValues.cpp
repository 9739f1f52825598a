#include "app/KeptValues.h"

namespace orvalde {

std::vector<KeptValue> KeptValues(const Simulation& s) {
    const Constants& k = s.constants;
    const CycloidState& c = s.cycloid;
    const Counters& n = s.counters;
    const CycloidStepMemory& m = s.cycloidStep;
    const ExactPendulumMemory& e = s.exactPendulum;
    const CircularStepMemory& r = s.circularStep;
    std::vector<KeptValue> v{
        {"pi", k.pi},
        {"circleRadius", k.circleRadius},
        {"stringLength", k.stringLength},
        {"bobWeight", k.bobWeight},
        {"timeStep", k.timeStep},
        {"worldHalfWidth", k.worldHalfWidth},
        {"worldHalfHeight", k.worldHalfHeight},
        {"bobVX", c.bobVX},
        {"bobVY", c.bobVY},
        {"bobX", c.bobX},
        {"bobY", c.bobY},
        {"contactX", c.contactX},
        {"contactY", c.contactY},
        {"rollAngle", c.rollAngle},
        {"circularBobX", s.circular.circularBobX},
        {"circularBobY", s.circular.circularBobY},
        {"cycloidTicks", static_cast<double>(n.cycloidTicks)},
        {"circularTicks", static_cast<double>(n.circularTicks)},
        {"cycloidStartY", n.cycloidStartY},
        {"circularStartY", n.circularStartY},
        {"circularStartAngle", n.circularStartAngle},
        {"bobPathAngle", m.bobPathAngle},
        {"lastBobX", m.lastBobX},
        {"lastBobY", m.lastBobY},
        {"lastContactX", m.lastContactX},
        {"lastContactY", m.lastContactY},
        {"lastVX", m.lastVX},
        {"lastVY", m.lastVY},
        {"lastForceX", m.lastForceX},
        {"lastForceY", m.lastForceY},
        {"lastCircleX", m.lastCircleX},
        {"lastCircleY", m.lastCircleY},
        {"lastCircleR", m.lastCircleR},
        {"lastExactBobX", e.lastExactBobX},
        {"lastExactBobY", e.lastExactBobY},
        {"lastExactForceX", e.lastExactForceX},
        {"lastExactForceY", e.lastExactForceY},
        {"firstExactBobX", e.firstExactBobX},
        {"firstExactBobY", e.firstExactBobY},
        {"circularVX", r.circularVX},
        {"circularVY", r.circularVY},
        {"lastCircularBobX", r.lastCircularBobX},
        {"lastCircularBobY", r.lastCircularBobY},
        {"lastCircularVX", r.lastCircularVX},
        {"lastCircularVY", r.lastCircularVY},
        {"lastCircularForceX", r.lastCircularForceX},
        {"lastCircularForceY", r.lastCircularForceY},
    };
    const auto add = [&v](const char* name, const auto& array) {
        for (auto x : array) v.push_back({name, static_cast<double>(x)});
    };
    add("cycloidState", m.cycloidState);
    add("cycloidStateNext", m.cycloidStateNext);
    add("circularState", r.circularState);
    add("circularStateNext", r.circularStateNext);
    add("evoluteX", s.tables.evoluteX);
    add("evoluteY", s.tables.evoluteY);
    add("pathX", s.tables.pathX);
    add("pathY", s.tables.pathY);
    return v;
}

}  // namespace orvalde
