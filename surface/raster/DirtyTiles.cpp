#include "surface/raster/DirtyTiles.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "surface/raster/PixelMath.h"
#include "surface/raster/RectBands.h"

namespace orvalde {
namespace {

constexpr double kSide = DirtyTiles::kTileSide;

}  // namespace

DirtyTiles::DirtyTiles(int deviceWidth, int deviceHeight) {
    resize(deviceWidth, deviceHeight);
    clear();
}

void DirtyTiles::resize(int deviceWidth, int deviceHeight) {
    width_ = std::max(deviceWidth, 0);
    height_ = std::max(deviceHeight, 0);
    columns_ = (width_ + kTileSide - 1) / kTileSide;
    rows_ = (height_ + kTileSide - 1) / kTileSide;
    marks_.assign(static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_), 0);
    markAll();
}

void DirtyTiles::markAll() {
    std::fill(marks_.begin(), marks_.end(), std::uint8_t{1});
    firstRow_ = 0;
    lastRow_ = rows_ - 1;
}

void DirtyTiles::clear() {
    if (!isEmpty()) {
        std::fill(marks_.begin() + static_cast<std::ptrdiff_t>(firstRow_) * columns_,
                  marks_.begin() + static_cast<std::ptrdiff_t>(lastRow_ + 1) * columns_, std::uint8_t{0});
    }
    firstRow_ = rows_;
    lastRow_ = -1;
}

std::vector<PixelRect> DirtyTiles::takeRects(double devicePixelRatio) {
    std::vector<PixelRect> rects;
    if (isEmpty()) return rects;
    const double ratio = devicePixelRatio;
    const int first = firstRow_, last = lastRow_;

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
    BandWriter::Runs runs;
    BandWriter writer(rects);
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
        // The same tiles as the band above grow that band downwards.
        if (!runs.empty()) writer.add(top, bottom, runs);
    }
    clear();
    return rects;
}

}  // namespace orvalde
