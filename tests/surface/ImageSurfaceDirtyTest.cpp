// The dirty rectangle tells the window which part of the image to repaint;
// missing a drawn pixel leaves stale pixels on screen.

#include <gtest/gtest.h>

#include "surface/qt/ImageSurface.h"
#include "tests/surface/QtTestSupport.h"

namespace orvalde {
namespace {

constexpr Rgb kBack{255, 255, 255};
constexpr Rgb kInk{0, 0, 0};

using ImageSurfaceDirty = surfacetest::WithApp;

TEST_F(ImageSurfaceDirty, StartsFullAndResetsAfterTake) {
    ImageSurface s(QSize(120, 90));
    EXPECT_EQ(s.takeDirtyRect(), QRect(0, 0, 120, 90));
    EXPECT_TRUE(s.takeDirtyRect().isEmpty());
}

TEST_F(ImageSurfaceDirty, CoversEveryDrawnPixelButNotTheWholeImage) {
    ImageSurface s(QSize(400, 300));
    s.setBackColor(kBack);
    s.takeDirtyRect();
    s.setLineWidth(7);
    s.line(100, 100, 180, 140, kInk);
    s.circle(300, 200, 30, kInk);
    const QRect dirty = s.takeDirtyRect();
    const QRect ink = surfacetest::inkBounds(s.image(), kBack);
    EXPECT_TRUE(dirty.contains(ink)) << "ink outside the dirty area";
    EXPECT_LT(dirty.width() * dirty.height(), 400 * 300 / 2);
    EXPECT_TRUE(s.takeDirtyRect().isEmpty());
}

TEST_F(ImageSurfaceDirty, ClippedToTheImage) {
    ImageSurface s(QSize(100, 100));
    s.takeDirtyRect();
    s.setLineWidth(10);
    s.line(-50, 50, 20, 50, kInk);
    EXPECT_EQ(s.takeDirtyRect().left(), 0);
}

TEST_F(ImageSurfaceDirty, WholeImageAfterBackgroundClearOrGrowth) {
    ImageSurface s(QSize(100, 80));
    s.takeDirtyRect();
    s.setBackColor(Rgb{1, 2, 3});
    EXPECT_EQ(s.takeDirtyRect(), QRect(0, 0, 100, 80));
    s.clear();
    EXPECT_EQ(s.takeDirtyRect(), QRect(0, 0, 100, 80));
    s.ensureSize(QSize(130, 80));
    EXPECT_EQ(s.takeDirtyRect(), QRect(0, 0, 130, 80));
}

TEST_F(ImageSurfaceDirty, LogicalRectangleCoversDevicePixelsOnHighDensity) {
    ImageSurface s(QSize(100, 100), 1.5);
    s.setBackColor(kBack);
    s.takeDirtyRect();
    s.point(33.3f, 61.7f, kInk);
    const QRect dirty = s.takeDirtyRect();
    const QRect ink = surfacetest::inkBounds(s.image(), kBack);
    const QRectF inkLogical(ink.x() / 1.5, ink.y() / 1.5, ink.width() / 1.5, ink.height() / 1.5);
    EXPECT_TRUE(QRectF(dirty).contains(inkLogical));
    EXPECT_TRUE(QRect(0, 0, 100, 100).contains(dirty));
}

}  // namespace
}  // namespace orvalde
