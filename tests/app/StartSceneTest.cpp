// The start scene for a scroll position: stored state, text, wrapped string.

#include <gtest/gtest.h>

#include <cmath>

#include "app/HeadlessOrvalde.h"
#include "cycloid/StartScene.h"

namespace orvalde {
namespace {

const double kPi = 4 * std::atan(1.0);

struct Scene {
    HeadlessOrvalde p{1024, 768};
    explicit Scene(int s) {
        p.form.Main();
        p.xthesi.setValue(s == 0 ? -1 : s + 1);  // away first, so that s is a change
        p.surface.forget();
        p.xthesi.setValue(s);
    }
    const CycloidState& state() { return p.form.sim().cycloid; }
};

TEST(StartScene, StoresTheStartStateAtRest) {
    for (int s : {-120, -63, -62, -30, 0}) {
        Scene scene(s);
        const CycloidState& c = scene.state();
        const double theta = s / 20.0;
        EXPECT_NEAR(c.rollAngle, theta, 1e-15) << s;
        EXPECT_NEAR(c.bobX, s - 20 * std::sin(theta), 1e-12) << s;
        EXPECT_NEAR(c.bobY, 20 * std::cos(theta) - 20, 1e-12) << s;
        EXPECT_NEAR(c.contactX, s + 20 * std::sin(kPi - theta), 1e-12) << s;
        EXPECT_NEAR(c.contactY, 20 * std::cos(kPi - theta) + 20, 1e-12) << s;
        EXPECT_EQ(c.bobVX, 0);
        EXPECT_EQ(c.bobVY, 0);
    }
    EXPECT_NEAR(Scene(-63).state().bobY, -39.99, 0.01);
    // At 0 the bob and the contact point are both the cusp (0, 0).
    Scene zero(0);
    EXPECT_EQ(zero.state().bobX, 0);
    EXPECT_EQ(zero.state().bobY, 0);
    EXPECT_NEAR(zero.state().contactX, 0, 1e-12);
    EXPECT_NEAR(zero.state().contactY, 0, 1e-12);
}

TEST(StartScene, PrintsPositionAndLeftLimit) {
    Scene scene(-60);
    const auto& calls = scene.p.surface.calls();
    const auto text =
        std::find_if(calls.begin(), calls.end(), [](const DrawCall& c) { return c.kind == DrawKind::Text; });
    ASSERT_NE(text, calls.end());
    EXPECT_EQ(text->text, "Xc = -60 x min = -122.86");
    EXPECT_FLOAT_EQ(text->x1, 0);
    EXPECT_FLOAT_EQ(text->y1, 40);
}

TEST(StartScene, WrappedStringFollowsTheCheekOnTheBobsSide) {
    auto greenPoints = [](int s) {
        Scene scene(s);
        std::size_t n = 0;
        for (const DrawCall& c : scene.p.surface.calls())
            if (c.kind == DrawKind::Point && c.colour == Rgb{0, 255, 0} && c.width == 2) ++n;
        return n;
    };
    EXPECT_EQ(greenPoints(-62), 0u);  // right of the lowest point: right cheek, no points
    EXPECT_GT(greenPoints(-63), 0u);  // left: a green point at every vertex
}

TEST(StartScene, WrappedStringAtTheRightCuspRunsTheWholeCheek) {
    Simulation sim;
    RecordingSurface surface;
    DrawWrappedString(sim, surface, 0);
    const auto& calls = surface.calls();
    ASSERT_FALSE(calls.empty());
    EXPECT_NEAR(calls.front().x1, -20 * kPi, 1e-4);
    EXPECT_FLOAT_EQ(calls.front().y1, 40);
    EXPECT_NEAR(calls.back().x2, 0, 0.01);
    EXPECT_NEAR(calls.back().y2, 0, 0.01);
    for (const DrawCall& c : calls) {
        EXPECT_EQ(c.colour, (Rgb{255, 0, 0}));
        EXPECT_EQ(c.width, 2);
    }
    EXPECT_EQ(sim.constants.circleRadius, 20);
    EXPECT_DOUBLE_EQ(sim.constants.pi, kPi);
}

TEST(StartScene, WrappedStringStopsAtTheFootOfTheCheek) {
    // A rolling position far off the arch (the bob thrown off it) must not
    // trace the cheek's continuation for ever.
    for (double x : {-1e6, 1e6}) {
        Simulation sim;
        RecordingSurface surface;
        DrawWrappedString(sim, surface, x);
        EXPECT_LE(surface.calls().size(), 2 * 1002u);
    }
}

TEST(StartScene, NarrowSurfaceDrawsOnlyLinesAndTextLeftOfTheLimit) {
    HeadlessOrvalde p(500, 1000);  // half width 83.3: x min = -63.33
    p.form.Main();
    const CycloidState before = p.form.sim().cycloid;
    p.surface.forget();
    p.xthesi.setValue(-100);
    EXPECT_EQ(p.surface.count(DrawKind::Line), 3u);
    EXPECT_EQ(p.surface.count(DrawKind::Text), 1u);
    EXPECT_EQ(p.surface.count(DrawKind::Point), 0u);
    EXPECT_EQ(p.form.sim().cycloid.bobX, before.bobX);
}

TEST(StartScene, ScrollChangeClearsThenDrawsTheSamePictureEachTime) {
    Scene scene(-40);
    const auto first = scene.p.surface.calls();
    ASSERT_EQ(first.front().kind, DrawKind::Clear);
    scene.p.surface.forget();
    scene.p.form.xthesi_Change();
    const auto second = scene.p.surface.calls();
    ASSERT_EQ(first.size(), second.size());
    for (std::size_t i = 0; i < first.size(); ++i) {
        EXPECT_EQ(first[i].x1, second[i].x1);
        EXPECT_EQ(first[i].y2, second[i].y2);
    }
    EXPECT_EQ(scene.p.surface.lineWidth(), 2);
    EXPECT_EQ(scene.p.surface.lineStyle(), LineStyle::Solid);
}

}  // namespace
}  // namespace orvalde
