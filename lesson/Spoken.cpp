#include "lesson/Spoken.h"

#include <cmath>
#include <cstdio>

#include "lesson/Lesson.h"
#include "lesson/Shown.h"
#include "measure/MeasurementPlots.h"

namespace orvalde {
namespace {

std::string Metres(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", std::abs(value) < 0.05 ? 0.0 : value);
    return text;
}

std::string Seconds(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

std::string Where(const BobRun& run) {
    if (run.trace.empty()) return Shown("at its start");
    const double d = run.trace.back().displacement;
    if (std::abs(d) < 0.05) return Shown("at its lowest point");
    return Metres(std::abs(d)) + " m " + Shown(d < 0 ? "left of its lowest point" : "right of its lowest point");
}

std::string Capitalised(std::string text) {
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') text[0] = static_cast<char>(text[0] - 'a' + 'A');
    return text;
}

std::string BobSentence(const Measurements& m, BobKind bob, bool running) {
    const std::string title = Capitalised(std::string(BobTitle(bob)) + " " + Shown("pendulum"));
    if (!m.hasRun(bob)) return "";
    const BobRun& run = m.run(bob);
    return title + (running ? Shown(" swinging, bob ") : Shown(" stopped, bob ")) + Where(run) + ". ";
}

}  // namespace

std::string DrawingName() { return Shown("Cycloidal and circular pendulums"); }

std::string DescribeDrawing(const Lesson& lesson) {
    const Measurements& m = lesson.measurements();
    std::string text = Shown(
        "A cycloidal pendulum whose string wraps on two cheeks, with a circular pendulum of "
        "the same length beside it. ");
    const bool cycloid = lesson.cycloidRunning();
    text += BobSentence(m, BobKind::Cycloid, cycloid);
    text += BobSentence(m, BobKind::Exact, cycloid);
    text += BobSentence(m, BobKind::Circular, lesson.circularRunning());
    if (!m.hasRun(BobKind::Cycloid) && !m.hasRun(BobKind::Circular)) {
        text += Shown("Nothing moves yet; the bob starts ") +
                ReleaseHeightText(lesson.form().sim(), lesson.barValue()) + ".";
    }
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

std::string MeasurementsSummary(const Measurements& m) {
    std::string text;
    for (BobKind bob : {BobKind::Cycloid, BobKind::Exact, BobKind::Circular}) {
        if (!m.hasRun(bob)) continue;
        const BobRun& run = m.run(bob);
        text += Capitalised(std::string(BobTitle(bob)) + " " + Shown("pendulum")) + ": ";
        if (run.periods > 0) text += Shown("period ") + Seconds(run.meanPeriod()) + " s, ";
        text += Shown("theory ") + Seconds(run.release.theory) + " s. ";
    }
    if (!text.empty()) text.pop_back();
    return text;
}

std::string ReleaseHeightText(const Simulation& sim, int value) {
    const double a = sim.constants.circleRadius;
    if (a <= 0) return "";
    return Metres(a * std::cos(value / a) + a) + Shown(" m above the lowest point");
}

namespace {

std::string Point(const PlotPoint& p) {
    char text[64];
    std::snprintf(text, sizeof text, "(%.3g, %.4g)", p.x, p.y);
    return text;
}

}  // namespace

std::string PlotText(const PlotModel& plot) {
    constexpr std::size_t kMostPoints = 30;
    std::string text = plot.title + ": " + plot.y.label + Shown(" against ") + plot.x.label + ".";
    for (const PlotSeries& s : plot.series) {
        std::vector<PlotPoint> points;
        for (const PlotPoint& p : s.points) {
            if (std::isfinite(p.x) && std::isfinite(p.y)) points.push_back(p);
        }
        if (points.empty()) continue;
        text += " " + s.name + ": ";
        if (s.style == SeriesStyle::Line) {
            text += Shown("line from ") + Point(points.front()) + Shown(" to ") + Point(points.back()) + ".";
            continue;
        }
        const std::size_t first = points.size() > kMostPoints ? points.size() - kMostPoints : 0;
        text += std::to_string(points.size()) + Shown(points.size() == 1 ? " point" : " points");
        for (std::size_t i = first; i < points.size(); ++i) text += (i == first ? " " : ", ") + Point(points[i]);
        text += ".";
    }
    return text;
}

std::vector<std::string> ReadoutText(const Measurements& m, const Translator& language) {
    std::vector<std::string> lines = ReadoutLines(m, language);
    if (lines.empty())
        lines.push_back(language.tr("Nothing measured yet: start a pendulum (TIME ON or time on KYKLIKO)."));
    return lines;
}

}  // namespace orvalde
