#include "surface/raster/ScaledCopy.h"

#include <algorithm>
#include <cmath>

#include "surface/raster/RectBands.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace orvalde {
namespace {

// Each channel times a weight of at most 256, the weights of one pixel adding
// up to 256, plus 128 for rounding: the sum never leaves 16 bits, so every
// channel is summed in its own 16-bit lane. On vectors eight lanes (two
// pixels) go at once; elsewhere two channels share a 32-bit word.
constexpr std::uint32_t kLanes = 0x00FF00FF;
#if defined(__SSE2__)
// The most source rows averaged on vectors: enough for a copy a twentieth
// of the size (the smallest the panel makes); more go the slow way.
constexpr int kMostRows = 22;
#endif

struct Sum {
    std::uint32_t rb = 0x00800080, ag = 0x00800080;  // rounding
    void add(std::uint32_t pixel, std::uint32_t weight) {
        rb += (pixel & kLanes) * weight;
        ag += ((pixel >> 8) & kLanes) * weight;
    }
    std::uint32_t pixel() const { return ((rb >> 8) & kLanes) | (ag & ~kLanes); }
};

#if defined(__SSE2__)
// Four pixels of the rows averaged down; Rows > 0 fixes their number at
// compile time (the common few), 0 takes `count`.
template <int Rows>
void AverageRowsOnVectors(const std::uint32_t* const* rows, const __m128i* w, int count, std::size_t vectors,
                          std::uint32_t* out) {
    const int n = Rows > 0 ? Rows : count;
    const __m128i zero = _mm_setzero_si128(), half = _mm_set1_epi16(128);
    for (std::size_t x = 0; x < vectors; x += 4) {
        __m128i low = half, high = half;
        for (int i = 0; i < n; ++i) {
            const __m128i in = _mm_loadu_si128(reinterpret_cast<const __m128i*>(rows[i] + x));
            low = _mm_add_epi16(low, _mm_mullo_epi16(_mm_unpacklo_epi8(in, zero), w[i]));
            high = _mm_add_epi16(high, _mm_mullo_epi16(_mm_unpackhi_epi8(in, zero), w[i]));
        }
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + x),
                         _mm_packus_epi16(_mm_srli_epi16(low, 8), _mm_srli_epi16(high, 8)));
    }
}

// Pixels [left, right) of a row of the copy from its line averaged down (the
// source's pixels from `from` on), two at a time: column c in the low half,
// c + 1 in the high half, each reading Taps (or `taps`) pixels from where it
// starts.
template <int Taps>
void AverageAcrossOnVectors(const std::uint32_t* line, int from, const int* first, const int* pairFirst,
                            const __m128i* weights, int taps, int left, int right, std::uint32_t* out) {
    const int n = Taps > 0 ? Taps : taps;
    const __m128i zero = _mm_setzero_si128(), half = _mm_set1_epi16(128);
    const auto pair = [&](int c) {
        const std::uint32_t* a = line + (first[c] - from);
        const std::uint32_t* b = line + (pairFirst[c + 1] - from);
        const __m128i* w = weights + static_cast<std::ptrdiff_t>(c) * n;
        __m128i sum = half;
        for (int k = 0; k < n; ++k) {
            const __m128i two = _mm_unpacklo_epi32(_mm_cvtsi32_si128(static_cast<int>(a[k])),
                                                   _mm_cvtsi32_si128(static_cast<int>(b[k])));
            sum = _mm_add_epi16(sum, _mm_mullo_epi16(_mm_unpacklo_epi8(two, zero), _mm_load_si128(w + k)));
        }
        return _mm_packus_epi16(_mm_srli_epi16(sum, 8), zero);
    };
    int c = left;
    for (; c + 1 < right; c += 2) _mm_storel_epi64(reinterpret_cast<__m128i*>(out + c), pair(c));
    if (c < right) out[c] = static_cast<std::uint32_t>(_mm_cvtsi128_si32(pair(c)));
}
#endif

