#include "surface/raster/DirtyTiles.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "surface/raster/PixelMath.h"

namespace orvalde {
namespace {

constexpr double kSide = DirtyTiles::kTileSide;

}  // namespace

DirtyTiles::DirtyTiles(int deviceWidth, int deviceHeight) {
    resize(deviceWidth, deviceHeight);
    exact_.clear();
}

void DirtyTiles::resize(int deviceWidth, int deviceHeight) {
    width_ = std::max(deviceWidth, 0);
    height_ = std::max(deviceHeight, 0);
    columns_ = (width_ + kTileSide - 1) / kTileSide;
    rows_ = (height_ + kTileSide - 1) / kTileSide;
    marks_.assign(static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_), 0);
    exact_.resize(width_, height_);
}

void DirtyTiles::markTiles(int first, int last) {
    constexpr int kGroupsPerTile = kTileSide / ChangedGroups::kGroup;
    constexpr int kTilesPerWord = 64 / kGroupsPerTile;
    constexpr std::uint64_t kTileBits = (std::uint64_t{1} << kGroupsPerTile) - 1;
    const int words = exact_.wordsPerRow();
    std::vector<std::uint64_t> merged(static_cast<std::size_t>(words));
    for (int row = first; row <= last; ++row) {
        std::fill(merged.begin(), merged.end(), std::uint64_t{0});
        for (int y = row * kTileSide; y < std::min((row + 1) * kTileSide, height_); ++y) {
            const std::uint64_t* bits = exact_.row(y);
            for (int w = 0; w < words; ++w) merged[static_cast<std::size_t>(w)] |= bits[w];
        }
        std::uint8_t* marks = marks_.data() + static_cast<std::ptrdiff_t>(row) * columns_;
        for (int w = 0; w < words; ++w) {
            const std::uint64_t bits = merged[static_cast<std::size_t>(w)];
            if (!bits) continue;
            for (int i = 0; i < kTilesPerWord && w * kTilesPerWord + i < columns_; ++i)
                marks[w * kTilesPerWord + i] = (bits >> (i * kGroupsPerTile) & kTileBits) != 0;
        }
    }
}

void DirtyTiles::clearTiles(int first, int last) {
    std::fill(marks_.begin() + static_cast<std::ptrdiff_t>(first) * columns_,
              marks_.begin() + static_cast<std::ptrdiff_t>(last + 1) * columns_, std::uint8_t{0});
}

std::vector<PixelRect> DirtyTiles::takeRects(double devicePixelRatio, ChangedGroups* exact) {
    std::vector<PixelRect> rects;
    const bool empty = isEmpty();
    const int first = empty ? 0 : exact_.firstRow() / kTileSide, last = empty ? -1 : exact_.lastRow() / kTileSide;
    markTiles(first, last);
    if (exact) {
        std::swap(exact_, *exact);
        if (exact_.width() != width_ || exact_.height() != height_) exact_.resize(width_, height_);
    }
    exact_.clear();
    if (empty) return rects;
    const double ratio = devicePixelRatio;

    // Each tile row covers these logical rows. With a fractional ratio the
    // bands of neighbouring tile rows share a logical row, so the rectangles
    // are built from the pieces between all band edges, each with the tiles of
    // every tile row that covers it.
    std::vector<int> tops, bottoms, edges;
    for (int row = first; row <= last; ++row) {
        tops.push_back(floorToInt(row * kSide / ratio));
        bottoms.push_back(ceilToInt(std::min((row + 1) * kSide, static_cast<double>(height_)) / ratio));
        edges.push_back(tops.back());
        edges.push_back(bottoms.back());
    }
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());

    std::vector<std::uint8_t> merged(static_cast<std::size_t>(columns_));
    std::vector<std::pair<int, int>> runs, previousRuns;
    std::size_t previousBand = 0;
    int previousBottom = -1;
    int low = 0, high = -1;  // the tile rows, less `first`, covering the piece
    const int count = last - first + 1;
    for (std::size_t e = 0; e + 1 < edges.size(); ++e) {
        const int top = edges[e], bottom = edges[e + 1];
        while (low < count && bottoms[static_cast<std::size_t>(low)] <= top) ++low;
        while (high + 1 < count && tops[static_cast<std::size_t>(high + 1)] < bottom) ++high;
        if (low > high) continue;
        const std::uint8_t* marks = marks_.data() + static_cast<std::ptrdiff_t>(first + low) * columns_;
        if (high > low) {
            std::fill(merged.begin(), merged.end(), std::uint8_t{0});
            for (int row = low; row <= high; ++row) {
                const std::uint8_t* rowMarks = marks_.data() + static_cast<std::ptrdiff_t>(first + row) * columns_;
                for (int c = 0; c < columns_; ++c) merged[static_cast<std::size_t>(c)] |= rowMarks[c];
            }
            marks = merged.data();
        }

        runs.clear();
        for (int c = 0; c < columns_;) {
            if (!marks[c]) {
                ++c;
                continue;
            }
            const int runStart = c;
            while (c < columns_ && marks[c]) ++c;
            const int left = floorToInt(runStart * kSide / ratio);
            const int right = ceilToInt(std::min(c * kSide, static_cast<double>(width_)) / ratio);
            if (!runs.empty() && left <= runs.back().second)
                runs.back().second = right;  // rounding made the two meet
            else
                runs.emplace_back(left, right);
        }
        if (runs.empty()) continue;

        if (top == previousBottom && runs == previousRuns) {
            // The same tiles as the band above: that band grows downwards.
            for (std::size_t i = previousBand; i < rects.size(); ++i) rects[i].height = bottom - rects[i].y;
        } else {
            previousBand = rects.size();
            for (const auto& [left, right] : runs) rects.push_back({left, top, right - left, bottom - top});
            std::swap(runs, previousRuns);
        }
        previousBottom = bottom;
    }
    clearTiles(first, last);
    return rects;
}

}  // namespace orvalde
