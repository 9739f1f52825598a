// The cycloidal pendulum in motion: what every tick keeps true, the period,
// the first velocity arrow, and the exact circular pendulum beside it.

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <vector>

#include "app/HeadlessOrvalde.h"
#include "cycloid/ExactPendulum.h"
#include "cycloid/PathGeometry.h"
#include "numerics/CarlsonRF.h"
#include "tests/support/TestSimulation.h"

namespace orvalde {
namespace {

const double kPi = 4 * std::atan(1.0);

struct Running {
    HeadlessOrvalde p{1920, 1080, false};
    explicit Running(int start) {
        p.form.Main();
        p.xthesi.setValue(start == 0 ? -1 : start + 1);
        p.xthesi.setValue(start);
        p.form.Command1_Click();
    }
    Simulation& sim() { return p.form.sim(); }
    void tick() { p.form.Timer1_Timer(); }
};

// Simulated time between successive turns (vx changing sign), in ticks,
// interpolated linearly; returns the mean full period.
double MeasuredPeriodTicks(int start, int ticks) {
    Running run(start);
    std::vector<double> turns;
    double previous = 0;
    for (int i = 1; i <= ticks; ++i) {
        run.tick();
        const double vx = run.sim().cycloid.bobVX;
        if (i > 1 && (previous < 0) != (vx < 0) && vx != 0) turns.push_back(i - 1 + previous / (previous - vx));
        previous = vx;
    }
    if (turns.size() < 3) return 0;
    return 2 * (turns.back() - turns.front()) / static_cast<double>(turns.size() - 1);
}

TEST(CycloidStep, EveryTickKeepsTheBobOnItsPathAndTheRollAngle) {
    for (int start : {-110, -63, -30, -5}) {
        Running run(start);
        const double roll = run.sim().cycloid.rollAngle;
        for (int i = 1; i <= 300; ++i) {
            run.tick();
            const Simulation& sim = run.sim();
            const CycloidState& c = sim.cycloid;
            Simulation scratch;
            const CycloidPoint at = FindCycloidPoint(scratch, c.bobX, 20);
            ASSERT_EQ(c.bobY, at.y) << "start " << start << " tick " << i;
            const double theta = sim.cycloidStep.bobPathAngle;
            EXPECT_EQ(theta, at.angle);
            const double phi = kPi - theta;
            EXPECT_NEAR(c.contactX, -(2 * kPi * 20) / 2 - 20 * phi + 20 * std::sin(phi), 1e-9);
            EXPECT_NEAR(c.contactY, 20 * std::cos(phi) + 20, 1e-9);
            EXPECT_EQ(c.rollAngle, roll);
            EXPECT_EQ(sim.cycloidStep.cycloidState[6], roll);
            EXPECT_EQ(sim.counters.cycloidTicks, i);
        }
    }
}

TEST(CycloidStep, PeriodIsTheSameFromEveryStart) {
    // The cycloid's promise: 2 pi sqrt(L / g) = 17.77 s whatever the amplitude.
    const double expected = 2 * kPi * std::sqrt(8.0) / 0.1;
    for (int start : {-100, -75, -30}) {
        EXPECT_NEAR(MeasuredPeriodTicks(start, 700), expected, 0.3) << start;
    }
}

TEST(CycloidStep, FirstTickDrawsAShortVelocityArrowTowardsTheBottom) {
    // Released at theta = pi/2 the acceleration is (5, -5): after one step of
    // 0.1 the velocity is about 0.7 long, pointing down and right.
    HeadlessOrvalde p(1920, 1080);
    p.form.Main();
    p.xthesi.setValue(-90);
    p.form.Command1_Click();
    Simulation& sim = p.form.sim();
    // Place the bob exactly at theta = pi/2 of the path, released there.
    sim.cycloid.bobX = -(30 * kPi + 20);
    sim.cycloid.bobY = -20;
    sim.counters.cycloidStartY = -20;
    p.surface.forget();
    p.form.Timer1_Timer();
    const double vx = sim.cycloid.bobVX, vy = sim.cycloid.bobVY;
    EXPECT_NEAR(std::hypot(vx, vy), 0.707, 0.02);
    EXPECT_GT(vx, 0);
    EXPECT_LT(vy, 0);
    // The arrow is drawn in red from the bob, after the bob point.
    bool found = false;
    for (const DrawCall& c : p.surface.calls()) {
        if (c.kind == DrawKind::Line && c.colour == Rgb{255, 0, 0} && c.x1 == static_cast<float>(sim.cycloid.bobX) &&
            std::fabs(c.x2 - (sim.cycloid.bobX + vx)) < 1e-4) {
            found = true;
        }
    }
    EXPECT_TRUE(found);
}

TEST(CycloidStep, SecondTickErasesExactlyWhatTheFirstDrew) {
    HeadlessOrvalde p(1920, 1080);
    p.form.Main();
    p.xthesi.setValue(-100);
    p.form.Command1_Click();
    p.form.Timer1_Timer();
    const CycloidStepMemory first = p.form.sim().cycloidStep;
    p.surface.forget();
    p.form.Timer1_Timer();
    const auto& calls = p.surface.calls();
    auto drawnIn = [&](Rgb colour, float x1, float y1, float x2, float y2, int width) {
        for (const DrawCall& c : calls)
            if (c.kind == DrawKind::Line && c.colour == colour && c.width == width && c.x1 == x1 && c.y1 == y1 &&
                c.x2 == x2 && c.y2 == y2)
                return true;
        return false;
    };
    const float bx = static_cast<float>(first.lastBobX), by = static_cast<float>(first.lastBobY);
    const Rgb erase{90, 240, 240};
    // The free string, three pixels wide in the background colour.
    EXPECT_TRUE(drawnIn(kBackground, bx, by, static_cast<float>(first.lastContactX),
                        static_cast<float>(first.lastContactY), 3));
    // The velocity, net force and weight shafts.
    EXPECT_TRUE(drawnIn(erase, bx, by, static_cast<float>(first.lastBobX + first.lastVX),
                        static_cast<float>(first.lastBobY + first.lastVY), 2));
    EXPECT_TRUE(drawnIn(erase, bx, by, static_cast<float>(first.lastBobX + 3 * first.lastForceX),
                        static_cast<float>(first.lastBobY + 3 * first.lastForceY), 3));
    EXPECT_TRUE(drawnIn(erase, bx, by, bx, static_cast<float>(first.lastBobY - 30), 29));
    // The osculating circle, from the second tick on.
    bool circle = false;
    for (const DrawCall& c : calls)
        if (c.kind == DrawKind::Circle && c.colour == erase && c.x1 == static_cast<float>(first.lastCircleX) &&
            c.radius == static_cast<float>(first.lastCircleR))
            circle = true;
    EXPECT_TRUE(circle);
}

TEST(ExactPendulum, StartQuarterAndHalfPeriod) {
    for (double y0 : {0.0, -20.0, -39.0}) {
        Simulation sim = testsupport::Apparatus();
        sim.counters.circularStartY = y0;
        RecordingSurface surface;
        RecordingMessageBox box;
        const double h = 40 - y0;
        const double r = std::sqrt(80 * 80 - h * h);
        const double k = std::sin(std::atan(r / h) / 2);
        const double quarter = EllipticF(kPi / 2, k, box) * std::sqrt(8.0);

        const ExactPendulumPose start = DrawExactPendulum(sim, surface, box, 0, 1);
        EXPECT_NEAR(start.bobX, 20 * kPi - r, 1e-5) << y0;
        EXPECT_NEAR(start.bobY, y0, 1e-5);
        EXPECT_NEAR(start.startX, 20 * kPi - r, 1e-12);
        const ExactPendulumPose bottom = DrawExactPendulum(sim, surface, box, quarter, 2);
        EXPECT_NEAR(bottom.bobX, 20 * kPi, 1e-5);
        EXPECT_NEAR(bottom.bobY, -40, 1e-5);
        const ExactPendulumPose across = DrawExactPendulum(sim, surface, box, 2 * quarter, 3);
        EXPECT_NEAR(across.bobX, 20 * kPi + r, 1e-5);
        EXPECT_NEAR(across.bobY, y0, 1e-5);
        EXPECT_TRUE(box.shown.empty());
        EXPECT_EQ(sim.constants.stringLength, 80);
    }
}

TEST(ExactPendulum, ReleasedAtTheBottomHangsStillWithTheVerticalLimit) {
    // y0 = -40 gives k = 0: the bob sits exactly below the pivot, where the
    // inclination's quotient divides by zero; the vertical limit applies.
    Simulation sim = testsupport::Apparatus();
    sim.counters.circularStartY = -40;
    RecordingSurface surface;
    RecordingMessageBox box;
    for (int n = 1; n <= 3; ++n) {
        const ExactPendulumPose pose = DrawExactPendulum(sim, surface, box, 0.1 * (n - 1), n);
        EXPECT_EQ(pose.bobX, 20 * kPi);
        EXPECT_EQ(pose.bobY, -40);
        EXPECT_EQ(pose.forceX, 0);
        EXPECT_EQ(pose.forceY, 0);  // tension W balances the weight
    }
    EXPECT_EQ(surface.nonFiniteCalls(), 0u);
    EXPECT_TRUE(box.shown.empty());
}

TEST(ExactPendulum, PeriodGrowsWithTheAmplitude) {
    RecordingMessageBox box;
    const double small = 4 * EllipticF(kPi / 2, 0.01, box) * std::sqrt(8.0);
    const double sixty = 4 * EllipticF(kPi / 2, 0.5, box) * std::sqrt(8.0);
    EXPECT_NEAR(small, 2 * kPi * std::sqrt(8.0), 0.01);
    EXPECT_NEAR(sixty, 19.07, 0.01);
    // In the running program: the exact bob comes back to its start after 4Q.
    Running run(0);
    double closest = 1e9;
    int best = 0;
    for (int i = 1; i <= 200; ++i) {
        run.tick();
        if (i < 150) continue;
        const double d =
            std::fabs(run.p.form.lastCycloidTick().exact.bobX - (20 * kPi - std::sqrt(80.0 * 80 - 40 * 40)));
        if (d < closest) closest = d, best = i;
    }
    EXPECT_NEAR((best - 1) * 0.1, sixty, 0.1);
}

TEST(ExactPendulum, WeightPointsDownAndTheStringIsRed) {
    Simulation sim = testsupport::Apparatus();
    RecordingSurface surface;
    RecordingMessageBox box;
    DrawExactPendulum(sim, surface, box, 0.3, 0);
    const auto& calls = surface.calls();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.front().colour, (Rgb{250, 0, 0}));  // n = 0: nothing erased first
    bool weight = false;
    for (const DrawCall& c : calls)
        if (c.colour == Rgb{0, 0, 5} && c.x1 == c.x2 && std::fabs(c.y1 - c.y2 - 30) < 1e-4) weight = true;
    EXPECT_TRUE(weight);
    EXPECT_EQ(surface.count(DrawKind::Arc), 1u);
    EXPECT_EQ(surface.lineWidth(), 2);
}

}  // namespace
}  // namespace orvalde
