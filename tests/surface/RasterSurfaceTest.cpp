// Pixels the raster surface puts down: placement, sizes, direction, text,
// resizing, and exact erasing.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <numbers>
#include <vector>

#include "surface/raster/RasterSurface.h"
#include "tests/surface/RasterTestSupport.h"

namespace orvalde {
namespace {

using rastertest::countOther;
using rastertest::inkBounds;

constexpr Rgb kInk{0, 0, 0};
constexpr Rgb kBack{90, 240, 240};
constexpr Rgb kRed{255, 0, 0};

// A 200x200 surface with the world origin at pixel (100, 100), y up.
class RasterSurfaceTest : public ::testing::Test {
protected:
    RasterSurfaceTest() {
        s.setWorld(-100, 100, 100, -100);
        s.setBackColor(kBack);
    }
    PixelRect ink() const { return inkBounds(s.image(), kBack); }
    RasterSurface s{200, 200};
};

// The desktop's byte order holds the same picture with red and blue swapped
// in memory: every figure and the text land on the same pixels.
TEST(RasterSurfaceOrder, BgrxHoldsTheSamePictureInTheDesktopsByteOrder) {
    RasterSurface rgbx(160, 120), bgrx(160, 120, 1.0, ChannelOrder::Bgrx);
    for (RasterSurface* s : {&rgbx, &bgrx}) {
        s->setWorld(-80, 60, 80, -60);
        s->setBackColor(Rgb{90, 240, 240});
        s->setLineWidth(3);
        s->line(-70, -50, 60, 40, Rgb{255, 0, 0});
        s->circle(0, 0, 30, Rgb{0, 0, 255});
        s->setTextPosition(-70, 50);
        s->print("Xc = -120");
    }
    ASSERT_EQ(rgbx.image().width(), bgrx.image().width());
    for (int y = 0; y < rgbx.image().height(); ++y)
        for (int x = 0; x < rgbx.image().width(); ++x)
            ASSERT_EQ(rgbx.image().colourAt(x, y), bgrx.image().colourAt(x, y)) << x << "," << y;
    const std::uint32_t back = bgrx.image().at(0, 0);
    EXPECT_EQ(back, 0xff5af0f0u);            // 0xffRRGGBB
    EXPECT_EQ(bgrx.image().data()[0], 240);  // blue first in memory
}

TEST_F(RasterSurfaceTest, WorldMapsOntoTheImageWithYUpInRgbxBytes) {
    s.point(30, 40, Rgb{10, 20, 30});
    EXPECT_EQ(ink(), (PixelRect{130, 60, 1, 1}));
    const std::uint8_t* byte = s.image().data() + 60 * s.image().bytesPerLine() + 130 * 4;
    EXPECT_EQ((std::vector<int>{byte[0], byte[1], byte[2], byte[3]}), (std::vector<int>{10, 20, 30, 255}));

    RasterSurface dense(100, 50, 2.0);  // sized and drawn in device pixels
    dense.setBackColor(kBack);
    dense.point(50, 25, kInk);
    EXPECT_EQ(dense.image().width(), 200);
    EXPECT_EQ(dense.image().height(), 100);
    EXPECT_EQ(inkBounds(dense.image(), kBack), (PixelRect{99, 49, 2, 2}));
    dense.clear();
    dense.setLineStyle(LineStyle::Dashed);
    dense.line(10, 10, 90, 10, kInk);
    const PixelRect dashes = inkBounds(dense.image(), kBack);
    EXPECT_NEAR(2 * dashes.x + dashes.width, 200, 4);
    EXPECT_NEAR(2 * dashes.y + dashes.height, 40, 2);
}

TEST_F(RasterSurfaceTest, BackgroundFillsEverythingAndClearResetsThePosition) {
    s.line(-50, -50, 50, 50, kInk);
    s.setBackColor(Rgb{10, 20, 30});
    EXPECT_EQ(countOther(s.image(), Rgb{10, 20, 30}), 0);
    s.setBackColor(kBack);
    s.clear();
    s.lineTo(20, 0, kInk);  // from the world origin
    EXPECT_EQ(ink().x, 100);
    EXPECT_EQ(ink().y, 100);
    EXPECT_NEAR(ink().width, 20, 1);
}

TEST_F(RasterSurfaceTest, WidthsAreScreenPixelsWithRoundEnds) {
    s.setLineWidth(5);
    s.point(0, 0, kInk);
    EXPECT_EQ(ink(), (PixelRect{98, 98, 5, 5}));
    EXPECT_EQ(s.image().colourAt(98, 98), kBack);  // a round dot

    for (int width : {1, 2, 3}) {
        s.clear();
        s.setLineWidth(width);
        s.line(-50, 0, 50, 0, kInk);
        EXPECT_EQ(ink().height, width);
    }

    s.setLineWidth(6);  // slanted lines keep their width: area = length x width + caps
    for (double angle : {0.3, 1.2, 2.5}) {
        s.clear();
        s.line(static_cast<float>(-50 * std::cos(angle)), static_cast<float>(-50 * std::sin(angle)),
               static_cast<float>(50 * std::cos(angle)), static_cast<float>(50 * std::sin(angle)), kInk);
        EXPECT_NEAR(countOther(s.image(), kBack), 100 * 6 + 9 * std::numbers::pi, 30) << angle;
    }

    s.clear();
    s.setWorld(-1, 1, 1, -1);  // a small world must not thicken the pen
    s.setLineWidth(9);
    s.line(-0.5f, 0, 0.5f, 0, kInk);
    EXPECT_EQ(ink().height, 9);
    EXPECT_NEAR(ink().width, 109, 2);  // caps reach past both ends
    EXPECT_EQ(s.image().colourAt(ink().x, ink().y), kBack);
}

TEST_F(RasterSurfaceTest, ThinLinesAreOnePixelPerStepAndDashesFollowThePattern) {
    s.line(-80, -50, 70, 10, kInk);  // shallow: one pixel in each column
    for (int x = 20; x <= 170; ++x) EXPECT_EQ(countOther(s.image(), kBack, {x, 0, 1, 200}), 1) << x;
    EXPECT_EQ(countOther(s.image(), kBack), 151);

    s.clear();
    s.setLineStyle(LineStyle::Dashed);
    s.line(-60, 0, 60, 0, kInk);
    std::vector<int> runs;  // lengths of alternating ink and gap runs along the row
    bool inked = true;
    for (int x = 40, run = 0; x <= 161; ++x, ++run) {
        const bool here = x <= 160 && s.image().colourAt(x, 100) == kInk;
        if (here != inked || x == 161) {
            runs.push_back(run);
            inked = here;
            run = 0;
        }
    }
    ASSERT_GE(runs.size(), 38u);
    for (std::size_t i = 0; i + 1 < runs.size(); ++i) EXPECT_EQ(runs[i], i % 2 == 0 ? 4 : 2) << i;
}

TEST_F(RasterSurfaceTest, EachFigureStartsTheNextLineTo) {
    s.line(-80, 50, -40, 50, kInk);
    s.lineTo(-40, 10, kRed);
    EXPECT_EQ(s.image().colourAt(60, 70), kRed);
    s.circle(40, -40, 10, kInk);  // a circle leaves the position at its centre
    s.lineTo(40, -80, kRed);
    EXPECT_EQ(s.image().colourAt(140, 160), kRed);
}

// A flood from the centre in the background colour, through edge-sharing
// neighbours, must not get out of a closed circle.
bool closedAround(const PixelImage& image, int cx, int cy, Rgb back) {
    const std::uint32_t word = PixelImage::pack(back);
    std::vector<bool> seen(static_cast<std::size_t>(image.width() * image.height()));
    std::vector<std::pair<int, int>> todo{{cx, cy}};
    while (!todo.empty()) {
        const auto [x, y] = todo.back();
        todo.pop_back();
        if (x < 0 || y < 0 || x >= image.width() || y >= image.height()) return false;
        const auto at = static_cast<std::size_t>(y * image.width() + x);
        if (seen[at] || image.at(x, y) != word) continue;
        seen[at] = true;
        todo.insert(todo.end(), {{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}});
    }
    return true;
}

TEST(RasterCircles, CloseAtAnySizeRatioAndWidth) {
    for (double ratio : {1.0, 1.25, 1.5, 2.0}) {
        for (int width : {1, 2, 5}) {
            for (double radius = 0.8; radius < 70; radius *= 1.37) {
                RasterSurface s(160, 160, ratio);
                s.setWorld(-80, 80, 80, -80);
                s.setBackColor(kBack);
                s.setLineWidth(width);
                const auto cx = static_cast<float>(0.3 + radius / 100), cy = static_cast<float>(-0.45);
                s.circle(cx, cy, static_cast<float>(radius), kInk);
                const int px = static_cast<int>(std::floor((80 + cx) * ratio)),
                          py = static_cast<int>(std::floor((80 - cy) * ratio));
                if (radius * ratio - width * ratio / 2 > 1.5) {  // an inside to flood
                    EXPECT_TRUE(closedAround(s.image(), px, py, kBack)) << ratio << " " << width << " " << radius;
                }
                // Round: the ink spans the diameter plus the pen both ways.
                const PixelRect box = inkBounds(s.image(), kBack);
                const double across = 2 * radius * ratio + (width == 1 ? 1 : width * ratio);
                EXPECT_NEAR(box.width, across, 2.0) << ratio << " " << width << " " << radius;
                EXPECT_NEAR(box.width, box.height, 1) << ratio << " " << width << " " << radius;
            }
        }
    }
}

TEST_F(RasterSurfaceTest, ArcsRunCounterclockwiseOnScreen) {
    const float down = static_cast<float>(1.5 * std::numbers::pi);
    for (int width : {1, 3}) {
        s.clear();
        s.setLineWidth(width);
        s.arc(0, 0, 50, down - 0.4f, down + 0.4f, kInk);
        EXPECT_GT(ink().y, 140) << width;  // the bottom of the circle
        EXPECT_NEAR(ink().x + ink().width / 2.0, 100, 1) << width;

        s.clear();
        s.arc(0, 0, 50, static_cast<float>(std::numbers::pi / 2), 0, kInk);  // the long way round
        EXPECT_GT(countOther(s.image(), kBack, {0, 110, 200, 90}), 0) << width;
        EXPECT_EQ(countOther(s.image(), kBack, {110, 0, 90, 90}), 0) << width;
    }
}

TEST_F(RasterSurfaceTest, PrintWritesBelowThePositionAndMovesDownALine) {
    s.setTextPosition(-60, 60);
    s.print("Xc = 12");
    const PixelRect first = ink();
    EXPECT_NEAR(first.x, 40, 3);
    EXPECT_TRUE(first.y >= 40 && first.y < 60) << first.y;
    EXPECT_GT(first.width, 30);
    EXPECT_EQ(countOther(s.image(), kBack) + countOther(s.image(), kInk), s.image().width() * s.image().height())
        << "unsmoothed text in the foreground colour";
    EXPECT_FLOAT_EQ(s.currentX(), -60);
    s.print("x min");
    EXPECT_GT(ink().y + ink().height, first.y + first.height + 5);
}

TEST(RasterText, KeepsItsLogicalSizeAtEveryRatio) {
    for (double ratio : {1.0, 1.25, 1.5, 2.0, 3.0, 1.75}) {
        const double slack = ratio == 1.75 ? 0.2 : 0.04;  // no face of its own: the nearest one
        RasterSurface s(300, 60, ratio);
        s.setBackColor(kBack);
        s.setTextPosition(10, 10);
        s.print("Xc = -100 x min = -125.66");
        const PixelRect box = inkBounds(s.image(), kBack);
        EXPECT_NEAR(box.x / ratio, 10, 2.5) << ratio;
        EXPECT_NEAR(box.y / ratio, 10, 4) << ratio;
        EXPECT_NEAR(box.width / ratio, 171, 171 * slack) << ratio;
        EXPECT_NEAR(box.height / ratio, 10, 1 + 10 * slack) << ratio;
        EXPECT_FLOAT_EQ(s.currentY(), 10 + 17);  // the next line, in logical pixels whatever the ratio
    }
}

TEST_F(RasterSurfaceTest, GrowingKeepsDrawingAndMapping) {
    s.line(10, 10, 10, 0, kRed);
    s.ensureSize(300, 150);  // wider only: never shrinks
    EXPECT_EQ(s.image().width(), 300);
    EXPECT_EQ(s.image().height(), 200);
    EXPECT_EQ(s.logicalHeight(), 200);
    EXPECT_EQ(ink(), (PixelRect{110, 90, 1, 11}));  // and the new area is background
    s.line(150, 0, 150, -10, kRed);                 // same mapping, same pen as before
    EXPECT_EQ(s.image().colourAt(250, 105), kRed);
    s.ensureSize(10, 10);
    EXPECT_EQ(s.image().width(), 300);
}

TEST_F(RasterSurfaceTest, UnusableCoordinatesDrawAndMarkNothing) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const float huge = 3e38f;
    s.takeDirtyRects();
    s.line(nan, 0, 10, 10, kInk);
    s.lineTo(-inf, 5, kInk);
    s.point(huge, -huge, kInk);
    s.circle(0, 0, inf, kInk);
    s.circle(0, 0, huge, kInk);
    s.arc(0, 0, 10, nan, 1, kInk);
    s.setTextPosition(nan, 0);
    s.print("lost");
    s.setLineStyle(LineStyle::Dashed);
    s.line(-huge, -huge, huge, huge, kInk);  // beyond any precision: must simply return
    s.setLineWidth(3);
    s.circle(0, 0, 1e5f, kInk);  // a huge dashed circle is drawn, not counted out dash by dash
    s.setLineStyle(LineStyle::Solid);
    EXPECT_EQ(countOther(s.image(), kBack), 0);
    EXPECT_TRUE(s.takeDirtyRects().empty());

