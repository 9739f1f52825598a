// The area the window repaints after drawing: it holds every pixel a figure
// changed, stays near the figures rather than their bounding boxes, empties
// when taken, and rounds tiles outward to logical pixels at any ratio.

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "surface/qt/DirtyTiles.h"
#include "surface/qt/ImageSurface.h"
#include "tests/surface/QtTestSupport.h"

namespace orvalde {
namespace {

class DirtyRegion : public surfacetest::WithApp {};

// Random lines (solid and dashed, widths 1 to 29), circles, arcs, dots and
// text, partly off the image; each one's changed pixels against a copy.
TEST_F(DirtyRegion, HoldsEveryPixelAFigureChanged) {
    std::mt19937 random(20240611);
    const auto any = [&](double low, double high) { return std::uniform_real_distribution<>(low, high)(random); };
    const auto pick = [&](int low, int high) { return std::uniform_int_distribution<>(low, high)(random); };
    for (double ratio : {1.0, 1.5, 2.0}) {
        ImageSurface s(QSize(260, 190), ratio);
        s.setWorld(-130, 95, 130, -95);  // one world unit per logical pixel
        for (int figure = 0; figure < 300; ++figure) {
            s.takeDirtyRegion();
            const QImage before = s.image().copy();
            const Rgb colour{pick(0, 255), pick(0, 255), pick(0, 255)};
            const auto x = static_cast<float>(any(-250, 250)), y = static_cast<float>(any(-250, 250));
            const auto r = static_cast<float>(pick(0, 2) ? any(0, 60) : any(0, 600));
            const int kind = pick(0, 4);
            s.setLineWidth(pick(1, 29));
            s.setLineStyle(pick(0, 3) == 0 ? LineStyle::Dashed : LineStyle::Solid);
            if (kind == 0) s.line(x, y, x + static_cast<float>(any(-r, r)), static_cast<float>(any(-250, 250)), colour);
            if (kind == 1) s.circle(x, y, r, colour);
            if (kind == 2) s.arc(x, y, r, static_cast<float>(any(-10, 10)), static_cast<float>(any(-10, 10)), colour);
            if (kind == 3) s.point(x, y, colour);
            if (kind == 4) {
                s.setTextPosition(x, y);
                s.print("Xc = " + std::to_string(pick(-999, 999)) + " jgy|_W");
            }
            const QRegion region = s.takeDirtyRegion();
            int outside = 0;  // changed device pixels whose logical pixels are not all in the region
            for (int j = 0; j < before.height(); ++j) {
                const auto* was = reinterpret_cast<const QRgb*>(before.constScanLine(j));
                const auto* now = reinterpret_cast<const QRgb*>(s.image().constScanLine(j));
                for (int i = 0; i < before.width(); ++i) {
                    if (was[i] == now[i]) continue;
                    const QPoint first(static_cast<int>(i / ratio), static_cast<int>(j / ratio));
                    const QPoint last(static_cast<int>(std::ceil((i + 1) / ratio)) - 1,
                                      static_cast<int>(std::ceil((j + 1) / ratio)) - 1);
                    outside += !region.contains(first) || !region.contains(last);
                }
            }
            ASSERT_EQ(outside, 0) << "figure " << kind << " at " << x << "," << y << " size " << r << " width "
                                  << s.lineWidth() << " ratio " << ratio;
        }
    }
}

TEST_F(DirtyRegion, FollowsFiguresRatherThanTheirBoxesAndEmptiesWhenTaken) {
    ImageSurface s(QSize(1920, 1080));
    s.setWorld(0, 0, 1920, 1080);  // world units are pixels, y down
    EXPECT_EQ(s.takeDirtyRegion(), QRegion(0, 0, 1920, 1080));  // the first frame
    EXPECT_TRUE(s.takeDirtyRegion().isEmpty());
    const auto takenArea = [&s] {
        long long sum = 0;
        for (const QRect& r : s.takeDirtyRegion()) sum += static_cast<long long>(r.width()) * r.height();
        return sum;
    };
    s.setLineWidth(3);
    s.line(1000, 500, 1010, 505, kBackground);
    EXPECT_LE(takenArea(), 64 * 64);
    s.line(0, 0, 1919, 1079, kBackground);  // corner to corner
    EXPECT_LT(takenArea(), 1920 * 1080 / 10);
    s.circle(960, 540, 480, kBackground);
    EXPECT_LT(takenArea(), 960 * 960 / 4);
    s.arc(960, 540, 480, 0, 0.5f, kBackground);  // a twelfth of it
    EXPECT_LT(takenArea(), 960 * 960 / 20);
    EXPECT_EQ(takenArea(), 0);

    s.clear();
    EXPECT_EQ(s.takeDirtyRect(), QRect(0, 0, 1920, 1080));
    s.ensureSize(QSize(2000, 1080));
    EXPECT_EQ(s.takeDirtyRegion(), QRegion(0, 0, 2000, 1080));
}

// Tile rows share a logical row at fractional ratios, and tiles at the right
// and bottom edges are cut short: a tile, or it and its diagonal neighbour,
// give exactly the logical pixels that show their device pixels.
TEST(DirtyTiles, BecomeTheLogicalPixelsShowingThem) {
    constexpr int kSide = DirtyTiles::kTileSide;
    const QRect device(0, 0, 150, 110);
    for (double ratio : {1.0, 1.25, 1.5, 2.0, 3.0}) {
        const auto shown = [&](QPoint corner) {
            const QRect tile = QRect(corner, QSize(kSide, kSide)) & device;
            if (tile.isEmpty()) return QRegion();
            const QPoint end(static_cast<int>(std::ceil((tile.right() + 1) / ratio)),
                             static_cast<int>(std::ceil((tile.bottom() + 1) / ratio)));
            return QRegion(QRect(QPoint(static_cast<int>(tile.left() / ratio), static_cast<int>(tile.top() / ratio)),
                                 end - QPoint(1, 1)));
        };
        DirtyTiles tiles(device.size());
        EXPECT_TRUE(tiles.takeRegion(ratio).isEmpty());
        for (int top = 0; top < device.height(); top += kSide) {
            for (int left = 0; left < device.width(); left += kSide) {
                const QPoint corner(left, top), diagonal = corner + QPoint(kSide, kSide);
                tiles.markBox(QRectF(corner + QPoint(5, 5), QSizeF(1, 1)), 0);
                EXPECT_EQ(tiles.takeRegion(ratio), shown(corner)) << left << "," << top << " ratio " << ratio;
                tiles.markBox(QRectF(corner + QPoint(5, 5), QSizeF(1, 1)), 0);
                tiles.markBox(QRectF(diagonal + QPoint(5, 5), QSizeF(1, 1)), 0);
                EXPECT_TRUE(tiles.takeRegion(ratio).xored(shown(corner) + shown(diagonal)).isEmpty())
                    << left << "," << top << " ratio " << ratio;
            }
        }
    }
}

}  // namespace
}  // namespace orvalde
