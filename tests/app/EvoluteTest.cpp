#include "app/Evolute.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "app/HeadlessOrvalde.h"
#include "tests/support/TestSimulation.h"

namespace orvalde {
namespace {

const double kPi = 4 * std::atan(1.0);
const Rgb kGreen{0, 255, 0};

using testsupport::Flatten;

struct Pressed {
    std::vector<DrawCall> calls;
    std::vector<double> stateBefore, stateAfter;
};

Pressed Press(HeadlessOrvalde& p) {
    Pressed r;
    r.stateBefore = Flatten(p.form.sim());
    p.surface.forget();
    p.form.Command3_Click();
    r.calls = p.surface.calls();
    r.stateAfter = Flatten(p.form.sim());
    return r;
}

// Two halves of 201 thick green dots from the top, then the table's red lines.
TEST(Evolute, DotsFromTheTopDownBothCheeksThenReferenceLines) {
    HeadlessOrvalde p(1920, 1080);
    p.form.Main();
    const Pressed r = Press(p);
    ASSERT_EQ(r.calls.size(), 405u);
    for (int i = 0; i < 402; ++i) {
        const DrawCall& dot = r.calls[i];
        EXPECT_TRUE(dot.kind == DrawKind::Point && dot.colour == kGreen && dot.width == 3) << i;
    }
    for (int top : {0, 201}) {
        EXPECT_FLOAT_EQ(r.calls[top].x1, -20 * kPi);
        EXPECT_FLOAT_EQ(r.calls[top].y1, 40);
    }
    EXPECT_NEAR(r.calls[200].x1, -40 * kPi, 1e-4);
    EXPECT_NEAR(r.calls[200].y1, 0, 1e-4);
    EXPECT_NEAR(r.calls[401].x1, 0, 1e-4);
    EXPECT_NEAR(r.calls[401].y1, 0, 1e-4);
    for (int i = 402; i < 405; ++i) {
        const DrawCall& line = r.calls[i];
        EXPECT_TRUE(line.kind == DrawKind::Line && line.colour == (Rgb{255, 0, 0}) && line.width == 3) << i;
    }
    EXPECT_EQ(p.surface.lineWidth(), 3);
}

// The dots lie on the same arch as the evolute table: table sample i is the
// dot at phi = -pi + i pi / 100, every second dot of one half.
TEST(Evolute, DotsAgreeWithTheEvoluteTable) {
    HeadlessOrvalde p(1920, 1080);
    p.form.Main();
    const Pressed r = Press(p);
    ASSERT_EQ(r.calls.size(), 405u);
    const CurveTables& t = p.form.sim().tables;
    for (int i = 0; i <= 200; ++i) {
        const DrawCall& dot = i <= 100 ? r.calls[200 - 2 * i] : r.calls[201 + 2 * i - 200];
        EXPECT_NEAR(dot.x1, t.evoluteX[i], 1e-4) << i;
        EXPECT_NEAR(dot.y1, t.evoluteY[i], 1e-4) << i;
    }
}

TEST(Evolute, PressingAgainDrawsTheSameAndChangesNoState) {
    HeadlessOrvalde p(1920, 1080);
    p.form.Main();
    const Pressed first = Press(p);
    const Pressed second = Press(p);
    EXPECT_EQ(first.stateAfter, first.stateBefore);
    EXPECT_EQ(second.stateAfter, first.stateBefore);
    ASSERT_EQ(second.calls.size(), first.calls.size());
    for (std::size_t i = 0; i < first.calls.size(); ++i) {
        const DrawCall &a = first.calls[i], &b = second.calls[i];
        EXPECT_TRUE(a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2) << i;
    }
    EXPECT_EQ(p.timer1.interval(), 0);
    EXPECT_EQ(p.timer2.interval(), 0);
}

}  // namespace
}  // namespace orvalde
