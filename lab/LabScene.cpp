#include "lab/LabScene.h"

#include <algorithm>
#include <cmath>

#include "lab/LabPlots.h"
#include "lab/LabSession.h"
#include "lab/LabTexts.h"
#include "lab/RaceReport.h"
#include "lab/RaceTheory.h"

namespace orvalde {
namespace {

constexpr Rgb kInk{25, 25, 35}, kPanel{248, 248, 252}, kBorder{190, 190, 200}, kPath{70, 70, 80};
constexpr Rgb kGuide{150, 150, 160}, kWhite{255, 255, 255};

bool Light(Rgb c) { return c.red * 299 + c.green * 587 + c.blue * 114 > 150000; }

void Text(LabScene& s, double x, double y, std::string text, double size, TextAlign align = TextAlign::Left,
          bool bold = false, Rgb colour = kInk) {
    s.texts.push_back({{x, y}, std::move(text), size, colour, align, bold, false});
}

double RaceEnd(const Race& race) {
    double end = CycloidArrivalTheory(race.parameters());
    for (Track track : kTracks) {
        for (const RaceBob& bob : race.bobs(track)) {
            if (bob.arrived()) end = std::max(end, bob.arrival);
            if (auto t = CircleArrivalTheory(race.parameters(), bob.height); t && track == Track::Circle)
                end = std::max(end, *t);
        }
    }
    return end;
}

void AppendTrack(LabLayers& layers, const LabSession& session, Track track) {
    LabScene& still = layers.still;
    LabScene& moving = layers.moving;
    const LabLayout& layout = session.layout();
    const TrackView& view = layout.track(track);
    const Race& race = session.race();
    const LabParameters& p = race.parameters();
    const Translator& language = session.language();
    const double t = layout.text;
    still.rects.push_back({view.box, kPanel, true, kBorder, 1});

    Text(still, view.box.x + view.box.width / 2, view.box.y + t * 1.1,
         language.tr(track == Track::Cycloid ? labtext::kCycloidCaption : labtext::kCircleCaption), t * 1.15,
         TextAlign::Centre, true);
    Text(still, view.box.x + view.box.width / 2, view.box.y + t * 2.4,
         "L = " + ShortestNumber(p.length, language) + " m, " + session.gravityText(), t, TextAlign::Centre);
    if (track == Track::Cycloid)
        Text(moving, view.box.x + 10, view.box.y + t * 1.1, "t = " + language.number(race.time(), 2) + " s", t);

    // The path, and a mark at its lowest point.
    SceneLine path{{}, kPath, std::max(2.0, t / 5)};
    const double limit = CoordinateLimit(track);
    constexpr int kPoints = 96;
    for (int i = 0; i <= kPoints; ++i) {
        const PathPoint px = view.toPixels(PositionOn(track, p.length, -limit + 2 * limit * i / kPoints));
        path.points.push_back({px.x, px.y});
    }
    still.lines.push_back(std::move(path));
    still.lines.push_back(
        {{{view.originX, view.originY + layout.bobRadius + 2}, {view.originX, view.originY + layout.bobRadius + t}},
         kInk,
         2});

    // The selected bob's release height, while heights are being set.
    const Selection sel = session.selection();
    const auto& bobs = race.bobs(track);
    if (!session.released() && sel.track == track && sel.bob < bobs.size()) {
        const PathPoint at = view.toPixels(PositionOn(track, p.length, bobs[sel.bob].coordinate()));
        moving.lines.push_back({{{at.x, at.y}, {view.originX, at.y}}, kGuide, 1});
        Text(moving, view.originX + 6, at.y - t * 0.7, "h = " + ShortestNumber(bobs[sel.bob].height, language) + " m",
             t * 0.9);
    }

    // Bobs, the selected one ringed; later numbers under earlier ones.
    for (std::size_t i = bobs.size(); i-- > 0;) {
        const PathPoint at = view.toPixels(PositionOn(track, p.length, bobs[i].coordinate()));
        const Rgb colour = BobColour(i);
        const bool selected = sel.track == track && sel.bob == i;
        moving.discs.push_back(
            {{at.x, at.y}, layout.bobRadius, colour, selected ? kInk : kWhite, selected ? 3.5 : 1.5});
        Text(moving, at.x, at.y, std::to_string(bobs[i].number), layout.bobRadius * 1.1, TextAlign::Centre, true,
             Light(colour) ? kInk : kWhite);
    }

    // The arrival strip: a time axis with a coloured tick per arrival.
    const double stripY = view.box.y + view.box.height - t * 3.4;
    const double x0 = view.box.x + t * 5.5, x1 = view.box.x + view.box.width - t * 1.5;
    const double end = RaceEnd(race) * 1.15;
    still.lines.push_back({{{x0, stripY}, {x1, stripY}}, kGuide, 1.5});
    Text(still, x0 - 6, stripY, language.tr(labtext::kColumnArrival), t * 0.9, TextAlign::Right);
    Text(still, x0, stripY + t * 0.9, "0 s", t * 0.8, TextAlign::Centre);
    Text(moving, x1, stripY + t * 0.9, labtext::Number(language, end, "%.3g") + " s", t * 0.8, TextAlign::Centre);
    for (std::size_t i = 0; i < bobs.size(); ++i) {
        if (!bobs[i].arrived()) continue;
        const double x = x0 + (x1 - x0) * bobs[i].arrival / end;
        moving.lines.push_back({{{x, stripY - t * 0.8}, {x, stripY + t * 0.3}}, BobColour(i), 3});
    }
    const std::vector<std::string> spread = SpreadSentences(race, language);
    const std::string line =
        !session.released() ? std::string(language.tr(labtext::kNotReleased)) : spread[track == Track::Cycloid ? 0 : 1];
    Text(moving, view.box.x + view.box.width / 2, view.box.y + view.box.height - t * 1.3, line, t, TextAlign::Centre,
         session.released() && race.allArrived());
}

template <class Shape>
void Append(std::vector<Shape>& to, const std::vector<Shape>& from) {
    to.insert(to.end(), from.begin(), from.end());
}

}  // namespace

Rgb BobColour(std::size_t bob) {
    static constexpr Rgb kColours[] = {{214, 39, 40},   {31, 119, 180}, {44, 160, 44},   {255, 127, 14},
                                       {148, 103, 189}, {23, 190, 207}, {227, 119, 194}, {140, 86, 75},
                                       {188, 189, 34},  {30, 30, 120},  {127, 127, 127}, {0, 110, 90}};
    return kColours[bob % std::size(kColours)];
}

std::optional<PixelBox> AppendPlot(LabLayers& layers, const PixelBox& area, const PlotModel& plot, double t,
                                   const Translator& language) {
    LabScene& s = layers.still;
    s.rects.push_back({area, kWhite, true, kBorder, 1});
    const PixelBox box{area.x + t * 5.2, area.y + t * 2.2, area.width - t * 6.2, area.height - t * 5.4};
    if (box.width < 20 || box.height < 20) return std::nullopt;
    auto mapX = [&](double x) { return box.x + (x - plot.x.min) / (plot.x.max - plot.x.min) * box.width; };
    auto mapY = [&](double y) {
        return box.y + box.height - (y - plot.y.min) / (plot.y.max - plot.y.min) * box.height;
    };
    Text(s, area.x + area.width / 2, area.y + t * 1.0, plot.title, t * 1.05, TextAlign::Centre, true);
    const double xStep = plot.x.ticks.size() > 1 ? plot.x.ticks[1] - plot.x.ticks[0] : 1;
    const double yStep = plot.y.ticks.size() > 1 ? plot.y.ticks[1] - plot.y.ticks[0] : 1;
    for (double v : plot.x.ticks) {
        const double x = mapX(v);
        s.lines.push_back({{{x, box.y}, {x, box.y + box.height}}, {220, 220, 225}, 1});
        Text(s, x, box.y + box.height + t * 0.8, TickText(v, xStep, language.decimalSeparator()), t * 0.85,
             TextAlign::Centre);
    }
    for (double v : plot.y.ticks) {
        const double y = mapY(v);
        s.lines.push_back({{{box.x, y}, {box.x + box.width, y}}, {220, 220, 225}, 1});
        Text(s, box.x - 5, y, TickText(v, yStep, language.decimalSeparator()), t * 0.85, TextAlign::Right);
    }
    s.rects.push_back({box, kWhite, false, kInk, 1.5});
    Text(s, box.x + box.width / 2, area.y + area.height - t * 1.0, plot.x.label, t * 0.9, TextAlign::Centre);
    s.texts.push_back(
        {{area.x + t * 0.9, box.y + box.height / 2}, plot.y.label, t * 0.9, kInk, TextAlign::Centre, false, true});
    for (const PlotSeries& series : plot.series) {
        if (series.points.size() < 2) continue;
        // Hairlines: both painters draw them several times faster than thicker lines.
        SceneLine line{{}, series.colour, 1};
        for (const PlotPoint& p : series.points) line.points.push_back({mapX(p.x), mapY(p.y)});
        layers.moving.lines.push_back(std::move(line));
    }
    return box;
}

LabLayers BuildLabLayers(const LabSession& session) {
    const LabLayout& layout = session.layout();
    LabLayers layers;
    for (LabScene* scene : {&layers.still, &layers.moving}) {
        scene->width = layout.width;
        scene->height = layout.height;
    }
    // The panels and plots cover the whole view: no background under them.
    for (Track track : kTracks) AppendTrack(layers, session, track);
    AppendEnergyBars(layers, layout.plots[0], session, layout.text);
    AppendPlot(layers, layout.plots[1], DisplacementPlot(session), layout.text, session.language());
    AppendPlot(layers, layout.plots[2], PhasePlot(session), layout.text, session.language());
    return layers;
}

LabScene BuildLabScene(const LabSession& session) {
    LabLayers layers = BuildLabLayers(session);
    LabScene scene = std::move(layers.still);
    Append(scene.rects, layers.moving.rects);
    Append(scene.lines, layers.moving.lines);
    Append(scene.discs, layers.moving.discs);
    Append(scene.texts, layers.moving.texts);
    return scene;
}

bool LabLayerCache::update(const LabSession& session) {
    LabLayers layers = BuildLabLayers(session);
    const bool changed = stillRevision_ == 0 || !(layers.still == layers_.still);
    layers_ = std::move(layers);
    if (changed) ++stillRevision_;
    return changed;
}

}  // namespace orvalde
