// Pixels the image surface puts down: placement, sizes, direction, text,
// resizing, the dirty area the window repaints from, and exact erasing.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <numbers>

#include "surface/qt/ImageSurface.h"
#include "tests/surface/QtTestSupport.h"

namespace orvalde {
namespace {

using surfacetest::countOther;
using surfacetest::inkBounds;

constexpr Rgb kInk{0, 0, 0};
constexpr Rgb kBack{90, 240, 240};

// A 200x200 surface with the world origin at pixel (100, 100), y up.
class ImageSurfaceTest : public surfacetest::WithApp {
protected:
    ImageSurfaceTest() {
        s.setWorld(-100, 100, 100, -100);
        s.setBackColor(kBack);
    }
    QRect ink() const { return inkBounds(s.image(), kBack); }
    ImageSurface s{QSize(200, 200)};
};

TEST_F(ImageSurfaceTest, WorldMapsOntoTheImageWithYUp) {
    s.point(30, 40, kInk);
    EXPECT_EQ(ink(), QRect(130, 60, 1, 1));

    ImageSurface dense(QSize(100, 50), 2.0);  // sized and drawn in device pixels
    dense.setBackColor(kBack);
    dense.point(50, 25, kInk);
    EXPECT_EQ(dense.image().size(), QSize(200, 100));
    EXPECT_EQ(inkBounds(dense.image(), kBack), QRect(99, 49, 2, 2));
    dense.clear();
    dense.setLineStyle(LineStyle::Dashed);  // drawn by QPainter rather than spans
    dense.line(10, 10, 90, 10, kInk);
    const QRect dashes = inkBounds(dense.image(), kBack);
    EXPECT_NEAR(dashes.left() + dashes.right(), 200, 3);
    EXPECT_NEAR(dashes.center().y(), 20, 1);
}

TEST_F(ImageSurfaceTest, BackgroundFillsEverythingAndClearResetsThePosition) {
    s.line(-50, -50, 50, 50, kInk);
    s.setBackColor(Rgb{10, 20, 30});
    EXPECT_EQ(countOther(s.image(), Rgb{10, 20, 30}), 0);
    s.setBackColor(kBack);
    s.clear();
    s.lineTo(20, 0, kInk);  // from the world origin
    EXPECT_EQ(ink().topLeft(), QPoint(100, 100));
    EXPECT_NEAR(ink().width(), 20, 1);
}

TEST_F(ImageSurfaceTest, WidthsAreScreenPixelsWithRoundEnds) {
    s.setLineWidth(5);
    s.point(0, 0, kInk);
    EXPECT_EQ(ink(), QRect(98, 98, 5, 5));
    EXPECT_EQ(s.image().pixel(98, 98), qRgb(90, 240, 240));  // a round dot

    for (int width : {1, 2}) {
        s.clear();
        s.setLineWidth(width);
        s.line(-50, 0, 50, 0, kInk);
        EXPECT_EQ(ink().height(), width);
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
    EXPECT_EQ(ink().height(), 9);
    EXPECT_NEAR(ink().width(), 109, 2);  // caps reach past both ends
    EXPECT_EQ(s.image().pixel(ink().topLeft()), qRgb(90, 240, 240));
}

TEST_F(ImageSurfaceTest, EachFigureStartsTheNextLineTo) {
    s.line(-80, 50, -40, 50, kInk);
    s.lineTo(-40, 10, Rgb{255, 0, 0});
    EXPECT_EQ(s.image().pixel(60, 70), qRgb(255, 0, 0));
    s.circle(40, -40, 10, kInk);  // a circle leaves the position at its centre
    s.lineTo(40, -80, Rgb{255, 0, 0});
    EXPECT_EQ(s.image().pixel(140, 160), qRgb(255, 0, 0));
}

TEST_F(ImageSurfaceTest, ArcsRunCounterclockwiseOnScreen) {
    const float down = static_cast<float>(1.5 * std::numbers::pi);
    s.arc(0, 0, 50, down - 0.4f, down + 0.4f, kInk);
    EXPECT_GT(ink().top(), 140);  // the bottom of the circle
    EXPECT_NEAR(ink().center().x(), 100, 1);

    s.clear();
    s.arc(0, 0, 50, static_cast<float>(std::numbers::pi / 2), 0, kInk);  // the long way round
    EXPECT_GT(countOther(s.image(), kBack, QRect(0, 110, 200, 90)), 0);
    EXPECT_EQ(countOther(s.image(), kBack, QRect(110, 0, 90, 90)), 0);
}

TEST_F(ImageSurfaceTest, PrintWritesBelowThePositionAndMovesDownALine) {
    s.setTextPosition(-60, 60);
    s.print("Xc = 12");
    const QRect first = ink();
    EXPECT_NEAR(first.left(), 40, 3);
    EXPECT_TRUE(first.top() >= 40 && first.top() < 60) << first.top();
    EXPECT_EQ(countOther(s.image(), kBack) + countOther(s.image(), kInk), s.image().width() * s.image().height())
        << "unsmoothed text in the foreground colour";
    EXPECT_FLOAT_EQ(s.currentX(), -60);
    s.print("x min");
    EXPECT_GT(ink().bottom(), first.bottom() + 5);
}

TEST_F(ImageSurfaceTest, GrowingKeepsDrawingAndMapping) {
    s.line(10, 10, 10, 0, Rgb{255, 0, 0});
    s.ensureSize(QSize(300, 150));  // wider only: never shrinks
    EXPECT_EQ(s.image().size(), QSize(300, 200));
    EXPECT_EQ(ink().topLeft(), QPoint(110, 90));  // and the new area is background
    EXPECT_EQ(ink().right(), 110);
    s.line(150, 0, 150, -10, Rgb{255, 0, 0});  // same mapping, same pen as before
    EXPECT_EQ(s.image().pixel(250, 105), qRgb(255, 0, 0));
}

TEST_F(ImageSurfaceTest, DirtyAreaCoversWhatWasDrawnAndResets) {
    EXPECT_EQ(s.takeDirtyRect(), QRect(0, 0, 200, 200));
    s.setLineWidth(7);
    s.line(-60, 0, 20, 40, kInk);
    s.circle(30, 30, 10, kInk);
    const QRect dirty = s.takeDirtyRect();
    EXPECT_TRUE(dirty.contains(ink()));
    EXPECT_LT(dirty.width() * dirty.height(), 200 * 200 / 2);
    EXPECT_TRUE(s.takeDirtyRect().isEmpty());
}

TEST_F(ImageSurfaceTest, UnusableCoordinatesDrawAndMarkNothing) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const float huge = 3e38f;
    s.takeDirtyRect();
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
    EXPECT_EQ(countOther(s.image(), kBack), 0);
    EXPECT_TRUE(s.takeDirtyRect().isEmpty());

    s.line(-1e7f, -1e7f, 1e7f, 1e7f, kInk);  // far ends, visible middle
    EXPECT_GT(countOther(s.image(), kBack), 100);
}

// The animation erases its previous frame by drawing it again in the
// background colour: that must leave no trace.
struct Figure {
    const char* name;
    int width;
    LineStyle style;
    std::function<void(ImageSurface&, Rgb)> draw;
};

// Shown in test output instead of the raw bytes of the parameter.
void PrintTo(const Figure& figure, std::ostream* out) { *out << figure.name; }

class ImageSurfaceErase : public ::testing::TestWithParam<Figure> {};

TEST_P(ImageSurfaceErase, RedrawingInBackgroundLeavesNoTrace) {
    EnsureQtApplication();
    for (qreal ratio : {1.0, 1.5, 2.0}) {
        ImageSurface s(QSize(240, 160), ratio);
        s.setWorld(-12, 8, 12, -8);  // ends fall between pixels
        s.setBackColor(kBack);
        s.setLineWidth(GetParam().width);
        s.setLineStyle(GetParam().style);
        GetParam().draw(s, Rgb{0, 0, 128});
        ASSERT_GT(surfacetest::countOther(s.image(), kBack), 0) << ratio;
        GetParam().draw(s, kBack);
        EXPECT_EQ(surfacetest::countOther(s.image(), kBack), 0) << ratio;
    }
}

const float kDown = static_cast<float>(1.5 * std::numbers::pi);
using S = ImageSurface&;

INSTANTIATE_TEST_SUITE_P(
    Figures, ImageSurfaceErase,
    ::testing::Values(Figure{"Thin", 1, LineStyle::Solid, [](S s, Rgb c) { s.line(-9.3f, -5.1f, 7.7f, 6.05f, c); }},
                      Figure{"Width2", 2, LineStyle::Solid, [](S s, Rgb c) { s.line(-9.3f, 5.1f, 7.7f, -6.05f, c); }},
                      Figure{"Width29", 29, LineStyle::Solid, [](S s, Rgb c) { s.line(-3.3f, -1.1f, 4.7f, 2.05f, c); }},
                      Figure{"Dashed", 1, LineStyle::Dashed, [](S s, Rgb c) { s.line(-11.1f, 0.3f, 11.4f, -1.7f, c); }},
                      Figure{"WideDashed", 3, LineStyle::Dashed, [](S s, Rgb c) { s.line(-11, 0.3f, 11.4f, 3.7f, c); }},
                      Figure{"OffTheEdge", 4, LineStyle::Solid, [](S s, Rgb c) { s.line(-30.2f, -20.1f, 3.3f, 1.7f, c); }},
                      Figure{"Circle", 1, LineStyle::Solid, [](S s, Rgb c) { s.circle(1.3f, -0.7f, 5.55f, c); }},
                      Figure{"WideCircle", 5, LineStyle::Solid, [](S s, Rgb c) { s.circle(-2.3f, 0.7f, 3.05f, c); }},
                      Figure{"Arc", 3, LineStyle::Solid,
                             [](S s, Rgb c) { s.arc(0.2f, 1.9f, 6.1f, kDown - 0.7f, kDown + 0.7f, c); }},
                      Figure{"Dot", 5, LineStyle::Solid, [](S s, Rgb c) { s.point(2.71f, -3.14f, c); }}),
    [](const ::testing::TestParamInfo<Figure>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace orvalde