// out[x] = the rows' pixels at x averaged with their weights, for x < span;
// on vectors, up to `room` (>= span) when that ends on whole vectors sooner.
void AverageRows(const std::uint32_t* const* rows, const std::uint32_t* weights, int count, std::size_t span,
                 [[maybe_unused]] std::size_t room, std::uint32_t* out) {
    std::size_t x = 0;
#if defined(__SSE2__)
    // Past the span to the next whole vector where the rows go on that far,
    // so that no pixel is left to the slow loop below.
    const std::size_t vectors = count > kMostRows ? 0 : std::min((span + 3) & ~std::size_t{3}, room & ~std::size_t{3});
    __m128i w[kMostRows];
    for (int i = 0; i < count && i < kMostRows; ++i) w[i] = _mm_set1_epi16(static_cast<short>(weights[i]));
    switch (count) {
        case 2: AverageRowsOnVectors<2>(rows, w, count, vectors, out); break;
        case 3: AverageRowsOnVectors<3>(rows, w, count, vectors, out); break;
        case 4: AverageRowsOnVectors<4>(rows, w, count, vectors, out); break;
        default: AverageRowsOnVectors<0>(rows, w, count, vectors, out); break;
    }
    x = vectors;
#endif
    for (; x < span; ++x) {
        Sum sum;
        for (int i = 0; i < count; ++i) sum.add(rows[i][x], weights[i]);
        out[x] = sum.pixel();
    }
}

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
    // Pixels of the copy only move right with the source pixels they cover.
    taps.lowest.assign(static_cast<std::size_t>(std::max(sourceSize, 0)), size);
    taps.highest.assign(static_cast<std::size_t>(std::max(sourceSize, 0)), 0);
    for (int t = 0; t < size; ++t) {
        const auto ti = static_cast<std::size_t>(t);
        for (int i = std::max(taps.first[ti], 0); i < std::min(taps.first[ti] + taps.count[ti], sourceSize); ++i) {
            const auto ii = static_cast<std::size_t>(i);
            taps.lowest[ii] = std::min(taps.lowest[ii], t);
            taps.highest[ii] = std::max(taps.highest[ii], t + 1);
        }
    }
    return taps;
}

void ScaledCopy::Taps::covering(int from, int to, int* lo, int* hi) const {
    *lo = lowest[static_cast<std::size_t>(from)];
    *hi = highest[static_cast<std::size_t>(to - 1)];
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
    makePairs();
    // Across, pixels go in pairs that read `widest_` source pixels each,
    // those past a column's own with no weight: room for them, with values.
    line_.assign(static_cast<std::size_t>(sourceWidth_) + static_cast<std::size_t>(widest_) + 4, 0);
    int tallest = 1;
    for (const int count : rows_.count) tallest = std::max(tallest, count);
    rowsRead_.assign(static_cast<std::size_t>(tallest), nullptr);
    copy_ = PixelImage(columns_.size(), rows_.size(), 0, source.channelOrder());
    const PixelRect all = covering({0, 0, sourceWidth_, sourceHeight_});
    if (!all.empty()) redo(source, &all, 1);
}

PixelRect ScaledCopy::covering(PixelRect changed) const {
    const int x0 = std::max(changed.x, 0), y0 = std::max(changed.y, 0);
    const int x1 = std::min(changed.x + changed.width, sourceWidth_);
    const int y1 = std::min(changed.y + changed.height, sourceHeight_);
    if (x0 >= x1 || y0 >= y1) return {};
    int left, right, top, bottom;
    columns_.covering(x0, x1, &left, &right);
    rows_.covering(y0, y1, &top, &bottom);
    if (left >= right || top >= bottom) return {};
    return {left, top, right - left, bottom - top};
}

PixelRect ScaledCopy::update(const PixelImage& source, PixelRect changed) {
    const PixelRect redone = covering(changed);
    if (!redone.empty()) redo(source, &redone, 1);
    return redone;
}

std::vector<PixelRect> ScaledCopy::update(const PixelImage& source, const std::vector<PixelRect>& changed) {
    std::vector<PixelRect> covered;
    covered.reserve(changed.size());
    for (const PixelRect& r : changed) {
        const PixelRect c = covering(r);
        if (!c.empty()) covered.push_back(c);
    }
    // Neighbouring changes share the copy's pixels along their edges: each
    // is redone once.
    std::vector<PixelRect> bands = UnionAsBands(covered);
    // Pieces of a band a few pixels apart are redone as one: a row costs
    // more to start than those pixels do.
    std::size_t kept = 0;
    for (std::size_t i = 0; i < bands.size(); ++i) {
        PixelRect& last = bands[kept - (kept > 0 ? 1 : 0)];
        if (kept > 0 && bands[i].y == last.y && bands[i].x - (last.x + last.width) <= kJoinedGap) {
            last.width = bands[i].x + bands[i].width - last.x;
        } else {
            bands[kept++] = bands[i];
        }
    }
    bands.resize(kept);
    // A band's rectangles row by row: the source rows they read are read
    // together, while their memory is at hand.
    for (std::size_t i = 0, j = 0; i < bands.size(); i = j) {
        for (j = i + 1; j < bands.size() && bands[j].y == bands[i].y; ++j) {
        }
        redo(source, bands.data() + i, j - i);
    }
    return bands;
}

