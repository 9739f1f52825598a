// Start-up: world coordinates, scroll-bar layout, tables, the first picture.

#include <gtest/gtest.h>

#include <cmath>

#include "app/CurveTables.h"
#include "app/HeadlessOrvalde.h"
#include "surface/NumberFormat.h"

namespace orvalde {
namespace {

const double kPi = 4 * std::atan(1.0);

// Scroll-bar layout before the start scene narrows it: record the first
// change event, which start-up raises inside its value assignment.
struct Layout {
    int min, max, value;
    double halfWidth;
};

Layout LayoutFor(double w, double h) {
    HeadlessOrvalde p(w, h);
    Layout seen{};
    bool first = true;
    p.xthesi.onChange = [&] {
        if (first) seen = {p.xthesi.minimum(), p.xthesi.maximum(), p.xthesi.value(), 0};
        first = false;
        p.form.xthesi_Change();
    };
    p.form.Main();
    seen.halfWidth = p.form.sim().constants.worldHalfWidth;
    return seen;
}

TEST(Startup, ScrollBarLayoutFollowsTheClientAreasShape) {
    const Layout square = LayoutFor(800, 800);
    EXPECT_DOUBLE_EQ(square.halfWidth, 125);
    EXPECT_EQ(square.min, -105);
    EXPECT_EQ(square.max, 125);
    EXPECT_EQ(square.value, -85);

    const Layout fourThree = LayoutFor(1024, 768);
    EXPECT_NEAR(fourThree.halfWidth, 250.0 * 4 / 7, 1e-4);
    EXPECT_EQ(fourThree.min, -122);
    EXPECT_EQ(fourThree.max, 142);
    EXPECT_EQ(fourThree.value, -102);
}

TEST(Startup, LeavesRangeValueConstantsAndReleaseHeights) {
    for (auto [w, h] : {std::pair{800.0, 800.0}, {1024.0, 768.0}, {1920.0, 1080.0}, {3000.0, 1000.0}}) {
        HeadlessOrvalde p(w, h);
        p.form.Main();
        const Simulation& sim = p.form.sim();
        EXPECT_EQ(p.xthesi.minimum(), -120);
        EXPECT_EQ(p.xthesi.maximum(), 0);
        EXPECT_GE(p.xthesi.value(), -120);
        EXPECT_EQ(p.xthesi.largeChange(), 10);
        EXPECT_NEAR(sim.constants.worldHalfWidth + sim.constants.worldHalfHeight, 250, 1e-4);
        EXPECT_DOUBLE_EQ(sim.constants.pi, kPi);
        EXPECT_DOUBLE_EQ(sim.constants.timeStep, 0.1);
        EXPECT_EQ(sim.constants.stringLength, 80);
        // The load handler took them for the design value 0, with pi still 0.
        EXPECT_EQ(sim.counters.cycloidStartY, 0);
        EXPECT_EQ(sim.counters.circularStartY, 0);
        EXPECT_EQ(p.surface.backColor(), kBackground);
        EXPECT_TRUE(p.window.shown);
        EXPECT_DOUBLE_EQ(p.surface.scaleWidth(), 2 * sim.constants.worldHalfWidth);
        EXPECT_DOUBLE_EQ(p.surface.scaleHeight(), -2 * sim.constants.worldHalfHeight);
    }
}

TEST(Startup, VeryWideScreenClampsTheStartToMinus120) {
    HeadlessOrvalde p(3000, 1000);  // half width 187.5: the value would be -147
    p.form.Main();
    EXPECT_EQ(p.xthesi.value(), -120);
    EXPECT_NEAR(p.form.sim().cycloid.rollAngle, -6.0, 1e-12);
}

TEST(Startup, ScrollBarSitsAtTheBottomLeftInWorldUnits) {
    HeadlessOrvalde p(1000, 1000);
    p.form.Main();
    EXPECT_DOUBLE_EQ(p.xthesi.left(), -125);
    EXPECT_DOUBLE_EQ(p.xthesi.width(), 62.5);
    EXPECT_DOUBLE_EQ(p.xthesi.top(), -0.85 * 125);
    EXPECT_DOUBLE_EQ(p.xthesi.height(), 5);
}

TEST(Startup, DrawsRingCircleLinesAndSceneAfterTheBackground) {
    HeadlessOrvalde p(1600, 900);
    p.form.Main();
    const auto& calls = p.surface.calls();
    std::size_t background = 0;
    for (std::size_t i = 0; i < calls.size(); ++i)
        if (calls[i].kind == DrawKind::Background) background = i;
    ASSERT_GT(background, 0u);

    std::size_t ring = 0;
    for (std::size_t i = background; i < calls.size(); ++i) {
        const DrawCall& c = calls[i];
        if (c.kind == DrawKind::Point && c.colour == Rgb{255, 0, 255} && c.width == 3) {
            EXPECT_NEAR(std::hypot(c.x1, c.y1), 50, 1e-4);
            ++ring;
        }
    }
    EXPECT_EQ(ring, 360u);
    const DrawCall& last = calls[background + 360];  // the ring's last point is angle 2 pi
    EXPECT_NEAR(last.x1, 50, 1e-4);
    EXPECT_NEAR(last.y1, 0, 1e-4);
    const DrawCall& circle = calls[background + 361];
    ASSERT_EQ(circle.kind, DrawKind::Circle);
    EXPECT_NEAR(circle.x1, 20 - p.form.sim().constants.worldHalfWidth, 1e-4);
    EXPECT_FLOAT_EQ(circle.y1, -20);
    EXPECT_FLOAT_EQ(circle.radius, 20);
    EXPECT_EQ(circle.width, 3);
}

TEST(CurveTables, ArchEndsMiddleAndSingleRounding) {
    Simulation sim;
    sim.constants.pi = kPi;
    sim.constants.worldHalfHeight = 100;
    RecordingSurface surface;
    BuildCycloidTables(sim, surface);
    const CurveTables& t = sim.tables;
    const float w = static_cast<float>(2 * kPi * 20);
    for (const auto* table : {&t.evoluteX, &t.pathX}) {
        EXPECT_FLOAT_EQ((*table)[0], -w);
        EXPECT_NEAR((*table)[200], 0, 1e-5);
        EXPECT_NEAR((*table)[100], -20 * kPi, 1e-5);
    }
    EXPECT_EQ(t.evoluteY[0], 0);
    EXPECT_NEAR(t.evoluteY[200], 0, 1e-5);
    EXPECT_FLOAT_EQ(t.evoluteY[100], 40);
    EXPECT_FLOAT_EQ(t.pathY[100], -40);
    // Each entry is the double value rounded once to single precision.
    const double x = -2 * kPi * 20 + 37 * (2 * kPi * 20 / 200);
    EXPECT_EQ(t.pathX[37], static_cast<float>(x - 20 * std::sin(x / 20)));
    EXPECT_EQ(t.evoluteY[37], static_cast<float>(20 + 20 * std::cos(kPi - x / 20)));

    ASSERT_EQ(surface.count(DrawKind::Line), 3u);
    const float xs[] = {w, -w, 0};
    for (int i = 0; i < 3; ++i) {
        const DrawCall& c = surface.calls()[static_cast<std::size_t>(i)];
        EXPECT_EQ(c.colour, (Rgb{255, 0, 0}));
        EXPECT_FLOAT_EQ(c.x1, xs[i]);
        EXPECT_FLOAT_EQ(c.x2, xs[i]);
        EXPECT_FLOAT_EQ(c.y1, -100);
        EXPECT_FLOAT_EQ(c.y2, 100);
    }
}

TEST(CurveTables, WithPiStillZeroEverythingCollapses) {
    Simulation sim;
    RecordingSurface surface;
    BuildCycloidTables(sim, surface);
    for (int i = 1; i < kTableSize; ++i) {
        EXPECT_EQ(sim.tables.evoluteX[i], 0);
        EXPECT_EQ(sim.tables.evoluteY[i], 40);
        EXPECT_EQ(sim.tables.pathX[i], 0);
        EXPECT_EQ(sim.tables.pathY[i], 0);
    }
    EXPECT_EQ(sim.tables.evoluteY[0], 0);
}

TEST(NumberFormat, RoundsKeepsSignAndOneIntegerDigit) {
    EXPECT_EQ(FormatWhole(-60), "-60");
    EXPECT_EQ(FormatWhole(0), "0");
    EXPECT_EQ(FormatWhole(2.5), "3");
    EXPECT_EQ(FormatWhole(-2.5), "-3");
    EXPECT_EQ(FormatTwoDecimals(20 - 250.0 * 4 / 7), "-122.86");
    EXPECT_EQ(FormatTwoDecimals(0.5), "0.50");
    EXPECT_EQ(FormatTwoDecimals(-0.004), "0.00");
    EXPECT_EQ(FormatTwoDecimals(-140), "-140.00");
    EXPECT_EQ(FormatTwoDecimals(1.005), "1.00");  // 1.005 is stored just below
    EXPECT_EQ(FormatTwoDecimals(2.675001), "2.68");
}

}  // namespace
}  // namespace orvalde