    s.line(-1e7f, -1e7f, 1e7f, 1e7f, kInk);  // far ends, visible middle
    EXPECT_GT(countOther(s.image(), kBack), 100);
}

// The animation erases its previous frame by drawing it again in the
// background colour: that must leave no trace.
struct Figure {
    const char* name;
    int width;
    LineStyle style;
    std::function<void(RasterSurface&, Rgb)> draw;
};

// Shown in test output instead of the raw bytes of the parameter.
void PrintTo(const Figure& figure, std::ostream* out) { *out << figure.name; }

class RasterErase : public ::testing::TestWithParam<Figure> {};

// Also with bold lines, and with bold lines switched off between drawing and
// erasing: the erase is still at least as wide as what it covers.
TEST_P(RasterErase, RedrawingInBackgroundLeavesNoTrace) {
    for (auto [drawScale, eraseScale] : {std::pair{1, 1}, std::pair{2, 2}, std::pair{2, 1}}) {
        for (double ratio : {1.0, 1.25, 1.5, 2.0, 3.0}) {
            RasterSurface s(240, 160, ratio);
            s.setWorld(-12, 8, 12, -8);  // ends fall between pixels
            s.setBackColor(kBack);
            s.setLineWidth(GetParam().width);
            s.setLineStyle(GetParam().style);
            s.setPenScale(drawScale);
            GetParam().draw(s, Rgb{0, 0, 128});
            ASSERT_GT(countOther(s.image(), kBack), 0) << ratio;
            s.setPenScale(eraseScale);
            GetParam().draw(s, kBack);
            EXPECT_EQ(countOther(s.image(), kBack), 0) << ratio << " scale " << drawScale << "/" << eraseScale;
        }
    }
}

// Bold lines double every pen, the dot's diameter with it; switched off and
// the surface filled again, the same drawing gives the same pixels as a
// surface that never had them.
TEST_F(RasterSurfaceTest, BoldLinesDoubleEveryPenAndOffDrawsAsBefore) {
    const auto draw = [](RasterSurface& r) {
        r.setLineWidth(1);
        r.line(-50, -20, 50, 30, kRed);
        r.setLineWidth(7);
        r.point(10, -40, kInk);
        r.setLineWidth(2);
        r.circle(-30, 30, 20, kInk);
    };
    RasterSurface plain(200, 200), toggled(200, 200);
    for (RasterSurface* r : {&plain, &toggled}) {
        r->setWorld(-100, 100, 100, -100);
        r->setBackColor(kBack);
    }
    s.setWorld(-100, 100, 100, -100);
    s.setBackColor(kBack);
    s.setPenScale(2);
    s.setLineWidth(7);
    s.point(0, 0, kInk);
    EXPECT_EQ(ink().width, 14);

    toggled.setPenScale(2);
    draw(toggled);
    toggled.setPenScale(1);
    toggled.clear();
    draw(toggled);
    draw(plain);
    const std::size_t size = static_cast<std::size_t>(plain.image().bytesPerLine()) * plain.image().height();
    EXPECT_TRUE(std::equal(plain.image().data(), plain.image().data() + size, toggled.image().data()));
}

const float kDown = static_cast<float>(1.5 * std::numbers::pi);
using S = RasterSurface&;

INSTANTIATE_TEST_SUITE_P(
    Figures, RasterErase,
    ::testing::Values(
        Figure{"Thin", 1, LineStyle::Solid, [](S s, Rgb c) { s.line(-9.3f, -5.1f, 7.7f, 6.05f, c); }},
        Figure{"Width2", 2, LineStyle::Solid, [](S s, Rgb c) { s.line(-9.3f, 5.1f, 7.7f, -6.05f, c); }},
        Figure{"Width29", 29, LineStyle::Solid, [](S s, Rgb c) { s.line(-3.3f, -1.1f, 4.7f, 2.05f, c); }},
        Figure{"Dashed", 1, LineStyle::Dashed, [](S s, Rgb c) { s.line(-11.1f, 0.3f, 11.4f, -1.7f, c); }},
        Figure{"WideDashed", 3, LineStyle::Dashed, [](S s, Rgb c) { s.line(-11, 0.3f, 11.4f, 3.7f, c); }},
        Figure{"OffTheEdge", 4, LineStyle::Solid, [](S s, Rgb c) { s.line(-30.2f, -20.1f, 3.3f, 1.7f, c); }},
        Figure{"DashedOffTheEdge", 1, LineStyle::Dashed, [](S s, Rgb c) { s.line(-30.2f, -20.1f, 3.3f, 1.7f, c); }},
        Figure{"Circle", 1, LineStyle::Solid, [](S s, Rgb c) { s.circle(1.3f, -0.7f, 5.55f, c); }},
        Figure{"DashedCircle", 1, LineStyle::Dashed, [](S s, Rgb c) { s.circle(1.3f, -0.7f, 5.55f, c); }},
        Figure{"WideCircle", 5, LineStyle::Solid, [](S s, Rgb c) { s.circle(-2.3f, 0.7f, 3.05f, c); }},
        Figure{"WideDashedCircle", 2, LineStyle::Dashed, [](S s, Rgb c) { s.circle(-2.3f, 0.7f, 6.05f, c); }},
        Figure{"ThinArc", 1, LineStyle::Solid,
               [](S s, Rgb c) { s.arc(0.2f, 1.9f, 6.1f, kDown - 0.7f, kDown + 0.7f, c); }},
        Figure{"Arc", 3, LineStyle::Solid, [](S s, Rgb c) { s.arc(0.2f, 1.9f, 6.1f, kDown - 0.7f, kDown + 0.7f, c); }},
        Figure{"Dot", 5, LineStyle::Solid, [](S s, Rgb c) { s.point(2.71f, -3.14f, c); }}),
    [](const ::testing::TestParamInfo<Figure>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace orvalde