void ScaledCopy::redo(const PixelImage& source, const PixelRect* parts, std::size_t count) {
    for (int t = parts[0].y; t < parts[0].y + parts[0].height; ++t) {
        for (std::size_t i = 0; i < count; ++i) redoRow(source, t, parts[i].x, parts[i].x + parts[i].width);
    }
}

void ScaledCopy::redoRow(const PixelImage& source, int t, int left, int right) {
    // Down first, over every source column the copy's columns in
    // [left, right) read: the same weights for the whole row, so this runs
    // on vectors. Then across, within that one row.
    const int from = columns_.first[static_cast<std::size_t>(left)];
    const int to =
        columns_.first[static_cast<std::size_t>(right - 1)] + columns_.count[static_cast<std::size_t>(right - 1)];
    const auto span = static_cast<std::size_t>(to - from);
    const auto room = static_cast<std::size_t>(sourceWidth_ - from);
    const auto ti = static_cast<std::size_t>(t);
    const int count = rows_.count[ti];
    for (int i = 0; i < count; ++i) rowsRead_[static_cast<std::size_t>(i)] = source.row(rows_.first[ti] + i) + from;
    AverageRows(rowsRead_.data(), rows_.weight.data() + rows_.offset[ti], count, span, room, line_.data());
    std::uint32_t* out = copy_.row(t);
    int c = left;
#if defined(__SSE2__)
    const std::uint32_t* line = line_.data();
    const int* first = columns_.first.data();
    const int* pairFirst = pairFirst_.data();
    const auto* weights = reinterpret_cast<const __m128i*>(pairWeights_.data());
    switch (widest_) {
        case 2: AverageAcrossOnVectors<2>(line, from, first, pairFirst, weights, widest_, left, right, out); break;
        case 3: AverageAcrossOnVectors<3>(line, from, first, pairFirst, weights, widest_, left, right, out); break;
        case 4: AverageAcrossOnVectors<4>(line, from, first, pairFirst, weights, widest_, left, right, out); break;
        default: AverageAcrossOnVectors<0>(line, from, first, pairFirst, weights, widest_, left, right, out); break;
    }
    c = right;
#endif
    for (; c < right; ++c) {
        const auto ci = static_cast<std::size_t>(c);
        const std::uint32_t* w = columns_.weight.data() + columns_.offset[ci];
        const std::uint32_t* p = line_.data() + (columns_.first[ci] - from);
        Sum sum;
        for (int k = 0; k < columns_.count[ci]; ++k) sum.add(p[k], w[k]);
        out[c] = sum.pixel();
    }
}

void ScaledCopy::makePairs() {
    // For each column, its weights and the next column's, each repeated over
    // a pixel's four channels, padded with zeros to `widest_` taps.
    const int size = columns_.size();
    widest_ = 1;
    for (int c = 0; c < size; ++c) widest_ = std::max(widest_, columns_.count[static_cast<std::size_t>(c)]);
    const auto weightOf = [&](int column, int k) -> std::int16_t {
        if (column >= size || k >= columns_.count[static_cast<std::size_t>(column)]) return 0;
        return static_cast<std::int16_t>(
            columns_.weight[static_cast<std::size_t>(columns_.offset[static_cast<std::size_t>(column)] + k)]);
    };
    pairWeights_.assign(static_cast<std::size_t>(size) * static_cast<std::size_t>(widest_), {});
    for (int c = 0; c < size; ++c) {
        for (int k = 0; k < widest_; ++k) {
            Lanes& lanes = pairWeights_[static_cast<std::size_t>(c) * static_cast<std::size_t>(widest_) +
                                        static_cast<std::size_t>(k)];
            for (int i = 0; i < 4; ++i) {
                lanes.w[i] = weightOf(c, k);
                lanes.w[4 + i] = weightOf(c + 1, k);
            }
        }
    }
    // The column past the last reads where the last does, with no weight.
    pairFirst_ = columns_.first;
    pairFirst_.push_back(size > 0 ? columns_.first.back() : 0);
}

}  // namespace orvalde
