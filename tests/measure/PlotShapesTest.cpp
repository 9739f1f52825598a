// What a plot's series put on the screen, and where two refreshes of it
// differ: the plot view repaints only there, so a change left out is a stale
// picture, and a change made too large a full repaint.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "measure/MeasurementPlots.h"
#include "measure/PlotShapes.h"

namespace orvalde {
namespace {

constexpr double kLine = 3, kMarker = 8;  // how far a piece's and a marker's paint reaches
constexpr Rgb kBlue{20, 60, 220}, kRed{220, 30, 30};

SeriesShape Line(int from, int to) {
    SeriesShape s{SeriesStyle::Line, kBlue, {}};
    for (int i = from; i <= to; ++i) s.points.push_back({10.0 * i, 100 + 40 * std::sin(i * 0.7)});
    return s;
}

SeriesShape Dots(std::vector<DevicePoint> at) { return {SeriesStyle::Dots, kRed, std::move(at)}; }

DeviceBox Around(DevicePoint a, DevicePoint b, double reach) {
    return DeviceBox{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)}.padded(reach);
}

DeviceBox Union(const DeviceBox& a, const DeviceBox& b) {
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

void ExpectBoxes(const std::vector<DeviceBox>& got, const std::vector<DeviceBox>& want) {
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
        EXPECT_EQ((std::array{got[i].left, got[i].top, got[i].right, got[i].bottom}),
                  (std::array{want[i].left, want[i].top, want[i].right, want[i].bottom}))
            << i;
    }
}

// A line that grows at one end and loses points at the other changes only
// around those pieces, each end apart; a marker that moves, where it was and
// where it is. Series that differ in colour or number, or too many changes
// to tell apart, are one box around everything.
TEST(PlotShapes, ChangesAreThePiecesAndMarkersThatDiffer) {
    const SeriesShape before = Line(0, 20), grown = Line(0, 21), slid = Line(2, 21);
    const auto piece = [&](int i) { return Around(grown.points[i], grown.points[i + 1], kLine); };
    EXPECT_TRUE(ChangedBoxes({before}, {before}, kLine, kMarker).empty());
    ExpectBoxes(ChangedBoxes({before}, {grown}, kLine, kMarker), {piece(20)});
    // The two pieces dropped at the start overlap, and become one box.
    ExpectBoxes(ChangedBoxes({before}, {slid}, kLine, kMarker), {Union(piece(0), piece(1)), piece(20)});
    const SeriesShape here = Dots({{50, 50}, {200, 80}}), moved = Dots({{50, 50}, {300, 80}});
    ExpectBoxes(ChangedBoxes({before, here}, {before, moved}, kLine, kMarker),
                {Around({200, 80}, {200, 80}, kMarker), Around({300, 80}, {300, 80}, kMarker)});

    DeviceBox all = piece(0);
    for (int i = 1; i < 20; ++i) all = Union(all, piece(i));
    SeriesShape recoloured = before, shifted = before;
    recoloured.colour = kRed;
    for (DevicePoint& p : shifted.points) p.x += 0.5;  // every piece moves
    ExpectBoxes(ChangedBoxes({before}, {recoloured}, kLine, kMarker), {all});
    ExpectBoxes(ChangedBoxes({before}, {before, Dots({{100, 100}})}, kLine, kMarker), {all});
    all.right += 0.5;
    ExpectBoxes(ChangedBoxes({before}, {shifted}, kLine, kMarker), {all});
}

// The displacement plot drawn tick after tick: its lines keep their pieces
// but near their ends, as the window of the latest motion fills and then
// slides, so each refresh repaints a sliver of the plot.
TEST(PlotShapes, ARunningDisplacementPlotChangesOnlyNearTheLinesEnds) {
    Measurements m;
    m.runCount = {1, 1, 0};
    const auto tick = [&](int i) {
        m.run(BobKind::Cycloid).trace.push_back({i * 0.1, 55 * std::sin(i * 0.0354)});
        m.run(BobKind::Exact).trace.push_back({i * 0.1, 57 * std::sin(i * 0.0339)});
    };
    const DeviceBox frame{60, 30, 550, 390};
    int i = 0;
    for (; i < 400; ++i) tick(i);
    PlotModel plot = DisplacementPlot(m);
    std::vector<SeriesShape> shown = PlotShapes(plot, frame, 0.25);
    int wide = 0;
    for (; i < 2000; ++i) {  // 200 s: the last 80 with the window sliding
        tick(i);
        const PlotModel next = DisplacementPlot(m);
        std::vector<SeriesShape> shapes = PlotShapes(next, frame, 0.25);
        if (next.x == plot.x && next.y == plot.y) {  // new axes repaint the frame, and everything
            double width = 0;
            for (const DeviceBox& b : ChangedBoxes(shown, shapes, kLine, kMarker)) width += b.right - b.left;
            wide += width > 0.15 * (frame.right - frame.left);
        }
        plot = next;
        shown = std::move(shapes);
    }
    // A line sampled more sparsely as it grows is drawn anew each time.
    EXPECT_LE(wide, 4);
    // The run drops its trace's oldest samples now and then, by a count the
    // stride need not divide: no point still shown moves.
    for (BobKind bob : {BobKind::Cycloid, BobKind::Exact}) {
        BobRun& run = m.run(bob);
        run.trace.erase(run.trace.begin(), run.trace.begin() + 700);
        run.traceDropped += 700;
    }
    EXPECT_EQ(DisplacementPlot(m).series, plot.series);
}

}  // namespace
}  // namespace orvalde
