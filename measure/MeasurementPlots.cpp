#include "measure/MeasurementPlots.h"

#include <algorithm>
#include <cmath>

#include "measure/PeriodTheory.h"

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

}  // namespace

const char* BobTitle(BobKind bob, const Translator& language) {
    switch (bob) {
        case BobKind::Cycloid: return language.tr("cycloidal");
        case BobKind::Exact: return language.tr("exact circular");
        case BobKind::Circular: return language.tr("integrated circular");
    }
    return "?";
}

PlotModel PeriodPlot(const Measurements& m, const Translator& language, double stringLength) {
    PlotModel plot;
    plot.title = language.tr("Period against release height");
    plot.decimalSeparator = language.decimalSeparator();
    const double top = stringLength / 2;  // the pivot's height above the lowest point

    PlotSeries cycloidTheory{language.tr("cycloid, theory"), kCycloidColour, SeriesStyle::Line, {}};
    PlotSeries circularTheory{language.tr("circle, theory"), kExactColour, SeriesStyle::Line, {}};
    const double flat = CycloidPeriod(stringLength);
    cycloidTheory.points = {{0, flat}, {top, flat}};
    constexpr int kSteps = 80;
    for (int i = 0; i <= kSteps; ++i) {
        const double h = top * i / kSteps;
        const double angle = CircularReleaseAngle(stringLength, stringLength, h);
        circularTheory.points.push_back({h, CircularPeriod(stringLength, angle)});
    }

    PlotSeries runs[kBobCount] = {
        {language.tr("cycloid, runs"), kCycloidColour, SeriesStyle::Dots, {}},
        {language.tr("exact circle, runs"), kExactColour, SeriesStyle::Dots, {}},
        {language.tr("integrated circle, runs"), kCircularColour, SeriesStyle::Squares, {}},
    };
    for (const SessionRun& r : m.session) {
        if (r.periods > 0) runs[static_cast<int>(r.bob)].points.push_back({r.release.height, r.meanPeriod});
    }
    PlotSeries sweepCycloid{language.tr("cycloid, all heights"), kCycloidColour, SeriesStyle::Triangles, {}};
    PlotSeries sweepExact{language.tr("exact circle, all heights"), kExactColour, SeriesStyle::Triangles, {}};
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
    plot.x = NiceAxis(language.tr("release height above the lowest point (m)"), 0, top);
    plot.y = NiceAxis(language.tr("period (s)"), low, high, 6);
    return plot;
}

PlotModel DisplacementPlot(const Measurements& m, const Translator& language) {
    PlotModel plot;
    plot.title = language.tr("Displacement from the lowest point");
    plot.decimalSeparator = language.decimalSeparator();
    double end = 0;
    for (BobKind bob : {BobKind::Cycloid, BobKind::Exact}) {
        if (m.hasRun(bob) && !m.run(bob).trace.empty()) end = std::max(end, m.run(bob).trace.back().time);
    }
    const double begin = std::max(0.0, end - kDisplacementWindow);
    double reach = 1;
    for (BobKind bob : {BobKind::Cycloid, BobKind::Exact}) {
        PlotSeries s{BobTitle(bob, language), ColourOf(bob), SeriesStyle::Line, {}};
        if (m.hasRun(bob)) {
            const auto& trace = m.run(bob).trace;
            const auto first = std::lower_bound(trace.begin(), trace.end(), begin,
                                                [](const DisplacementSample& d, double t) { return d.time < t; });
            const auto from = static_cast<std::size_t>(first - trace.begin());
            const std::size_t stride = (trace.size() - from) / kMaxLinePoints + 1;
            // Every stride-th sample counted from the run's first, not from
            // the window's or from what the trace still keeps: as the window
            // slides and the trace drops its oldest samples, the points still
            // shown stay the same points, and the line keeps its shape
            // instead of shimmering.
            const std::size_t dropped = m.run(bob).traceDropped;
            for (std::size_t i = (dropped + from + stride - 1) / stride * stride - dropped; i < trace.size();
                 i += stride) {
                const DisplacementSample& d = trace[i];
                s.points.push_back({d.time, d.displacement});
                reach = std::max(reach, std::fabs(d.displacement));
            }
        }
        plot.series.push_back(std::move(s));
    }
    plot.x = NiceAxis(language.tr("simulated time (s)"), begin, std::max(begin + 20, end));
    plot.y = NiceAxis(language.tr("horizontal displacement (m)"), -reach, reach, 7);
    return plot;
}

std::vector<std::string> ReadoutLines(const Measurements& m, const Translator& language) {
    std::vector<std::string> lines;
    for (BobKind bob : {BobKind::Cycloid, BobKind::Exact, BobKind::Circular}) {
        if (!m.hasRun(bob)) continue;
        const BobRun& r = m.run(bob);
        const auto passes = static_cast<unsigned long>(r.passes.size());
        const std::string time = language.number(r.time, 1), theory = language.number(r.release.theory, 4);
        if (r.periods > 0) {
            lines.push_back(Fill(
                language.trn(
                    "{bob}: t = {time} s, {passes} pass through the lowest point, period {last} s (last), {mean} s "
                    "(mean), theory {theory} s",
                    "{bob}: t = {time} s, {passes} passes through the lowest point, period {last} s (last), {mean} s "
                    "(mean), theory {theory} s",
                    passes),
                {{"bob", BobTitle(bob, language)},
                 {"time", time},
                 {"passes", std::to_string(passes)},
                 {"last", language.number(r.lastPeriod, 4)},
                 {"mean", language.number(r.meanPeriod(), 4)},
                 {"theory", theory}}));
        } else {
            lines.push_back(
                Fill(language.trn("{bob}: t = {time} s, {passes} pass through the lowest point, theory {theory} s",
                                  "{bob}: t = {time} s, {passes} passes through the lowest point, theory {theory} s",
                                  passes),
                     {{"bob", BobTitle(bob, language)},
                      {"time", time},
                      {"passes", std::to_string(passes)},
                      {"theory", theory}}));
        }
    }
    if (!m.lags.empty()) {
        const LagRecord& lag = m.lags.back();
        lines.push_back(Fill(language.tr("exact circular behind cycloidal at pass {pass}: {seconds} s "
                                         "({fraction} of a period)"),
                             {{"pass", std::to_string(lag.swing)},
                              {"seconds", language.number(lag.seconds, 3)},
                              {"fraction", language.number(lag.fraction, 3)}}));
    }
    return lines;
}

}  // namespace orvalde
