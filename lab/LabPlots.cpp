#include "lab/LabPlots.h"

#include <algorithm>
#include <cmath>

#include "lab/LabSession.h"
#include "lab/LabTexts.h"
#include "lab/RaceReport.h"

namespace orvalde {
namespace {

constexpr std::size_t kMaxPoints = 120;  // per series: a point every four pixels or so

const char* TrackWord(const LabSession& session, Track track) {
    return labtext::TrackWord(track == Track::Cycloid, session.language());
}

template <class Pick>
PlotModel MotionPlot(const LabSession& session, std::string title, std::string xLabel, std::string yLabel, Pick pick) {
    const Track track = session.selection().track;
    PlotModel plot;
    plot.title = std::move(title) + " (" + TrackWord(session, track) + ")";
    double xl = 0, xh = 0, yl = 0, yh = 0;
    bool any = false;
    for (std::size_t i = 0; i < session.race().bobCount(); ++i) {
        const auto& samples = session.history(track, i);
        PlotSeries series{std::to_string(i + 1), BobColour(i), SeriesStyle::Line, {}};
        const std::size_t stride = samples.size() / kMaxPoints + 1;
        for (std::size_t j = 0; j < samples.size(); j += stride) {
            const PlotPoint p = pick(samples[j]);
            series.points.push_back(p);
            xl = any ? std::min(xl, p.x) : p.x;
            xh = any ? std::max(xh, p.x) : p.x;
            yl = any ? std::min(yl, p.y) : p.y;
            yh = any ? std::max(yh, p.y) : p.y;
            any = true;
        }
        if (!samples.empty() && (samples.size() - 1) % stride != 0) series.points.push_back(pick(samples.back()));
        plot.series.push_back(std::move(series));
    }
    plot.x = NiceAxis(std::move(xLabel), xl, xh, 6);
    plot.y = NiceAxis(std::move(yLabel), yl, yh, 6);
    return plot;
}

}  // namespace

PlotModel DisplacementPlot(const LabSession& session) {
    const Translator& language = session.language();
    PlotModel plot = MotionPlot(session, language.tr(labtext::kDisplacementTitle), language.tr(labtext::kTimeAxis),
                                language.tr(labtext::kDisplacementAxis), [](const MotionSample& s) {
                                    return PlotPoint{s.time, s.displacement};
                                });
    // Time from 0, at least past the arrival.
    const double reach = session.race().parameters().length * 1.05;
    if (plot.series.empty() || plot.series[0].points.size() < 2) {
        plot.x = NiceAxis(plot.x.label, 0, 5, 6);
        plot.y = NiceAxis(plot.y.label, -reach, 0, 6);
    } else {
        plot.x = NiceAxis(plot.x.label, 0, std::max(plot.x.max, 1.0), 6);
    }
    return plot;
}

PlotModel PhasePlot(const LabSession& session) {
    const Translator& language = session.language();
    PlotModel plot = MotionPlot(session, language.tr(labtext::kPhaseTitle), language.tr(labtext::kDisplacementAxis),
                                language.tr(labtext::kVelocityAxis), [](const MotionSample& s) {
                                    return PlotPoint{s.displacement, s.velocity};
                                });
    if (plot.series.empty() || plot.series[0].points.size() < 2) {
        const double reach = session.race().parameters().length;
        plot.x = NiceAxis(plot.x.label, -reach, reach, 6);
        plot.y = NiceAxis(plot.y.label, -1, 1, 6);
    }
    return plot;
}

void AppendEnergyBars(LabLayers& layers, const PixelBox& area, const LabSession& session, double t) {
    const Selection sel = session.selection();
    const Race& race = session.race();
    const auto& bobs = race.bobs(sel.track);
    if (sel.bob >= bobs.size()) return;
    const BobEnergy e = race.energy(bobs[sel.bob]);
    const double start = race.parameters().mass * race.parameters().gravity * bobs[sel.bob].height;

    const Translator& language = session.language();
    PlotModel frame;
    frame.title = Fill(language.tr(labtext::kEnergyTitle), {{"bob", std::to_string(sel.bob + 1)}}) + " (" +
                  TrackWord(session, sel.track) + ")";
    // The total stays the energy at release (friction's share counted in
    // it): the scale does not move while the bob does.
    frame.y = NiceAxis(language.tr(labtext::kEnergyAxis), 0, start * 1.02, 6);
    frame.x = {"", 0, 4, {}};
    const std::optional<PixelBox> inside = AppendPlot(layers, area, frame, t, language);
    if (!inside) return;

    const PixelBox& box = *inside;
    const struct {
        const char* name;
        double value;
        Rgb colour;
    } bars[] = {{labtext::kKinetic, e.kinetic, {214, 39, 40}},
                {labtext::kPotential, e.potential, {31, 119, 180}},
                {labtext::kDissipated, e.dissipated, {140, 86, 75}},
                {labtext::kTotal, e.total(), {60, 60, 60}}};
    const double slot = box.width / 4;
    // The bars stand on the frame's bottom line (1.5 pixels wide), not over it.
    const double floor = box.y + box.height - 0.75;
    for (int i = 0; i < 4; ++i) {
        const double h = std::clamp(bars[i].value / frame.y.max, 0.0, 1.0) * (box.height - 0.75);
        const double x = box.x + slot * i + slot * 0.18;
        layers.moving.rects.push_back({{x, floor - h, slot * 0.64, h}, bars[i].colour, true, {}, 0});
        // Every other name a line lower, so that longer names (in some languages) do not run together.
        const double below = i % 2 ? t * 1.9 : t * 0.8;
        layers.still.texts.push_back({{x + slot * 0.32, box.y + box.height + below},
                                      language.tr(bars[i].name),
                                      t * 0.85,
                                      {25, 25, 35},
                                      TextAlign::Centre,
                                      false,
                                      false});
    }
}

}  // namespace orvalde
