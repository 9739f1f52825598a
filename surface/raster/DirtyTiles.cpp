#include "surface/raster/DirtyTiles.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

#include "surface/raster/PixelMath.h"

namespace orvalde {
namespace {

constexpr double kSide = DirtyTiles::kTileSide;
// Arcs that start this many radians out have lost their angle to rounding:
// such an arc marks its whole circle.
constexpr double kAngleLimit = 1e6;

// The tile along one axis that holds coordinate v, as -1 before the first
// and `count` after the last; far and NaN values included.
int tileOf(double v, int count) {
    if (!(v >= 0)) return -1;
    if (v >= count * kSide) return count;
    return static_cast<int>(v * (1.0 / kSide));
}

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

void DirtyTiles::markSpan(int firstRow, int lastRow, double left, double right) {
    if (!(left <= right)) return;
    firstRow = std::max(firstRow, 0);
    lastRow = std::min(lastRow, rows_ - 1);
    const int first = std::max(tileOf(left, columns_), 0);
    const int last = std::min(tileOf(right, columns_), columns_ - 1);
    if (firstRow > lastRow || first > last) return;
    for (int row = firstRow; row <= lastRow; ++row) {
        std::uint8_t* marks = marks_.data() + static_cast<std::ptrdiff_t>(row) * columns_;
        for (int c = first; c <= last; ++c) marks[c] = 1;  // a tile or two, mostly
    }
    firstRow_ = std::min(firstRow_, firstRow);
    lastRow_ = std::max(lastRow_, lastRow);
}

void DirtyTiles::markBox(const DeviceBox& box, double pad) {
    markSpan(tileOf(box.top - pad, rows_), tileOf(box.bottom + pad, rows_), box.left - pad, box.right + pad);
}

void DirtyTiles::markSegment(DevicePoint a, DevicePoint b, double pad) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double left = std::min(a.x, b.x) - pad, right = std::max(a.x, b.x) + pad;
    const int firstRow = std::max(tileOf(std::min(a.y, b.y) - pad, rows_), 0);
    const int lastRow = std::min(tileOf(std::max(a.y, b.y) + pad, rows_), rows_ - 1);
    // Most segments are a few pixels long: their padded box is about as
    // small as their neighbourhood.
    if (firstRow >= lastRow || (std::abs(dx) <= kSide && std::abs(dy) <= kSide)) {
        markSpan(firstRow, lastRow, left, right);
        return;
    }
    for (int row = firstRow; row <= lastRow; ++row) {
        // A pixel of this row within `pad` of the segment is within `pad`
        // across of the part of the segment in the row widened by `pad`.
        double enter = (row * kSide - pad - a.y) / dy;
        double leave = ((row + 1) * kSide + pad - a.y) / dy;
        if (enter > leave) std::swap(enter, leave);
        const double t0 = std::max(0.0, enter), t1 = std::min(1.0, leave);
        if (!(t0 <= t1)) continue;
        const double x0 = a.x + t0 * dx, x1 = a.x + t1 * dx;
        markSpan(row, row, std::min(x0, x1) - pad, std::max(x0, x1) + pad);
    }
}

void DirtyTiles::markRing(DevicePoint centre, double inner, double outer, const DeviceBox& within) {
    const double cx = centre.x, cy = centre.y;
    const int last = std::min(tileOf(std::min(cy + outer, within.bottom), rows_), rows_ - 1);
    for (int row = std::max(tileOf(std::max(cy - outer, within.top), rows_), 0); row <= last; ++row) {
        const double above = row * kSide - cy, below = (row + 1) * kSide - cy;
        const double nearest = above <= 0 && below >= 0 ? 0 : std::min(std::abs(above), std::abs(below));
        const double farthest = std::max(std::abs(above), std::abs(below));
        if (nearest > outer) continue;
        // The ring within this row lies between half-widths `hole` and `reach`
        // on either side of the centre.
        const double reach = std::sqrt(outer * outer - nearest * nearest);
        const double hole = inner > farthest ? std::sqrt(inner * inner - farthest * farthest) : 0;
        markSpan(row, row, std::max(cx - reach, within.left), std::min(cx - hole, within.right));
        markSpan(row, row, std::max(cx + hole, within.left), std::min(cx + reach, within.right));
    }
}

void DirtyTiles::markArc(DevicePoint centre, double radius, double start, double span, double pad) {
    const double inner = radius - pad, outer = radius + pad;
    constexpr double kQuarter = std::numbers::pi / 2;
    if (span >= 4 * kQuarter || !(std::abs(start) < kAngleLimit)) {
        markRing(centre, inner, outer, {centre.x - outer, centre.y - outer, centre.x + outer, centre.y + outer});
        return;
    }
    // Within one quarter turn the arc runs one way in x and one way in y, so
    // its ends bound it; each piece marks the ring inside that box.
    const double end = start + span;
    const double firstQuarter = std::floor(start / kQuarter);
    for (int k = 0; k <= 5; ++k) {
        const double from = std::max(start, (firstQuarter + k) * kQuarter);
        const double to = std::min(end, (firstQuarter + k + 1) * kQuarter);
        if (from > end) break;
        if (from > to) continue;
        const DevicePoint p{centre.x + radius * std::cos(from), centre.y - radius * std::sin(from)};
        const DevicePoint q{centre.x + radius * std::cos(to), centre.y - radius * std::sin(to)};
        const DeviceBox box =
            DeviceBox{std::min(p.x, q.x), std::min(p.y, q.y), std::max(p.x, q.x), std::max(p.y, q.y)}.padded(pad);
        markRing(centre, inner, outer, box);
    }
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
    clear();
    return rects;
}

}  // namespace orvalde
