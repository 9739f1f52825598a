#include "lesson/Spoken.h"

#include <cmath>
#include <cstdio>
#include <string_view>

#include "lesson/Lesson.h"
#include "lesson/Shown.h"
#include "measure/MeasurementPlots.h"

namespace orvalde {
namespace {

// Metres to a tenth, never "-0.0".
std::string Metres(double value, const Translator& language) {
    return language.number(std::abs(value) < 0.05 ? 0.0 : value, 1);
}

std::string PendulumName(BobKind bob, const Translator& language) {
    switch (bob) {
        case BobKind::Cycloid: return language.tr("Cycloidal pendulum");
        case BobKind::Exact: return language.tr("Exact circular pendulum");
        case BobKind::Circular: return language.tr("Integrated circular pendulum");
    }
    return "";
}

// One whole sentence per state and place, so that each language orders it
// its own way.
std::string BobSentence(const Measurements& m, BobKind bob, bool running, const Translator& language) {
    if (!m.hasRun(bob)) return "";
    const BobRun& run = m.run(bob);
    const char* sentence = nullptr;
    std::string metres;
    if (run.trace.empty()) {
        sentence = running ? language.tr("{pendulum} swinging, bob at its start.")
                           : language.tr("{pendulum} stopped, bob at its start.");
    } else if (const double d = run.trace.back().displacement; std::abs(d) < 0.05) {
        sentence = running ? language.tr("{pendulum} swinging, bob at its lowest point.")
                           : language.tr("{pendulum} stopped, bob at its lowest point.");
    } else {
        metres = Metres(std::abs(d), language);
        if (d < 0) {
            sentence = running ? language.tr("{pendulum} swinging, bob {metres} m left of its lowest point.")
                               : language.tr("{pendulum} stopped, bob {metres} m left of its lowest point.");
        } else {
            sentence = running ? language.tr("{pendulum} swinging, bob {metres} m right of its lowest point.")
                               : language.tr("{pendulum} stopped, bob {metres} m right of its lowest point.");
        }
    }
    return Fill(sentence, {{"pendulum", PendulumName(bob, language)}, {"metres", metres}}) + " ";
}

}  // namespace

std::string DrawingName(const Translator& language) { return language.tr("Cycloidal and circular pendulums"); }

std::string DescribeDrawing(const Lesson& lesson, const Translator& language) {
    const Measurements& m = lesson.measurements();
    std::string text = language.tr(
        "A cycloidal pendulum whose string wraps on two cheeks, with a circular pendulum of the same length "
        "beside it.");
    text += " ";
    const bool cycloid = lesson.cycloidRunning();
    text += BobSentence(m, BobKind::Cycloid, cycloid, language);
    text += BobSentence(m, BobKind::Exact, cycloid, language);
    text += BobSentence(m, BobKind::Circular, lesson.circularRunning(), language);
    if (!m.hasRun(BobKind::Cycloid) && !m.hasRun(BobKind::Circular)) {
        text += Fill(language.tr("Nothing moves yet; the bob starts {height} m above the lowest point."),
                     {{"height", ReleaseHeight(lesson.form().sim(), lesson.barValue(), language)}});
    }
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

std::string MeasurementsSummary(const Measurements& m, const Translator& language) {
    std::string text;
    for (BobKind bob : {BobKind::Cycloid, BobKind::Exact, BobKind::Circular}) {
        if (!m.hasRun(bob)) continue;
        const BobRun& run = m.run(bob);
        if (!text.empty()) text += " ";
        const std::string theory = language.number(run.release.theory, 2);
        if (run.periods > 0) {
            text += Fill(language.tr("{pendulum}: period {period} s, theory {theory} s."),
                         {{"pendulum", PendulumName(bob, language)},
                          {"period", language.number(run.meanPeriod(), 2)},
                          {"theory", theory}});
        } else {
            text += Fill(language.tr("{pendulum}: theory {theory} s."),
                         {{"pendulum", PendulumName(bob, language)}, {"theory", theory}});
        }
    }
    return text;
}

std::string ReleaseHeight(const Simulation& sim, int value, const Translator& language) {
    const double a = sim.constants.circleRadius;
    if (a <= 0) return "";
    return Metres(a * std::cos(value / a) + a, language);
}

std::string ReleaseHeightText(const Simulation& sim, int value, const Translator& language) {
    const std::string height = ReleaseHeight(sim, value, language);
    if (height.empty()) return "";
    return Fill(language.tr("{height} m above the lowest point"), {{"height", height}});
}

namespace {

// A number to `digits` significant digits, as printf's %g, with the
// language's decimal separator.
std::string Significant(double value, int digits, const Translator& language) {
    char text[32];
    std::snprintf(text, sizeof text, "%.*g", digits, value);
    std::string out = text;
    const std::string separator = language.decimalSeparator();
    if (const auto dot = out.find('.'); dot != std::string::npos) out.replace(dot, 1, separator);
    return out;
}

std::string Point(const PlotPoint& p, const Translator& language) {
    // The coordinates' separator must differ from a decimal comma.
    const char* between = std::string_view(language.decimalSeparator()) == "," ? "; " : ", ";
    return "(" + Significant(p.x, 3, language) + between + Significant(p.y, 4, language) + ")";
}

}  // namespace

std::string PlotText(const PlotModel& plot, const Translator& language) {
    constexpr std::size_t kMostPoints = 30;
    std::string text = Fill(language.tr("{title}: {y} against {x}."),
                            {{"title", plot.title}, {"y", plot.y.label}, {"x", plot.x.label}});
    for (const PlotSeries& s : plot.series) {
        std::vector<PlotPoint> points;
        for (const PlotPoint& p : s.points) {
            if (std::isfinite(p.x) && std::isfinite(p.y)) points.push_back(p);
        }
        if (points.empty()) continue;
        if (s.style == SeriesStyle::Line) {
            text += " " +
                    Fill(language.tr("{series}: line from {from} to {to}."), {{"series", s.name},
                                                                              {"from", Point(points.front(), language)},
                                                                              {"to", Point(points.back(), language)}});
            continue;
        }
        const std::size_t first = points.size() > kMostPoints ? points.size() - kMostPoints : 0;
        std::string list;
        for (std::size_t i = first; i < points.size(); ++i)
            list += (i == first ? "" : ", ") + Point(points[i], language);
        text +=
            " " + Fill(language.trn("{series}: {n} point {points}.", "{series}: {n} points {points}.", points.size()),
                       {{"series", s.name}, {"n", std::to_string(points.size())}, {"points", list}});
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
