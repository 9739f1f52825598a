#include "measure/PlotModel.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace orvalde {

std::vector<double> NiceTicks(double low, double high, int maxTicks) {
    if (!(high > low)) {
        const double pad = std::fabs(low) > 0 ? std::fabs(low) * 0.1 : 1;
        low -= pad;
        high += pad;
    }
    if (maxTicks < 2) maxTicks = 2;
    // The smallest round step whose ticks around the range fit.
    double power = std::pow(10.0, std::floor(std::log10((high - low) / (maxTicks - 1))));
    double step = 0;
    long long firstIndex = 0, lastIndex = 0;
    for (int guard = 0; step == 0 && guard < 8; ++guard, power *= 10) {
        for (double m : {1.0, 2.0, 5.0}) {
            const double s = m * power;
            firstIndex = static_cast<long long>(std::floor(low / s + 1e-9));
            lastIndex = static_cast<long long>(std::ceil(high / s - 1e-9));
            if (lastIndex - firstIndex <= maxTicks - 1) {
                step = s;
                break;
            }
        }
    }
    std::vector<double> ticks;
    for (long long i = firstIndex; i <= lastIndex; ++i) ticks.push_back(static_cast<double>(i) * step);
    return ticks;
}

PlotAxis NiceAxis(std::string label, double low, double high, int maxTicks) {
    PlotAxis axis;
    axis.label = std::move(label);
    axis.ticks = NiceTicks(low, high, maxTicks);
    axis.min = axis.ticks.front();
    axis.max = axis.ticks.back();
    return axis;
}

std::string TickText(double value, double step, std::string_view decimalSeparator) {
    int decimals = 0;
    while (decimals < 6 && std::fabs(step * std::pow(10.0, decimals) - std::round(step * std::pow(10.0, decimals))) >
                               1e-6 * std::pow(10.0, decimals)) {
        ++decimals;
    }
    if (std::fabs(value) < std::fabs(step) * 1e-9) value = 0;
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    std::string out = text;
    if (const auto dot = out.find('.'); dot != std::string::npos) out.replace(dot, 1, decimalSeparator);
    return out;
}

std::vector<PlotPoint> ThinToColumns(const std::vector<PlotPoint>& points, double xMin, double xMax, double pixels) {
    if (points.size() <= 2 || !(xMax > xMin) || !(pixels >= 1)) return points;
    const double perX = pixels / (xMax - xMin);
    std::vector<PlotPoint> out;
    out.reserve(static_cast<std::size_t>(2 * pixels) + 2);
    out.push_back(points.front());
    std::size_t i = 1;
    while (i + 1 < points.size()) {
        const double column = std::floor((points[i].x - xMin) * perX);
        std::size_t low = i, high = i;
        for (++i; i + 1 < points.size() && std::floor((points[i].x - xMin) * perX) == column; ++i) {
            if (points[i].y < points[low].y) low = i;
            if (points[i].y > points[high].y) high = i;
        }
        out.push_back(points[std::min(low, high)]);
        if (low != high) out.push_back(points[std::max(low, high)]);
    }
    out.push_back(points.back());
    return out;
}

std::vector<PlotPoint> StraightenLine(const std::vector<PlotPoint>& points, double pixelsPerX, double pixelsPerY,
                                      double tolerance) {
    if (points.size() <= 2) return points;
    // A piece grows while every point it replaces stays near it; one piece
    // replaces at most this many, so that the checks stay linear.
    constexpr std::size_t kLongest = 48;
    const auto near = [&](std::size_t from, std::size_t to) {
        const double ax = points[from].x * pixelsPerX, ay = points[from].y * pixelsPerY;
        const double dx = points[to].x * pixelsPerX - ax, dy = points[to].y * pixelsPerY - ay;
        const double length2 = dx * dx + dy * dy;
        for (std::size_t k = from + 1; k < to; ++k) {
            const double px = points[k].x * pixelsPerX - ax, py = points[k].y * pixelsPerY - ay;
            // Distance to the piece, not to its line: a point beyond either
            // end (the line turning back) keeps its place.
            const double t = length2 > 0 ? std::clamp((px * dx + py * dy) / length2, 0.0, 1.0) : 0.0;
            const double ex = px - t * dx, ey = py - t * dy;
            if (!(ex * ex + ey * ey <= tolerance * tolerance)) return false;
        }
        return true;
    };
    std::vector<PlotPoint> out;
    out.push_back(points.front());
    std::size_t from = 0;
    while (from + 1 < points.size()) {
        std::size_t to = from + 1;
        while (to + 1 < points.size() && to + 1 - from <= kLongest && near(from, to + 1)) ++to;
        out.push_back(points[to]);
        from = to;
    }
    return out;
}

LegendCorner PlaceLegend(const PlotModel& plot, double width, double height) {
    const double xSpan = plot.x.max - plot.x.min, ySpan = plot.y.max - plot.y.min;
    if (!(xSpan > 0) || !(ySpan > 0)) return LegendCorner::TopLeft;
    std::array<int, 4> hidden{};
    // Counts a point, in fractions of the frame from its bottom left, in
    // every corner's rectangle it falls in.
    auto count = [&](double u, double v) {
        if (!std::isfinite(u) || !std::isfinite(v)) return;
        const bool left = u <= width, right = u >= 1 - width, top = v >= 1 - height, bottom = v <= height;
        hidden[0] += left && top, hidden[1] += right && top, hidden[2] += right && bottom, hidden[3] += left && bottom;
    };
    // Along a line, samples close enough that a piece crossing a corner is
    // seen there; a dense line needs none between its points.
    const double step = std::min(width, height) / 2;
    if (!(step > 0)) return LegendCorner::TopLeft;
    // A long line is followed through at most 512 of its points: enough to
    // tell corners apart, at a small cost per refresh.
    constexpr std::size_t kMostPoints = 512;
    for (const PlotSeries& s : plot.series) {
        const std::size_t n = s.points.size();
        const bool line = s.style == SeriesStyle::Line;
        const std::size_t stride = line && n > kMostPoints ? (n + kMostPoints - 1) / kMostPoints : 1;
        for (std::size_t i = 0; i < n; i += stride) {
            const double u = (s.points[i].x - plot.x.min) / xSpan, v = (s.points[i].y - plot.y.min) / ySpan;
            count(u, v);
            if (!line || i + 1 == n) continue;
            const std::size_t j = std::min(i + stride, n - 1);
            const double u1 = (s.points[j].x - plot.x.min) / xSpan, v1 = (s.points[j].y - plot.y.min) / ySpan;
            const double pieces = std::ceil(std::hypot(u1 - u, v1 - v) / step);
            const int samples = pieces < 8 ? static_cast<int>(pieces) : 8;  // also when not finite
            for (int k = 1; k < samples; ++k) {
                const double t = static_cast<double>(k) / samples;
                count(u + (u1 - u) * t, v + (v1 - v) * t);
            }
        }
    }
    std::size_t best = 0;
    for (std::size_t c = 1; c < hidden.size(); ++c) {
        if (hidden[c] < hidden[best]) best = c;
    }
    return static_cast<LegendCorner>(best);
}

}  // namespace orvalde
