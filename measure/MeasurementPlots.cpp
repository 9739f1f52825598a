#include "measure/MeasurementPlots.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "measure/PeriodTheory.h"
#include "measure/Plural.h"

namespace orvalde {
namespace {

constexpr std::size_t kMaxLinePoints = 500;  // a point every pixel or two across a plot

Rgb ColourOf(BobKind bob) {
    switch (bob) {
        case BobKind::Cycloid: return kCycloidColour;
        case BobKind::Exact: return kExactColour;
        case BobKind::Circular: return kCircularColour;
    }
    return kCycloidColour;
}

void Extend(double v, double& low, double& high) {
    if (!std::isfinite(v)) return;
    low = std::min(low, v);
    high = std::max(high, v);
}

std::string Format(const char* format, double a, double b = 0, double c = 0, double d = 0) {
    char text[160];
    std::snprintf(text, sizeof text, format, a, b, c, d);
    return text;
}

}  // namespace

const char* BobTitle(BobKind bob) {
    switch (bob) {
        case BobKind::Cycloid: return "cycloidal";
        case BobKind::Exact: return "exact circular";
        case BobKind::Circular: return "integrated circular";
    }
    return "?";
}

PlotModel PeriodPlot(const Measurements& m, double stringLength) {
    PlotModel plot;
    plot.title = "Period against release height";
    const double top = stringLength / 2;  // the pivot's height above the lowest point

    PlotSeries cycloidTheory{"cycloid, theory", kCycloidColour, SeriesStyle::Line, {}};
    PlotSeries circularTheory{"circle, theory", kExactColour, SeriesStyle::Line, {}};
    const double flat = CycloidPeriod(stringLength);
    cycloidTheory.points = {{0, flat}, {top, flat}};
    constexpr int kSteps = 80;
    for (int i = 0; i <= kSteps; ++i) {
        const double h = top * i / kSteps;
        const double angle = CircularReleaseAngle(stringLength, stringLength, h);
        circularTheory.points.push_back({h, CircularPeriod(stringLength, angle)});
    }

    PlotSeries runs[kBobCount] = {
        {"cycloid, runs", kCycloidColour, SeriesStyle::Dots, {}},
        {"exact circle, runs", kExactColour, SeriesStyle::Dots, {}},
        {"integrated circle, runs", kCircularColour, SeriesStyle::Squares, {}},
    };
    for (const SessionRun& r : m.session) {
        if (r.periods > 0) runs[static_cast<int>(r.bob)].points.push_back({r.release.height, r.meanPeriod});
    }
    PlotSeries sweepCycloid{"cycloid, all heights", kCycloidColour, SeriesStyle::Triangles, {}};
    PlotSeries sweepExact{"exact circle, all heights", kExactColour, SeriesStyle::Triangles, {}};
    for (const SweepPoint& p : m.sweep) {
        const int c = static_cast<int>(BobKind::Cycloid), e = static_cast<int>(BobKind::Exact);
        if (p.periods[c] > 0) sweepCycloid.points.push_back({p.release[c].height, p.meanPeriod[c]});
        if (p.periods[e] > 0) sweepExact.points.push_back({p.release[e].height, p.meanPeriod[e]});
    }

    plot.series = {cycloidTheory, circularTheory, runs[0], runs[1], runs[2], sweepCycloid, sweepExact};
    double low = flat, high = flat;
    for (const PlotSeries& s : plot.series) {
        for (const PlotPoint& p : s.points) Extend(p.y, low, high);
    }
    plot.x = NiceAxis("release height above the lowest point (m)", 0, top);
    plot.y = NiceAxis("period (s)", low, high, 6);
    return plot;
}

PlotModel DisplacementPlot(const Measurements& m) {
    PlotModel plot;
    plot.title = "Displacement from the lowest point";
    double end = 0;
    for (BobKind bob : {BobKind::Cycloid, BobKind::Exact}) {
        if (m.hasRun(bob) && !m.run(bob).trace.empty()) end = std::max(end, m.run(bob).trace.back().time);
    }
    const double begin = std::max(0.0, end - kDisplacementWindow);
    double reach = 1;
    for (BobKind bob : {BobKind::Cycloid, BobKind::Exact}) {
        PlotSeries s{BobTitle(bob), ColourOf(bob), SeriesStyle::Line, {}};
        if (m.hasRun(bob)) {
            const auto& trace = m.run(bob).trace;
            const auto first = std::lower_bound(trace.begin(), trace.end(), begin,
                                                [](const DisplacementSample& d, double t) { return d.time < t; });
            const std::size_t count = static_cast<std::size_t>(trace.end() - first);
            const std::size_t stride = count / kMaxLinePoints + 1;
            for (std::size_t i = 0; i < count; i += stride) {
                const DisplacementSample& d = first[static_cast<std::ptrdiff_t>(i)];
                s.points.push_back({d.time, d.displacement});
                reach = std::max(reach, std::fabs(d.displacement));
            }
        }
        plot.series.push_back(std::move(s));
    }
    plot.x = NiceAxis("simulated time (s)", begin, std::max(begin + 20, end));
    plot.y = NiceAxis("horizontal displacement (m)", -reach, reach, 7);
    return plot;
}

std::vector<std::string> ReadoutLines(const Measurements& m) {
    std::vector<std::string> lines;
    for (BobKind bob : {BobKind::Cycloid, BobKind::Exact, BobKind::Circular}) {
        if (!m.hasRun(bob)) continue;
        const BobRun& r = m.run(bob);
        std::string line = std::string(BobTitle(bob)) + ": t = " + Format("%.1f s", r.time) + ", " +
                           CountText(static_cast<long long>(r.passes.size()), "pass", "passes") +
                           " through the lowest point";
        if (r.periods > 0) {
            line += Format(", period %.4f s (last), %.4f s (mean), theory %.4f s", r.lastPeriod, r.meanPeriod(),
                           r.release.theory);
        } else {
            line += Format(", theory %.4f s", r.release.theory);
        }
        lines.push_back(line);
    }
    if (!m.lags.empty()) {
        const LagRecord& lag = m.lags.back();
        lines.push_back("exact circular behind cycloidal at pass " + std::to_string(lag.swing) + ": " +
                        Format("%.3f s (%.3f of a period)", lag.seconds, lag.fraction));
    }
    return lines;
}

}  // namespace orvalde
