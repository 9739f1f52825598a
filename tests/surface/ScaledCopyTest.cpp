// The smaller copy of the drawing shown beside the panel: kept up to date
// rectangle by rectangle it must equal a copy made afresh, and it must stay
// sharp (a thin line neither vanishes nor smears) and true (a plain area
// keeps its exact colour).

#include <gtest/gtest.h>

#include <random>

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
        for (int change = 0; change < 40; ++change) {
            const PixelRect r{pick(-20, 300), pick(-20, 196), pick(1, 60), pick(1, 60)};
            for (int y = std::max(r.y, 0); y < std::min(r.y + r.height, source.height()); ++y) {
                for (int x = std::max(r.x, 0); x < std::min(r.x + r.width, source.width()); ++x) {
                    source.row(y)[x] = 0xff000000u | random();
                }
            }
            kept.update(source, r);
        }
        ScaledCopy fresh;
        fresh.reset(source, scale);
        ASSERT_EQ(kept.image().width(), static_cast<int>(std::ceil(301 * scale))) << scale;
        EXPECT_TRUE(kept.image().pixels() == fresh.image().pixels()) << scale;
        EXPECT_TRUE(kept.update(source, {400, 0, 10, 10}).empty());
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
