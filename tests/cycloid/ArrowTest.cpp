#include <gtest/gtest.h>

#include <cmath>

#include "cycloid/Arrow.h"
#include "surface/RecordingSurface.h"

namespace orvalde {
namespace {

const double kPi = 4 * std::atan(1.0);
const Rgb kColour{255, 0, 255};

struct Head {
    DrawCall shaft, left, right;
};

Head Draw(double x, double y, double dx, double dy) {
    Simulation sim;
    RecordingSurface surface;
    surface.setWorld(-150, 100, 150, -100);  // diagonal 360.555, strokes 4.807
    DrawArrow(sim, x, y, dx, dy, surface, kColour);
    EXPECT_EQ(sim.constants.pi, kPi);
    EXPECT_EQ(surface.count(DrawKind::Line), 3u);
    for (const DrawCall& c : surface.calls()) EXPECT_EQ(c.colour, kColour);
    return {surface.calls()[0], surface.calls()[1], surface.calls()[2]};
}

const double kStroke = std::sqrt(300.0 * 300 + 200 * 200) / 75;

// Both strokes leave the tip, have the head length and open 30 degrees on
// either side of the reversed shaft.
TEST(DrawArrow, HeadPointsAlongShaftInEveryDirection) {
    for (int k = 0; k < 24; ++k) {
        const double dx = 10 * std::cos(k * kPi / 12), dy = 10 * std::sin(k * kPi / 12);
        const Head h = Draw(3, -4, dx, dy);
        EXPECT_FLOAT_EQ(h.shaft.x2, 3 + dx);
        EXPECT_FLOAT_EQ(h.shaft.y2, -4 + dy);
        for (const DrawCall& s : {h.left, h.right}) {
            EXPECT_EQ(s.x1, h.shaft.x2);
            EXPECT_EQ(s.y1, h.shaft.y2);
            const double sx = s.x2 - s.x1, sy = s.y2 - s.y1;
            EXPECT_NEAR(std::hypot(sx, sy), kStroke, 1e-4) << k;
            EXPECT_NEAR((-sx * dx - sy * dy) / (kStroke * 10), std::cos(kPi / 6), 1e-4) << k;
        }
    }
}

TEST(DrawArrow, AxisArrowsAndNearlyVerticalShafts) {
    auto strokes = [](const Head& h, auto&& where) { return where(h.left) && where(h.right); };
    const Head up = Draw(0, 0, 0, 10);
    EXPECT_TRUE(strokes(up, [](const DrawCall& s) { return s.y2 < 10; }));
    EXPECT_LT(up.left.x2 * up.right.x2, 0);  // one on either side
    EXPECT_TRUE(strokes(Draw(0, 0, 0, -10), [](const DrawCall& s) { return s.y2 > -10; }));
    EXPECT_TRUE(strokes(Draw(0, 0, -10, 0), [](const DrawCall& s) { return s.x2 > -10; }));
    EXPECT_TRUE(strokes(Draw(0, 0, 0, 0), [](const DrawCall& s) { return s.y2 < 0; }));
    // dx too small to move x: the head still follows dy.
    EXPECT_TRUE(strokes(Draw(100, 0, 1e-15, -10), [](const DrawCall& s) { return s.y2 > -10; }));
    EXPECT_TRUE(strokes(Draw(100, 0, -1e-15, 10), [](const DrawCall& s) { return s.y2 < 10; }));
}

}  // namespace
}  // namespace orvalde
