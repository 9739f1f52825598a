#include "surface/raster/ScaledCopy.h"

#include <algorithm>
#include <cmath>

namespace orvalde {
namespace {

// Two channels of a pixel word, each in its own 16-bit lane, times a weight
// of at most 256: the lanes never carry into each other.
constexpr std::uint32_t kLanes = 0x00FF00FF;

struct Sum {
    std::uint32_t rb = 0x00800080, ag = 0x00800080;  // rounding
    void add(std::uint32_t pixel, std::uint32_t weight) {
        rb += (pixel & kLanes) * weight;
        ag += ((pixel >> 8) & kLanes) * weight;
    }
    std::uint32_t pixel() const { return ((rb >> 8) & kLanes) | (ag & ~kLanes); }
};

}  // namespace

ScaledCopy::Taps ScaledCopy::MakeTaps(int sourceSize, double scale) {
    Taps taps;
    const int size = std::max(1, static_cast<int>(std::ceil(sourceSize * scale - 1e-9)));
    for (int t = 0; t < size; ++t) {
        const double a = t / scale, b = std::min((t + 1) / scale, static_cast<double>(sourceSize));
        const int first = std::min(static_cast<int>(std::floor(a)), sourceSize - 1);
        const int last = std::max(first, std::min(static_cast<int>(std::ceil(b)) - 1, sourceSize - 1));
        taps.first.push_back(first);
        taps.count.push_back(last - first + 1);
        taps.offset.push_back(static_cast<int>(taps.weight.size()));
        std::uint32_t total = 0, heaviest = 0;
        const std::size_t begin = taps.weight.size();
        for (int i = first; i <= last; ++i) {
            const double cover = std::max(0.0, std::min(b, i + 1.0) - std::max(a, static_cast<double>(i)));
            const auto w = static_cast<std::uint32_t>(std::lround(cover / std::max(b - a, 1e-12) * 256));
            taps.weight.push_back(w);
            total += w;
            if (w > taps.weight[begin + heaviest]) heaviest = static_cast<std::uint32_t>(i - first);
        }
        // Rounding must not change the average of a plain area.
        taps.weight[begin + heaviest] += 256 - total;
    }
    return taps;
}

void ScaledCopy::Taps::covering(int from, int to, int* lo, int* hi) const {
    // Pixel t covers source pixels [first[t], first[t] + count[t]); both only grow with t.
    *lo = static_cast<int>(std::upper_bound(first.begin(), first.end(), from, [&](int v, int f) { return v < f; }) -
                           first.begin());
    while (*lo > 0 && first[static_cast<std::size_t>(*lo - 1)] + count[static_cast<std::size_t>(*lo - 1)] > from) --*lo;
    *hi = static_cast<int>(std::lower_bound(first.begin(), first.end(), to) - first.begin());
}

bool ScaledCopy::matches(const PixelImage& source, double scale) const {
    return scale == scale_ && source.width() == sourceWidth_ && source.height() == sourceHeight_;
}

void ScaledCopy::reset(const PixelImage& source, double scale) {
    scale_ = scale;
    sourceWidth_ = source.width();
    sourceHeight_ = source.height();
    columns_ = MakeTaps(sourceWidth_, scale);
    rows_ = MakeTaps(sourceHeight_, scale);
    copy_ = PixelImage(columns_.size(), rows_.size(), 0, source.channelOrder());
    if (sourceWidth_ > 0 && sourceHeight_ > 0) update(source, {0, 0, sourceWidth_, sourceHeight_});
}

PixelRect ScaledCopy::update(const PixelImage& source, PixelRect changed) {
    const int x0 = std::max(changed.x, 0), y0 = std::max(changed.y, 0);
    const int x1 = std::min(changed.x + changed.width, sourceWidth_);
    const int y1 = std::min(changed.y + changed.height, sourceHeight_);
    if (x0 >= x1 || y0 >= y1) return {};
    int left, right, top, bottom;
    columns_.covering(x0, x1, &left, &right);
    rows_.covering(y0, y1, &top, &bottom);
    if (left >= right || top >= bottom) return {};

    // Down first, over every source column the copy's columns in
    // [left, right) read: the same weights for the whole row, so this loop
    // runs on vectors. Then across, within that one row.
    const int from = columns_.first[static_cast<std::size_t>(left)];
    const int to =
        columns_.first[static_cast<std::size_t>(right - 1)] + columns_.count[static_cast<std::size_t>(right - 1)];
    const auto span = static_cast<std::size_t>(to - from);
    const int width = right - left;
    rb_.resize(span);
    ag_.resize(span);
    line_.resize(span);
    for (int t = top; t < bottom; ++t) {
        const auto ti = static_cast<std::size_t>(t);
        std::fill(rb_.begin(), rb_.end(), 0x00800080u);
        std::fill(ag_.begin(), ag_.end(), 0x00800080u);
        for (int i = 0; i < rows_.count[ti]; ++i) {
            const std::uint32_t w = rows_.weight[static_cast<std::size_t>(rows_.offset[ti] + i)];
            const std::uint32_t* __restrict in = source.row(rows_.first[ti] + i) + from;
            std::uint32_t* __restrict rb = rb_.data();
            std::uint32_t* __restrict ag = ag_.data();
            for (std::size_t x = 0; x < span; ++x) {
                rb[x] += (in[x] & kLanes) * w;
                ag[x] += ((in[x] >> 8) & kLanes) * w;
            }
        }
        for (std::size_t x = 0; x < span; ++x) line_[x] = ((rb_[x] >> 8) & kLanes) | (ag_[x] & ~kLanes);
        std::uint32_t* out = copy_.row(t) + left;
        for (int c = left; c < right; ++c) {
            const auto ci = static_cast<std::size_t>(c);
            const std::uint32_t* w = columns_.weight.data() + columns_.offset[ci];
            const std::uint32_t* p = line_.data() + (columns_.first[ci] - from);
            Sum sum;
            for (int k = 0; k < columns_.count[ci]; ++k) sum.add(p[k], w[k]);
            out[c - left] = sum.pixel();
        }
    }
    return {left, top, width, bottom - top};
}

}  // namespace orvalde
