#include "circular/CircularStep.h"

#include <cmath>

#include "circular/CircularMotion.h"
#include "circular/CircularStart.h"
#include "cycloid/BobFigures.h"
#include "numerics/ArithmeticFault.h"
#include "numerics/RkfStep.h"

namespace orvalde {
namespace {

constexpr Rgb kRed{255, 0, 0};

// What the previous tick drew at its bob.
BobFigures Previous(const CircularStepMemory& m) {
    return {m.lastCircularBobX, m.lastCircularBobY,   m.lastCircularVX,
            m.lastCircularVY,   m.lastCircularForceX, m.lastCircularForceY};
}

}  // namespace

CircularTickReport CircularStep(Simulation& sim, DrawingSurface& surface, const ScrollBarControl& xthesi) {
    Constants& c = sim.constants;
    CircularStepMemory& m = sim.circularStep;
    Counters& counters = sim.counters;

    c.pi = 4 * std::atan(1.0);
    const double t = static_cast<double>(counters.circularTicks) * c.timeStep;
    const double a = c.circleRadius;
    const double w = 2 * c.pi * a;
    c.stringLength = 4 * a;
    const Rgb bg = surface.backColor();
    c.bobWeight = 10;
    const double weight = c.bobWeight;
    const double pivotX = w / 2, pivotY = 2 * a;

    surface.setLineWidth(2);
    EraseBobFigures(sim, surface, Previous(m), pivotX, pivotY, bg, counters.circularTicks > 0);
    surface.setLineWidth(2);

    // The first tick after a start places the bob at rest at its start.
    double vx = m.circularVX, vy = m.circularVY;
    double bobX = sim.circular.circularBobX, bobY = sim.circular.circularBobY;
    if (counters.circularTicks == 0) {
        const Position start = CircularStartPosition(sim, xthesi.value());
        vx = vy = 0;
        bobX = RequireFinite(start.x, "the circular pendulum's start");
        bobY = start.y;
    }

    std::array<double, 8> state = m.circularState;
    std::array<double, 8> next = m.circularStateNext;
    state[0] = vx;
    state[1] = vy;
    state[2] = bobX;
    state[3] = bobY;
    RkfStep([&sim](double tt, const double* y, int i) { return CircularDerivative(sim, tt, y, i); }, t, state.data(),
            c.timeStep, next.data(), 5);

    const double x = next[2], y = next[3];
    const CircularForces f = CircularForcesAt(pivotX, pivotY, x, y, counters.circularStartY, c.stringLength, weight);
    for (double v : {next[0], next[1], x, y, f.theta, f.fx, f.fy}) RequireDrawable(v, "the circular pendulum");

    // Commit: the state only ever takes finite values.
    if (counters.circularTicks == 0) {
        m.circularVX = m.circularVY = 0;
        sim.circular.circularBobX = bobX;
        sim.circular.circularBobY = bobY;
    }
    counters.circularTicks += 1;

    surface.setLineWidth(2);
    surface.line(static_cast<float>(x), static_cast<float>(y), static_cast<float>(pivotX), static_cast<float>(pivotY),
                 kRed);
    surface.setLineWidth(2);

    for (int i = 0; i <= 5; ++i) state[i] = next[i];
    m.circularState = state;
    m.circularStateNext = next;
    m.circularVX = state[0];
    m.circularVY = state[1];
    sim.circular.circularBobX = state[2];
    sim.circular.circularBobY = state[3];
    m.lastCircularBobX = state[2];
    m.lastCircularBobY = state[3];
    m.lastCircularVX = state[0];
    m.lastCircularVY = state[1];

    const double bx = state[2], by = state[3];
    surface.setLineWidth(1);
    surface.setLineWidth(7);
    surface.point(static_cast<float>(bx), static_cast<float>(by), Rgb{0, 0, 255});
    surface.setLineWidth(1);
    surface.setLineWidth(2);

    DrawBobArrows(sim, surface, {bx, by, m.circularVX, m.circularVY, f.fx, f.fy});
    m.lastCircularForceX = f.fx;
    m.lastCircularForceY = f.fy;

    surface.line(static_cast<float>(w), -100.0f, static_cast<float>(w), 100.0f, kRed);
    surface.setLineWidth(1);

    return CircularTickReport{t, state[0], state[1], state[2], state[3], f.theta, f.fx, f.fy};
}

}  // namespace orvalde
