// What each figure puts on the image: sizes, positions, directions, text.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "surface/qt/ImageSurface.h"
#include "tests/surface/QtTestSupport.h"

namespace orvalde {
namespace {

using surfacetest::countOther;
using surfacetest::inkBounds;
using surfacetest::isColour;

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kBack{90, 240, 240};

// A 200x200 surface with the world origin at pixel (100, 100), y up.
class ImageSurfaceFigures : public surfacetest::WithApp {
protected:
    void SetUp() override {
        s.setWorld(-100, 100, 100, -100);
        s.setBackColor(kBack);
    }
    const QImage& image() const { return s.image(); }

    ImageSurface s{QSize(200, 200)};
};

TEST_F(ImageSurfaceFigures, BackgroundCoversEveryPixelAndIsReadBack) {
    s.line(-50, -50, 50, 50, kBlack);
    s.setBackColor(Rgb{10, 20, 30});
    EXPECT_EQ(s.backColor(), (Rgb{10, 20, 30}));
    EXPECT_EQ(countOther(image(), Rgb{10, 20, 30}), 0);
    EXPECT_EQ(s.foreColor(), kBlack);
}

TEST_F(ImageSurfaceFigures, ClearFillsWithBackgroundAndResetsPosition) {
    s.line(-50, -50, 50, 50, kBlack);
    s.clear();
    EXPECT_EQ(countOther(image(), kBack), 0);
    s.lineTo(20, 0, kBlack);  // from the world origin
    EXPECT_TRUE(isColour(image(), 100, 100, kBlack));
    EXPECT_TRUE(isColour(image(), 119, 100, kBlack));
}

TEST_F(ImageSurfaceFigures, PointDiameterIsTheLineWidth) {
    s.point(0, 0, kRed);
    EXPECT_EQ(inkBounds(image(), kBack), QRect(100, 100, 1, 1));

    s.clear();
    s.setLineWidth(5);
    s.point(0, 0, kRed);
    EXPECT_EQ(inkBounds(image(), kBack), QRect(98, 98, 5, 5));
    EXPECT_EQ(countOther(image(), QRect(98, 100, 5, 1), kBack), 5);  // full middle row
    EXPECT_TRUE(isColour(image(), 98, 98, kBack));                    // rounded corner
}

TEST_F(ImageSurfaceFigures, ThinLineIsOnePixelWide) {
    s.line(-50, 0, 50, 0, kBlack);
    s.line(0, -20, 0, -60, kBlack);
    EXPECT_EQ(countOther(image(), QRect(0, 99, 200, 1), kBack), 0);
    EXPECT_EQ(countOther(image(), QRect(0, 101, 200, 1), kBack), 0);
    EXPECT_GE(countOther(image(), QRect(0, 100, 200, 1), kBack), 100);
    EXPECT_EQ(countOther(image(), QRect(0, 130, 200, 1), kBack), 1);  // the vertical one
}

TEST_F(ImageSurfaceFigures, WideLineHasRoundCapsAndScreenWidth) {
    s.setWorld(-1, 1, 1, -1);  // a tiny world scale must not thicken the pen
    s.setLineWidth(9);
    s.line(-0.5f, 0, 0.5f, 0, kBlack);
    const QRect box = inkBounds(image(), kBack);
    EXPECT_EQ(box.height(), 9);
    EXPECT_NEAR(box.width(), 100 + 9, 2);
    EXPECT_TRUE(isColour(image(), box.left(), box.top(), kBack));  // round, not square
}

TEST_F(ImageSurfaceFigures, LineToStartsAtTheEndOfTheLastFigure) {
    s.line(-80, 50, -40, 50, kBlack);
    s.lineTo(-40, 10, kRed);
    EXPECT_TRUE(isColour(image(), 60, 70, kRed));  // halfway down the joining line
    s.circle(40, -40, 10, kBlack);
    s.lineTo(40, -80, kRed);  // a circle leaves the position at its centre
    EXPECT_TRUE(isColour(image(), 140, 160, kRed));
}

TEST_F(ImageSurfaceFigures, CircleRadiusUsesTheXScale) {
    s.setWorld(-10, 10, 10, -10);  // 10 pixels per world unit
    s.circle(0, 0, 5, kBlack);
    const QRect box = inkBounds(image(), kBack);
    EXPECT_NEAR(box.width(), 101, 2);
    EXPECT_NEAR(box.center().x(), 100, 1);
    EXPECT_NEAR(box.center().y(), 100, 1);
    EXPECT_TRUE(isColour(image(), 100, 100, kBack));  // outline only
}

TEST_F(ImageSurfaceFigures, ArcRunsCounterclockwiseFromTheStartAngle) {
    const float theta = 0.4f;
    const float down = static_cast<float>(1.5 * std::numbers::pi);
    s.arc(0, 0, 50, down - theta, down + theta, kBlack);
    const QRect bottom = inkBounds(image(), kBack);
    EXPECT_GT(bottom.top(), 140);  // all of it below the centre
    EXPECT_NEAR(bottom.center().x(), 100, 1);

    s.clear();
    s.arc(0, 0, 50, 0, static_cast<float>(std::numbers::pi / 2), kBlack);
    const QRect quarter = inkBounds(image(), kBack);  // from +x up to +y: upper right
    EXPECT_GE(quarter.left(), 99);
    EXPECT_LE(quarter.bottom(), 101);

    s.clear();
    s.arc(0, 0, 50, static_cast<float>(std::numbers::pi / 2), 0, kBlack);  // the long way round
    EXPECT_GT(countOther(image(), QRect(0, 110, 200, 90), kBack), 0);
    EXPECT_EQ(countOther(image(), QRect(110, 0, 90, 90), kBack), 0);
}

TEST_F(ImageSurfaceFigures, PrintWritesAtThePositionAndMovesDownALine) {
    s.setTextPosition(-60, 60);
    s.print("Xc = 12");
    const QRect first = inkBounds(image(), kBack);
    ASSERT_FALSE(first.isEmpty());
    EXPECT_NEAR(first.left(), 40, 3);
    EXPECT_GE(first.top(), 40);
    EXPECT_LT(first.top(), 60);
    EXPECT_EQ(countOther(image(), kBlack) + countOther(image(), kBack), image().width() * image().height())
        << "text is drawn in the foreground colour without smoothing";

    EXPECT_FLOAT_EQ(s.currentX(), -60);
    EXPECT_LT(s.currentY(), 60 - 8);
    const int before = countOther(image(), QRect(0, first.bottom() + 2, 200, 100), kBack);
    s.print("x min");
    EXPECT_GT(countOther(image(), QRect(0, first.bottom() + 2, 200, 100), kBack), before);
}

TEST_F(ImageSurfaceFigures, UnusableCoordinatesDrawNothingAndNeverHang) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const float huge = 3e38f;
    s.takeDirtyRect();
    s.line(nan, 0, 10, 10, kBlack);
    s.line(0, 0, inf, 10, kBlack);
    s.lineTo(-inf, 5, kBlack);
    s.point(nan, nan, kBlack);
    s.circle(0, 0, inf, kBlack);
    s.circle(huge, 0, 10, kBlack);
    s.circle(0, 0, huge, kBlack);
    s.arc(0, 0, 10, nan, 1, kBlack);
    s.point(huge, -huge, kBlack);
    s.setTextPosition(nan, 0);
    s.print("lost");
    EXPECT_EQ(countOther(image(), kBack), 0);
    EXPECT_TRUE(s.takeDirtyRect().isEmpty());

    s.setLineStyle(LineStyle::Dashed);
    s.setLineWidth(3);
    s.line(-huge, -huge, huge, huge, kBlack);  // beyond any precision: must merely return
    s.clear();
    s.line(-1e7f, -1e7f, 1e7f, 1e7f, kBlack);  // far ends, visible middle: that part is drawn
    EXPECT_GT(countOther(image(), kBack), 200);
    EXPECT_EQ(countOther(image(), QRect(0, 0, 90, 90), kBack), 0);  // on the diagonal only
}

}  // namespace
}  // namespace orvalde
