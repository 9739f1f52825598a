#include "measure/PlotShapes.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace orvalde {
namespace {

// More changed boxes than this are not worth telling apart: one box holds them.
constexpr std::size_t kMostBoxes = 32;

using Piece = std::array<double, 4>;  // from x, y, to x, y

DeviceBox Around(DevicePoint a, DevicePoint b, double reach) {
    return DeviceBox{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)}.padded(reach);
}

DeviceBox Union(const DeviceBox& a, const DeviceBox& b) {
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

// What `a` has and `b` has not, and the other way round; both sorted.
template <typename T>
std::vector<T> Differing(const std::vector<T>& a, const std::vector<T>& b) {
    std::vector<T> out;
    std::set_symmetric_difference(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(out));
    return out;
}

std::vector<Piece> Pieces(const SeriesShape& s) {
    std::vector<Piece> pieces;
    for (std::size_t i = 1; i < s.points.size(); ++i)
        pieces.push_back({s.points[i - 1].x, s.points[i - 1].y, s.points[i].x, s.points[i].y});
    std::sort(pieces.begin(), pieces.end());
    return pieces;
}

std::vector<Piece> Markers(const SeriesShape& s) {
    std::vector<Piece> markers;
    for (const DevicePoint& p : s.points) markers.push_back({p.x, p.y, p.x, p.y});
    std::sort(markers.begin(), markers.end());
    return markers;
}

// Everything either drawing has, in one box; none if neither has anything.
std::vector<DeviceBox> Everything(const std::vector<SeriesShape>& before, const std::vector<SeriesShape>& after,
                                  double lineReach, double markerReach) {
    DeviceBox all;
    bool any = false;
    for (const auto* shapes : {&before, &after}) {
        for (const SeriesShape& s : *shapes) {
            if (s.style == SeriesStyle::Line && s.points.size() < 2) continue;
            const double reach = s.style == SeriesStyle::Line ? lineReach : markerReach;
            for (const DevicePoint& p : s.points) {
                all = any ? Union(all, Around(p, p, reach)) : Around(p, p, reach);
                any = true;
            }
        }
    }
    return any ? std::vector<DeviceBox>{all} : std::vector<DeviceBox>{};
}

}  // namespace

std::vector<SeriesShape> PlotShapes(const PlotModel& plot, const DeviceBox& box, double tolerance) {
    const double width = box.right - box.left, height = box.bottom - box.top;
    const double xSpan = plot.x.max - plot.x.min, ySpan = plot.y.max - plot.y.min;
    const auto at = [&](const PlotPoint& p) {
        return DevicePoint{box.left + (p.x - plot.x.min) / xSpan * width,
                           box.bottom - (p.y - plot.y.min) / ySpan * height};
    };
    std::vector<SeriesShape> shapes;
    for (const PlotSeries& s : plot.series) {
        SeriesShape& shape = shapes.emplace_back(SeriesShape{s.style, s.colour, {}});
        if (s.style != SeriesStyle::Line) {
            for (const PlotPoint& p : s.points) shape.points.push_back(at(p));
        } else if (s.points.size() >= 2) {
            // About one point per pixel column is all a line can show, and
            // where it runs straight a few are enough.
            const std::vector<PlotPoint> shown = StraightenLine(ThinToColumns(s.points, plot.x.min, plot.x.max, width),
                                                                width / xSpan, height / ySpan, tolerance);
            for (const PlotPoint& p : shown) shape.points.push_back(at(p));
        }
    }
    return shapes;
}

std::vector<DeviceBox> ChangedBoxes(const std::vector<SeriesShape>& before, const std::vector<SeriesShape>& after,
                                    double lineReach, double markerReach) {
    if (before.size() != after.size()) return Everything(before, after, lineReach, markerReach);
    for (std::size_t k = 0; k < before.size(); ++k) {
        if (before[k].style != after[k].style || before[k].colour != after[k].colour)
            return Everything(before, after, lineReach, markerReach);
    }
    std::vector<DeviceBox> boxes;
    for (std::size_t k = 0; k < before.size(); ++k) {
        const bool line = before[k].style == SeriesStyle::Line;
        const std::vector<Piece> changed =
            line ? Differing(Pieces(before[k]), Pieces(after[k])) : Differing(Markers(before[k]), Markers(after[k]));
        for (const Piece& p : changed) {
            boxes.push_back(Around({p[0], p[1]}, {p[2], p[3]}, line ? lineReach : markerReach));
            if (boxes.size() > kMostBoxes) return Everything(before, after, lineReach, markerReach);
        }
    }
    // Overlapping boxes become one, until none overlap.
    for (bool merged = true; merged;) {
        merged = false;
        for (std::size_t i = 0; i < boxes.size() && !merged; ++i) {
            for (std::size_t j = i + 1; j < boxes.size(); ++j) {
                if (!boxes[i].intersects(boxes[j])) continue;
                boxes[i] = Union(boxes[i], boxes[j]);
                boxes.erase(boxes.begin() + static_cast<std::ptrdiff_t>(j));
                merged = true;
                break;
            }
        }
    }
    return boxes;
}

}  // namespace orvalde
