// The smaller copy of the drawing shown beside the panel: kept up to date
// rectangle by rectangle it must equal a copy made afresh, and it must stay
// sharp (a thin line neither vanishes nor smears) and true (a plain area
// keeps its exact colour).

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "surface/raster/RectBands.h"
#include "surface/raster/ScaledCopy.h"

namespace orvalde {
namespace {

constexpr std::uint32_t kWhite = 0xffffffffu, kBlack = 0xff000000u;

TEST(ScaledCopy, UpdatedWhereTheDrawingChangedEqualsAFreshCopy) {
    std::mt19937 random(17);
    const auto pick = [&](int low, int high) { return std::uniform_int_distribution<>(low, high)(random); };
    for (double scale : {0.7, 0.5, 0.33, 0.93, 0.123}) {
        PixelImage source(301, 197, kWhite, ChannelOrder::Bgrx);  // odd sizes: a last, partly covered pixel
        for (std::uint32_t& p : const_cast<std::vector<std::uint32_t>&>(source.pixels())) p = 0xff000000u | random();
        ScaledCopy kept;
        kept.reset(source, scale);
        // Changes one at a time, then many at once as a tick gives them:
        // overlapping, touching, partly outside.
        std::vector<PixelRect> tick;
        for (int change = 0; change < 80; ++change) {
            const PixelRect r{pick(-20, 300), pick(-20, 196), pick(1, 60), pick(1, 60)};
            for (int y = std::max(r.y, 0); y < std::min(r.y + r.height, source.height()); ++y) {
                for (int x = std::max(r.x, 0); x < std::min(r.x + r.width, source.width()); ++x) {
                    source.row(y)[x] = 0xff000000u | random();
                }
            }
            if (change < 40) {
                kept.update(source, r);
                continue;
            }
            tick.push_back(r);
            if (tick.size() == 8) {
                const std::vector<PixelRect> redone = kept.update(source, tick);
                const auto area = [](const std::vector<PixelRect>& rects) {
                    long sum = 0;
                    for (const PixelRect& r : rects) sum += static_cast<long>(r.width) * r.height;
                    return sum;
                };
                EXPECT_EQ(area(redone), area(UnionAsBands(redone))) << "each pixel redone once";
                tick.clear();
            }
        }
        ScaledCopy fresh;
        fresh.reset(source, scale);
        ASSERT_EQ(kept.image().width(), static_cast<int>(std::ceil(301 * scale))) << scale;
        EXPECT_TRUE(kept.image().pixels() == fresh.image().pixels()) << scale;
        EXPECT_TRUE(kept.update(source, {400, 0, 10, 10}).empty());
    }
}

// Each pixel of the union once, in the form a region takes as it is: bands
// from top to bottom whose rectangles share top and height, left to right,
// apart.
TEST(RectBands, NameEachPixelOfTheUnionOnceInBands) {
    std::mt19937 random(3);
    const auto pick = [&](int low, int high) { return std::uniform_int_distribution<>(low, high)(random); };
    for (int trial = 0; trial < 30; ++trial) {
        std::vector<PixelRect> rects;
        for (int i = pick(0, 25); i > 0; --i) rects.push_back({pick(-5, 60), pick(-5, 60), pick(0, 20), pick(0, 20)});
        const std::vector<PixelRect> bands = UnionAsBands(rects);
        for (int y = -5; y < 80; ++y) {
            for (int x = -5; x < 80; ++x) {
                const auto in = [&](const PixelRect& r) { return r.contains(x, y); };
                const bool wanted = std::any_of(rects.begin(), rects.end(), in);
                ASSERT_EQ(std::count_if(bands.begin(), bands.end(), in), wanted ? 1 : 0)
                    << trial << ": " << x << "," << y;
            }
        }
        for (std::size_t i = 0; i < bands.size(); ++i) {
            const PixelRect& r = bands[i];
            EXPECT_FALSE(r.empty());
            if (i == 0) continue;
            const PixelRect& p = bands[i - 1];
            if (r.y == p.y) {
                EXPECT_EQ(r.height, p.height);
                EXPECT_GT(r.x, p.x + p.width) << "apart, not touching";
            } else {
                EXPECT_GE(r.y, p.y + p.height);
            }
        }
    }
}

TEST(ScaledCopy, KeepsPlainAreasExactAndThinLinesSharp) {
    PixelImage source(200, 100, kWhite, ChannelOrder::Bgrx);
    for (int y = 0; y < 100; ++y) source.row(y)[101] = kBlack;  // a one-pixel line
    for (double scale : {0.7, 0.5, 0.25}) {
        ScaledCopy copy;
        copy.reset(source, scale);
        const PixelImage& image = copy.image();
        EXPECT_EQ(image.at(0, 0), kWhite) << scale;
        EXPECT_EQ(image.at(image.width() - 1, image.height() - 1), kWhite) << scale;
        int ink = 0, touched = 0;
        for (int x = 0; x < image.width(); ++x) {
            const int grey = static_cast<int>(image.at(x, image.height() / 2) & 0xff);
            ink += 255 - grey;
            if (grey < 255) ++touched;
            EXPECT_EQ(image.at(x, 5), image.at(x, image.height() / 2)) << "the line is the same all down";
        }
        // All of its ink is there (a source pixel's worth, where a sampling
        // filter loses part or all of it) and in one place.
        EXPECT_LE(touched, 2) << scale;
        EXPECT_NEAR(ink, 255 * scale, 2) << scale;
    }
}

}  // namespace
}  // namespace orvalde
