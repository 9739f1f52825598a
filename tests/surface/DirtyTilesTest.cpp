// The area the shells repaint after drawing: it holds every pixel a figure
// changed, stays near the figures rather than their bounding boxes, empties
// when taken, and rounds tiles outward to logical pixels at any ratio.

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "surface/raster/DirtyTiles.h"
#include "surface/raster/RasterSurface.h"
#include "tests/surface/RasterTestSupport.h"

namespace orvalde {
namespace {

using rastertest::area;
using rastertest::coverage;

// Random lines (solid and dashed, widths 1 to 29), circles, arcs, dots and
// text, partly off the image. Each is drawn on a clean image: every changed
// pixel must be in the dirty rectangles, in device and in logical pixels,
// and drawing it again in the background colour must put back every pixel.
TEST(DirtyRegion, HoldsEveryPixelAFigureChangedAndErasingRestoresThem) {
    std::mt19937 random(20240611);
    const auto any = [&](double low, double high) { return std::uniform_real_distribution<>(low, high)(random); };
    const auto pick = [&](int low, int high) { return std::uniform_int_distribution<>(low, high)(random); };
    for (double ratio : {1.0, 1.25, 1.5, 2.0}) {
        RasterSurface s(260, 190, ratio);
        s.setWorld(-130, 95, 130, -95);  // one world unit per logical pixel
        s.setBackColor(kBackground);
        const PixelImage clean = s.image();
        const int width = clean.width(), height = clean.height();
        for (int figure = 0; figure < 150; ++figure) {
            const Rgb colour{pick(0, 255), pick(0, 255), pick(1, 255)};
            const auto x = static_cast<float>(any(-250, 250)), y = static_cast<float>(any(-250, 250));
            const auto r = static_cast<float>(pick(0, 2) ? any(0, 60) : any(0, 600));
            const auto x2 = x + static_cast<float>(any(-r, r)), y2 = static_cast<float>(any(-250, 250));
            const auto from = static_cast<float>(any(-10, 10)), to = static_cast<float>(any(-10, 10));
            const int kind = pick(0, 4);
            const std::string text = "Xc = " + std::to_string(pick(-999, 999)) + " jgy|_W";
            s.setLineWidth(pick(1, 29));
            s.setLineStyle(pick(0, 3) == 0 ? LineStyle::Dashed : LineStyle::Solid);
            const auto draw = [&](Rgb c) {
                if (kind == 0) s.line(x, y, x2, y2, c);
                if (kind == 1) s.circle(x, y, r, c);
                if (kind == 2) s.arc(x, y, r, from, to, c);
                if (kind == 3) s.point(x, y, c);
                if (kind == 4) {
                    s.setTextPosition(x, y);
                    s.print(text);  // in the foreground colour: erased by clearing
                }
            };
            s.takeDirtyRects();
            draw(colour);
            const std::vector<bool> device = coverage(s.takeDirtyRects(), width, height);
            std::vector<std::pair<int, int>> changed;
            for (int j = 0; j < height; ++j)
                for (int i = 0; i < width; ++i)
                    if (clean.at(i, j) != s.image().at(i, j)) changed.emplace_back(i, j);
            if (kind == 4)
                s.clear();
            else
                draw(kBackground);
            ASSERT_EQ(s.image().pixels(), clean.pixels()) << "figure " << kind << " at " << x << "," << y << " size "
                                                          << r << " width " << s.lineWidth() << " ratio " << ratio;
            // Erasing changed the same pixels back: its dirty area, taken in
            // logical pixels, must show all of them.
            const int logicalWidth = static_cast<int>(std::ceil(width / ratio));
            const std::vector<bool> logical =
                coverage(s.takeDirtyLogicalRects(), logicalWidth, static_cast<int>(std::ceil(height / ratio)));
            const auto inLogical = [&](int i, int j) {
                return logical[static_cast<std::size_t>(j * logicalWidth + i)];
            };
            int outside = 0;  // changed device pixels, or the logical pixels showing them, not in the rectangles
            for (const auto& [i, j] : changed) {
                outside += !device[static_cast<std::size_t>(j * width + i)];
                const int firstX = static_cast<int>(i / ratio), firstY = static_cast<int>(j / ratio);
                const int lastX = static_cast<int>(std::ceil((i + 1) / ratio)) - 1;
                const int lastY = static_cast<int>(std::ceil((j + 1) / ratio)) - 1;
                outside += !inLogical(firstX, firstY) || !inLogical(lastX, lastY);
            }
            ASSERT_EQ(outside, 0) << "figure " << kind << " at " << x << "," << y << " size " << r << " width "
                                  << s.lineWidth() << " ratio " << ratio;
        }
    }
}

TEST(DirtyRegion, FollowsFiguresRatherThanTheirBoxesAndEmptiesWhenTaken) {
    RasterSurface s(1920, 1080);
    s.setWorld(0, 0, 1920, 1080);  // world units are pixels, y down
    EXPECT_EQ(s.takeDirtyLogicalRects(), (std::vector<PixelRect>{{0, 0, 1920, 1080}}));  // the first frame
    EXPECT_TRUE(s.takeDirtyRects().empty());
    s.setLineWidth(3);
    s.line(1000, 500, 1010, 505, kBackground);
    EXPECT_LE(area(s.takeDirtyRects()), 64 * 64);
    s.line(0, 0, 1919, 1079, kBackground);  // corner to corner
    EXPECT_LT(area(s.takeDirtyRects()), 1920 * 1080 / 10);
    s.circle(960, 540, 480, kBackground);
    EXPECT_LT(area(s.takeDirtyRects()), 960 * 960 / 4);
    s.arc(960, 540, 480, 0, 0.5f, kBackground);  // a twelfth of it
    EXPECT_LT(area(s.takeDirtyRects()), 960 * 960 / 20);
    EXPECT_EQ(area(s.takeDirtyRects()), 0);

    s.clear();
    EXPECT_EQ(s.takeDirtyRects(), (std::vector<PixelRect>{{0, 0, 1920, 1080}}));
    s.ensureSize(2000, 1080);
    EXPECT_EQ(s.takeDirtyRects(), (std::vector<PixelRect>{{0, 0, 2000, 1080}}));
}

// Tile rows share a logical row at fractional ratios, and tiles at the right
// and bottom edges are cut short: a tile, or it and its diagonal neighbour,
// give exactly the logical pixels that show their device pixels.
TEST(DirtyTiles, BecomeTheLogicalPixelsShowingThem) {
    constexpr int kSide = DirtyTiles::kTileSide;
    const int deviceWidth = 150, deviceHeight = 110;
    for (double ratio : {1.0, 1.25, 1.5, 2.0, 3.0}) {
        const int width = static_cast<int>(std::ceil(deviceWidth / ratio)),
                  height = static_cast<int>(std::ceil(deviceHeight / ratio));
        // The logical pixels showing any device pixel of the tile at (left, top).
        const auto shown = [&](int left, int top, std::vector<bool>& into) {
            const int right = std::min(left + kSide, deviceWidth), bottom = std::min(top + kSide, deviceHeight);
            if (right <= left || bottom <= top) return;
            for (int y = static_cast<int>(top / ratio); y < static_cast<int>(std::ceil(bottom / ratio)); ++y)
                for (int x = static_cast<int>(left / ratio); x < static_cast<int>(std::ceil(right / ratio)); ++x)
                    into[static_cast<std::size_t>(y * width + x)] = true;
        };
        DirtyTiles tiles(deviceWidth, deviceHeight);
        EXPECT_TRUE(tiles.takeRects(ratio).empty());
        for (int top = 0; top < deviceHeight; top += kSide) {
            for (int left = 0; left < deviceWidth; left += kSide) {
                const auto mark = [&](int x, int y) {
                    if (x + 5 < deviceWidth && y + 5 < deviceHeight) tiles.markRow(y + 5, x + 5, x + 5);
                };
                std::vector<bool> expected(static_cast<std::size_t>(width * height));
                shown(left, top, expected);
                mark(left, top);
                EXPECT_EQ(coverage(tiles.takeRects(ratio), width, height), expected)
                    << left << "," << top << " ratio " << ratio;
                shown(left + kSide, top + kSide, expected);
                mark(left, top);
                mark(left + kSide, top + kSide);
                const std::vector<PixelRect> both = tiles.takeRects(ratio);
                EXPECT_EQ(coverage(both, width, height), expected) << left << "," << top << " ratio " << ratio;
                EXPECT_EQ(area(both), std::count(expected.begin(), expected.end(), true)) << "rectangles overlap";
            }
        }
    }
}

}  // namespace
}  // namespace orvalde
