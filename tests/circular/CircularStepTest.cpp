#include "circular/CircularStep.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <vector>

#include "app/HeadlessOrvalde.h"
#include "circular/CircularMotion.h"
#include "numerics/CarlsonRF.h"

namespace orvalde {
namespace {

const double kPi = 4 * std::atan(1.0);
const double kPivotX = 20 * kPi;
const Rgb kRed{255, 0, 0};
const Rgb kBlack{0, 0, 0};
const Rgb kErase{90, 240, 240};

// The program after start-up, "TIME ON" and "time on KYKLIKO" at scroll value v.
std::unique_ptr<HeadlessOrvalde> Started(int v, bool keepDrawing = true) {
    auto p = std::make_unique<HeadlessOrvalde>(1920, 1080, keepDrawing);
    p->form.Main();
    p->xthesi.setValue(v);
    p->form.Command1_Click();
    p->surface.forget();
    p->form.Command5_Click();
    return p;
}

std::vector<DrawCall> Tick(HeadlessOrvalde& p) {
    p.surface.forget();
    p.form.Timer2_Timer();
    return p.surface.calls();
}

TEST(CircularStart, SideFollowsTheScrollValueAtStartAndFirstTick) {
    for (int v : {-62, -63}) {
        auto p = Started(v);
        const double yc = p->form.sim().counters.circularStartY;
        ASSERT_NEAR(yc, -40, 0.02);
        const auto& start = p->surface.calls();  // drawn by "time on KYKLIKO"
        ASSERT_EQ(start.size(), 2u);
        const DrawCall& bob = start[0];
        const DrawCall& string = start[1];
        EXPECT_TRUE(bob.kind == DrawKind::Point && bob.width == 15 && bob.colour == kBlack);
        EXPECT_EQ(v == -62, bob.x1 > kPivotX) << v;
        EXPECT_FLOAT_EQ(bob.y1, yc);
        EXPECT_NEAR(std::hypot(bob.x1 - kPivotX, bob.y1 - 40), 80, 1e-4);
        EXPECT_TRUE(string.width == 1 && string.colour == kBlack);
        EXPECT_FLOAT_EQ(string.x1, kPivotX);
        EXPECT_EQ(string.y1, 40);
        EXPECT_TRUE(string.x2 == bob.x1 && string.y2 == bob.y1);
        EXPECT_EQ(p->surface.lineWidth(), 1);

        Tick(*p);
        EXPECT_EQ(v == -62, p->form.lastCircularTick().x > kPivotX) << v;
    }
}

// Released at the lowest point the bob hangs straight down and stays at rest.
TEST(CircularStart, LowestReleaseHangsStraightDownAtRest) {
    auto p = Started(0);
    p->form.sim().counters.circularStartY = -40;
    p->surface.forget();
    p->form.Command4_Click();
    ASSERT_EQ(p->surface.calls().size(), 2u);
    EXPECT_FLOAT_EQ(p->surface.calls()[0].x1, kPivotX);
    EXPECT_EQ(p->surface.calls()[0].y1, -40);
    EXPECT_EQ(p->surface.calls()[1].x1, p->surface.calls()[1].x2);

    for (int i = 0; i < 5; ++i) Tick(*p);
    const CircularTickReport& r = p->form.lastCircularTick();
    EXPECT_TRUE(r.x == kPivotX && r.y == -40);
    EXPECT_TRUE(r.vx == 0 && r.vy == 0 && r.fx == 0 && r.fy == 0);
}

// From rest at scroll 0 (yc = 0, right of the pivot) the acceleration is
// (-2.5 sqrt3, -7.5): after 0.1 s a red arrow about 0.87 long, 60 degrees below -x.
TEST(CircularStep, FirstTickFromRestDrawsShortVelocityArrowTowardsTheBottom) {
    auto p = Started(0);
    const std::vector<DrawCall> calls = Tick(*p);
    const CircularTickReport& r = p->form.lastCircularTick();
    EXPECT_EQ(r.t, 0);
    EXPECT_NEAR(r.vx, -0.25 * std::sqrt(3.0), 5e-3);
    EXPECT_NEAR(r.vy, -0.75, 5e-3);
    EXPECT_NEAR(r.x, kPivotX + 40 * std::sqrt(3.0), 0.05);

    auto shaft = std::find_if(calls.begin(), calls.end(), [&](const DrawCall& c) {
        return c.kind == DrawKind::Line && c.colour == kRed && c.x1 == static_cast<float>(r.x) &&
               c.x2 != static_cast<float>(kPivotX);
    });
    ASSERT_NE(shaft, calls.end());
    EXPECT_EQ(shaft->width, 2);
    EXPECT_NEAR(std::hypot(shaft->x2 - shaft->x1, shaft->y2 - shaft->y1), 0.866, 0.01);
    EXPECT_LT(shaft->x2, shaft->x1);
    EXPECT_NEAR((shaft->y2 - shaft->y1) / (shaft->x2 - shaft->x1), std::sqrt(3.0), 0.02);

    Tick(*p);
    EXPECT_NEAR(p->form.lastCircularTick().t, 0.1, 1e-15);
}

bool SameLine(const DrawCall& a, const DrawCall& b) {
    return a.kind == DrawKind::Line && b.kind == DrawKind::Line && a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 &&
           a.y2 == b.y2;
}

// Each tick overdraws, in the erase colour and at least as wide, every line
// the tick before drew except the reference line; the weight arrow at 29.
// Checked over a whole swing, where the forces take every kind of value.
TEST(CircularStep, NextTickErasesStringArrowsAndParallelogramAtTheSameCoordinates) {
    auto p = Started(0);
    std::vector<DrawCall> before = Tick(*p);
    for (int tick = 2; tick <= 200; ++tick) {
        const std::vector<DrawCall> now = Tick(*p);
        const auto eraseEnd =
            std::find_if(now.begin(), now.end(), [](const DrawCall& c) { return c.colour != kErase; });
        for (const DrawCall& drawn : before) {
            if (drawn.kind != DrawKind::Line || drawn.colour == kErase) continue;
            if (drawn.x1 == drawn.x2 && drawn.y1 == -100 && drawn.y2 == 100) continue;  // reference line
            auto erase = std::find_if(now.begin(), eraseEnd, [&](const DrawCall& c) { return SameLine(c, drawn); });
            ASSERT_NE(erase, eraseEnd) << "tick " << tick << " leaves a line at (" << drawn.x1 << ", " << drawn.y1
                                       << ") - (" << drawn.x2 << ", " << drawn.y2 << ")";
            EXPECT_GE(erase->width, drawn.width);
            if (drawn.colour == Rgb{0, 30, 50}) {
                EXPECT_EQ(erase->width, 29);
            }
        }
        before = now;
    }
}

// The drawn net force is the acceleration that moves the bob, also at full speed.
TEST(CircularStep, DrawnForceIsTheIntegratedAcceleration) {
    auto p = Started(0, false);
    double fastest = 0;
    for (int tick = 0; tick < 200; ++tick) {
        p->form.Timer2_Timer();
        const CircularTickReport& r = p->form.lastCircularTick();
        Simulation copy = p->form.sim();
        const double state[8] = {r.vx, r.vy, r.x, r.y, 0, 0, 0, 0};
        EXPECT_NEAR(r.fx, CircularDerivative(copy, r.t, state, 0), 1e-12) << tick;
        EXPECT_NEAR(r.fy, CircularDerivative(copy, r.t, state, 1), 1e-12) << tick;
        fastest = std::max(fastest, std::hypot(r.vx, r.vy));
    }
    EXPECT_GT(fastest, 27);  // sqrt(20 * 40) = 28.3 at the bottom
}

// Nothing pulls the bob back onto the circle: only the integration keeps it there.
TEST(CircularStep, LargestSwingStaysOnTheCircleAndCarriesNothingInComponentFour) {
    auto p = Started(0, false);
    double drift = 0;
    for (int tick = 0; tick < 400; ++tick) {
        p->form.Timer2_Timer();
        const CircularTickReport& r = p->form.lastCircularTick();
        drift = std::max(drift, std::fabs(std::hypot(r.x - kPivotX, r.y - 40) - 80));
        const CircularStepMemory& m = p->form.sim().circularStep;
        ASSERT_EQ(m.circularState[4], 0);
        ASSERT_EQ(m.circularStateNext[4], 0);
        ASSERT_EQ(m.circularState[5], 0);
    }
    EXPECT_EQ(p->form.sim().counters.circularTicks, 400);
    EXPECT_LT(drift, 1e-3);
    char text[32];
    std::snprintf(text, sizeof text, "%.3g", drift);
    RecordProperty("MaxDistanceFromCircle", text);
}

struct Period {
    double measured, exact;
};

// Period from the crossings of the pivot's vertical (linearly interpolated),
// in simulated time, against 4 K(k) sqrt(L / g) with k = sin(phi0 / 2).
Period PeriodAt(int scrollValue) {
    auto p = Started(scrollValue, false);
    const double h = p->form.sim().constants.timeStep;
    std::vector<double> crossings;
    double prev = 0;
    for (int tick = 0; crossings.size() < 7; ++tick) {
        p->form.Timer2_Timer();
        const double s = p->form.lastCircularTick().x - kPivotX;
        if (tick > 0 && (prev < 0) != (s < 0)) crossings.push_back(tick * h + h * prev / (prev - s));
        prev = s;
        if (tick > 2000) break;
    }
    EXPECT_EQ(crossings.size(), 7u);
    const double cosPhi0 = (40 - p->form.sim().counters.circularStartY) / 80;
    RecordingMessageBox box;
    const double k = std::sin(std::acos(cosPhi0) / 2);
    return {2 * (crossings.back() - crossings.front()) / (crossings.size() - 1),
            4 * EllipticF(kPi / 2, k, box) * std::sqrt(80.0 / 10)};
}

TEST(CircularStep, PeriodMatchesTheExactPendulum) {
    for (int v : {-62, 0}) {  // about 1.2 degrees, and 60 degrees
        const Period period = PeriodAt(v);
        EXPECT_NEAR(period.measured / period.exact, 1, 1e-5) << v;
        char text[64];
        std::snprintf(text, sizeof text, "%.9f exact %.9f", period.measured, period.exact);
        RecordProperty("Period" + std::to_string(v), text);
    }
    EXPECT_NEAR(PeriodAt(0).exact, 19.07, 0.01);
}

}  // namespace
}  // namespace orvalde
