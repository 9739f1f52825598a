#include "cycloid/CycloidStep.h"

#include <cmath>

#include "cycloid/ArchStep.h"
#include "cycloid/BobFigures.h"
#include "cycloid/CycloidMotion.h"
#include "cycloid/PathGeometry.h"
#include "cycloid/StartScene.h"
#include "numerics/ArithmeticFault.h"
#include "numerics/RkfStep.h"

namespace orvalde {
namespace {

constexpr Rgb kEraseCircle{90, 240, 240};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kBlue{0, 0, 255};

float F(double v) { return static_cast<float>(v); }

// What the previous tick drew at its bob.
BobFigures Previous(const CycloidStepMemory& m) {
    return {m.lastBobX, m.lastBobY, m.lastVX, m.lastVY, m.lastForceX, m.lastForceY};
}

}  // namespace

CycloidTickReport CycloidStep(Simulation& sim, DrawingSurface& surface, MessageBox& messages) {
    Constants& c = sim.constants;
    CycloidStepMemory& m = sim.cycloidStep;
    Counters& counters = sim.counters;
    CycloidState& st = sim.cycloid;

    c.pi = 4 * std::atan(1.0);
    const double t = static_cast<double>(counters.cycloidTicks) * c.timeStep;
    const double a = c.circleRadius;
    const double archWidth = 2 * c.pi * a;
    c.stringLength = 4 * a;
    const Rgb bg = surface.backColor();
    c.bobWeight = 10;

    // The wrapped string is drawn for the previous tick's rolling position.
    surface.setLineWidth(2);
    const double rolling = (m.lastBobX + m.lastContactX) / 2;
    EraseBobFigures(sim, surface, Previous(m), m.lastContactX, m.lastContactY, bg, counters.cycloidTicks > 0);
    surface.setLineWidth(2);

    // Integrate one step, then put the bob back on its cycloid; the
    // integrated height is discarded.
    std::array<double, 8> state = m.cycloidState;
    std::array<double, 8> next = m.cycloidStateNext;
    state[0] = st.bobVX;
    state[1] = st.bobVY;
    state[2] = st.bobX;
    state[3] = st.bobY;
    state[4] = st.contactX;
    state[5] = st.contactY;
    state[6] = st.rollAngle;
    // Next to a cusp, or where the step would land there or off the arch,
    // the step is taken along the arch instead.
    bool alongArch = NearCusp(st.bobY);
    CycloidPoint p;
    if (!alongArch) {
        RkfStep([&sim](double tt, const double* y, int i) { return CycloidDerivative(sim, tt, y, i); }, t, state.data(),
                c.timeStep, next.data(), 7);
        // An overflowing step is a fault, also where the arch would take it over.
        for (int i = 0; i <= 2; ++i) RequireDrawable(next[i], "the cycloidal pendulum");
        p = FindCycloidPoint(sim, next[2], c.circleRadius);
        alongArch = NearCusp(p.y);
    }
    if (alongArch) {
        const ArchMotion along = StepAlongArch(sim, st.bobX, st.bobVX, st.bobVY, c.timeStep);
        next[0] = along.vx;
        next[1] = along.vy;
        next[2] = along.x;
        next[6] = state[6];
        p = FindCycloidPoint(sim, next[2], c.circleRadius);
    }
    const double x = next[2];
    next[3] = p.y;
    const double radius = CurvatureRadius(sim, p.angle);
    const CycloidForces f = CycloidForcesAt(sim, archWidth, x, p, radius);
    for (double v : {next[0], next[1], x, p.y, p.angle, f.contactX, f.contactY, f.psi, radius, f.fx, f.fy}) {
        RequireDrawable(v, "the cycloidal pendulum");
    }

    // Commit: every value below is finite.
    counters.cycloidTicks += 1;
    m.bobPathAngle = p.angle;

    surface.setLineWidth(2);
    surface.line(F(x), F(p.y), F(f.contactX), F(f.contactY), kRed);
    surface.setLineWidth(2);

    st.contactX = f.contactX;
    st.contactY = f.contactY;
    next[4] = f.contactX;
    next[5] = f.contactY;
    for (int i = 0; i <= 5; ++i) state[i] = next[i];  // the roll angle is carried, never changed
    m.cycloidState = state;
    m.cycloidStateNext = next;
    st.bobVX = state[0];
    st.bobVY = state[1];
    st.bobX = state[2];
    st.bobY = state[3];
    m.lastBobX = st.bobX;
    m.lastBobY = st.bobY;
    m.lastContactX = f.contactX;
    m.lastContactY = f.contactY;
    m.lastVX = st.bobVX;
    m.lastVY = st.bobVY;

    // The osculating circle: centred on the contact point, radius the free length.
    surface.setLineWidth(1);
    if (counters.cycloidTicks > 1) surface.circle(F(m.lastCircleX), F(m.lastCircleY), F(m.lastCircleR), kEraseCircle);
    surface.setLineWidth(7);
    surface.point(F(st.bobX), F(st.bobY), kBlue);
    surface.setLineWidth(1);
    const double side = f.psi >= 0 ? 1.0 : -1.0;
    const double centreX = st.bobX + side * radius * std::cos(f.psi);
    const double centreY = st.bobY + side * radius * std::sin(f.psi);
    surface.circle(F(centreX), F(centreY), F(radius));
    surface.setLineWidth(2);
    m.lastCircleR = radius;
    m.lastCircleX = centreX;
    m.lastCircleY = centreY;

    // Velocity at scale 1, forces at scale 3, and the force parallelogram.
    DrawBobArrows(sim, surface, {st.bobX, st.bobY, st.bobVX, st.bobVY, f.fx, f.fy});
    m.lastForceX = f.fx;
    m.lastForceY = f.fy;

    // Repaint the fixed parts the erasing may have crossed.
    const CurveTables& tab = sim.tables;
    for (int i = 1; i < kTableSize; ++i) {
        surface.line(tab.evoluteX[i - 1], tab.evoluteY[i - 1], tab.evoluteX[i], tab.evoluteY[i], kBlue);
    }
    DrawWrappedString(sim, surface, rolling);
    surface.setLineWidth(1);
    for (int i = 1; i < kTableSize; ++i) {
        surface.line(tab.pathX[i - 1], tab.pathY[i - 1], tab.pathX[i], tab.pathY[i], kRed);
    }

    CycloidTickReport report;
    report.t = t;
    report.bobPathAngle = p.angle;
    report.fx = f.fx;
    report.fy = f.fy;
    report.exact = DrawExactPendulum(sim, surface, messages, t, counters.cycloidTicks);

    surface.line(F(-archWidth), -100.0f, F(-archWidth), 100.0f, kRed);
    surface.line(0.0f, -100.0f, 0.0f, 100.0f, kRed);
    surface.setLineWidth(1);
    return report;
}

}  // namespace orvalde
