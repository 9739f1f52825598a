// World mapping, resizing and pixel ratio of the image surface.

#include <gtest/gtest.h>

#include "surface/qt/ImageSurface.h"
#include "tests/surface/QtTestSupport.h"

namespace orvalde {
namespace {

using surfacetest::countOther;
using surfacetest::isColour;

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};

using ImageSurfaceMapping = surfacetest::WithApp;

TEST_F(ImageSurfaceMapping, WorldOriginIsImageCentreAndYRunsUp) {
    ImageSurface s(QSize(200, 100));
    s.setWorld(-100, 50, 100, -50);
    EXPECT_DOUBLE_EQ(s.scaleWidth(), 200);
    EXPECT_DOUBLE_EQ(s.scaleHeight(), -100);
    s.setBackColor(kWhite);
    s.point(0, 0, kBlack);
    EXPECT_TRUE(isColour(s.image(), 100, 50, kBlack));
    EXPECT_EQ(countOther(s.image(), kWhite), 1);

    s.point(0, 30, kBlack);  // 30 units up is 30 pixels higher on screen
    EXPECT_TRUE(isColour(s.image(), 100, 20, kBlack));
    EXPECT_EQ(s.toLogical(-100, -50), QPointF(0, 100));
}

TEST_F(ImageSurfaceMapping, WorldIsLogicalPixelsUntilSet) {
    ImageSurface s(QSize(64, 48));
    EXPECT_DOUBLE_EQ(s.scaleWidth(), 64);
    EXPECT_DOUBLE_EQ(s.scaleHeight(), 48);
    s.setBackColor(kWhite);
    s.point(10, 7, kBlack);
    EXPECT_TRUE(isColour(s.image(), 10, 7, kBlack));
}

TEST_F(ImageSurfaceMapping, DegenerateWorldKeepsThePreviousMapping) {
    ImageSurface s(QSize(100, 100));
    s.setWorld(0, 10, 10, 0);
    s.setWorld(5, 1, 5, 0);
    EXPECT_DOUBLE_EQ(s.scaleWidth(), 10);
    EXPECT_EQ(s.toLogical(5, 5), QPointF(50, 50));
}

TEST_F(ImageSurfaceMapping, GrowingKeepsDrawingMappingAndBackground) {
    const Rgb back{90, 240, 240};
    ImageSurface s(QSize(100, 80));
    s.setWorld(-50, 40, 50, -40);
    s.setBackColor(back);
    s.point(10, 10, kBlack);
    ASSERT_TRUE(isColour(s.image(), 60, 30, kBlack));

    s.ensureSize(QSize(150, 120));
    EXPECT_EQ(s.image().size(), QSize(150, 120));
    EXPECT_TRUE(isColour(s.image(), 60, 30, kBlack));
    EXPECT_EQ(countOther(s.image(), back), 1);  // the new area is background

    s.point(-10, -10, kBlack);  // same mapping as before the resize
    EXPECT_TRUE(isColour(s.image(), 40, 50, kBlack));
    s.point(90, -70, kBlack);  // the grown area can be drawn into
    EXPECT_TRUE(isColour(s.image(), 140, 110, kBlack));
}

TEST_F(ImageSurfaceMapping, NeverShrinksAndSetWorldUsesTheGrownSize) {
    ImageSurface s(QSize(100, 80));
    s.ensureSize(QSize(50, 200));
    EXPECT_EQ(s.image().size(), QSize(100, 200));
    EXPECT_EQ(s.logicalSize(), QSize(100, 200));
    s.setWorld(0, 0, 10, 10);
    EXPECT_EQ(s.toLogical(10, 10), QPointF(100, 200));
}

TEST_F(ImageSurfaceMapping, HighDensityImageIsSizedInDevicePixels) {
    ImageSurface s(QSize(100, 50), 2.0);
    EXPECT_EQ(s.image().size(), QSize(200, 100));
    EXPECT_DOUBLE_EQ(s.image().devicePixelRatio(), 2.0);
    s.setWorld(-50, 25, 50, -25);
    s.setBackColor(kWhite);
    s.point(0, 0, kBlack);  // width 1 is one screen pixel: 2x2 device pixels
    EXPECT_EQ(countOther(s.image(), kWhite), 4);
    EXPECT_EQ(surfacetest::inkBounds(s.image(), kWhite), QRect(99, 49, 2, 2));

    s.ensureSize(QSize(120, 60));
    EXPECT_EQ(s.image().size(), QSize(240, 120));
    EXPECT_DOUBLE_EQ(s.image().devicePixelRatio(), 2.0);
}

}  // namespace
}  // namespace orvalde
