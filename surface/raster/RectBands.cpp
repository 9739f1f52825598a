#include "surface/raster/RectBands.h"

#include <algorithm>
#include <utility>

namespace orvalde {

std::vector<PixelRect> UnionAsBands(const std::vector<PixelRect>& rects) {
    std::vector<PixelRect> byTop;
    byTop.reserve(rects.size());
    std::vector<int> edges;
    edges.reserve(2 * rects.size());
    for (const PixelRect& r : rects) {
        if (r.empty()) continue;
        byTop.push_back(r);
        edges.push_back(r.y);
        edges.push_back(r.y + r.height);
    }
    std::vector<PixelRect> bands;
    if (byTop.empty()) return bands;
    std::sort(byTop.begin(), byTop.end(), [](const PixelRect& a, const PixelRect& b) { return a.y < b.y; });
    std::sort(edges.begin(), edges.end());
    edges.erase(std::unique(edges.begin(), edges.end()), edges.end());

    // Between two neighbouring edges every rectangle either covers all rows
    // or none: the rows there share one set of runs.
    std::vector<PixelRect> active;
    BandWriter::Runs spans, runs;
    std::size_t next = 0;
    BandWriter writer(bands);
    for (std::size_t e = 0; e + 1 < edges.size(); ++e) {
        const int top = edges[e], bottom = edges[e + 1];
        std::erase_if(active, [top](const PixelRect& r) { return r.y + r.height <= top; });
        while (next < byTop.size() && byTop[next].y <= top) active.push_back(byTop[next++]);
        spans.clear();
        for (const PixelRect& r : active) spans.emplace_back(r.x, r.x + r.width);
        std::sort(spans.begin(), spans.end());
        runs.clear();
        for (const auto& [left, right] : spans) {
            if (!runs.empty() && left <= runs.back().second)
                runs.back().second = std::max(runs.back().second, right);
            else
                runs.emplace_back(left, right);
        }
        if (!runs.empty()) writer.add(top, bottom, runs);
    }
    return bands;
}

void BandWriter::add(int top, int bottom, Runs& runs) {
    if (top == previousBottom_ && runs == previousRuns_) {
        for (std::size_t i = previousBand_; i < bands_.size(); ++i) bands_[i].height = bottom - bands_[i].y;
    } else {
        previousBand_ = bands_.size();
        for (const auto& [left, right] : runs) bands_.push_back({left, top, right - left, bottom - top});
        std::swap(runs, previousRuns_);
    }
    previousBottom_ = bottom;
}

}  // namespace orvalde
