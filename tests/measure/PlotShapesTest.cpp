// What a plot's series put on the screen, and where two refreshes of it
// differ: the plot view repaints only there, so a change left out is a stale
// picture, and a change made too large a full repaint.

#include <gtest/gtest.h>

#include <cmath>

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

void ExpectBoxes(const std::vector<DeviceBox>& got, const std::vector<DeviceBox>& want) {
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < got.size(); ++i) {
        EXPECT_DOUBLE_EQ(got[i].left, want[i].left) << i;
        EXPECT_DOUBLE_EQ(got[i].top, want[i].top) << i;
        EXPECT_DOUBLE_EQ(got[i].right, want[i].right) << i;
        EXPECT_DOUBLE_EQ(got[i].bottom, want[i].bottom) << i;
    }
}

// A line that grows at one end and loses points at the other changes only
// around those pieces, each end apart; a marker that moves, where it was and
// where it is.
TEST(PlotShapes, ChangesAreThePiecesAndMarkersThatDiffer) {
    const SeriesShape before = Line(0, 20), grown = Line(0, 21), slid = Line(2, 21);
    const auto point = [](const SeriesShape& s, int i) { return s.points[static_cast<std::size_t>(i)]; };
    EXPECT_TRUE(ChangedBoxes({before}, {before}, kLine, kMarker).empty());
    ExpectBoxes(ChangedBoxes({before}, {grown}, kLine, kMarker), {Around(point(grown, 20), point(grown, 21), kLine)});
    // The two pieces dropped at the start overlap, and become one box.
    const DeviceBox first = Around(point(before, 0), point(before, 1), kLine),
                    second = Around(point(before, 1), point(before, 2), kLine);
    const DeviceBox dropped{std::min(first.left, second.left), std::min(first.top, second.top),
                            std::max(first.right, second.right), std::max(first.bottom, second.bottom)};
    ExpectBoxes(ChangedBoxes({before}, {slid}, kLine, kMarker),
                {dropped, Around(point(grown, 20), point(grown, 21), kLine)});

    const SeriesShape here = Dots({{50, 50}, {200, 80}}), moved = Dots({{50, 50}, {300, 80}});
    ExpectBoxes(ChangedBoxes({before, here}, {before, moved}, kLine, kMarker),
                {Around({200, 80}, {200, 80}, kMarker), Around({300, 80}, {300, 80}, kMarker)});
}

// When the series themselves differ, or too much moved to be worth telling
// apart, the change is everything either drawing has.
TEST(PlotShapes, DifferentSeriesOrManyChangesAreOneBoxAroundEverything) {
    const SeriesShape line = Line(0, 20);
    const DeviceBox all{0 - kMarker, 60 - kMarker, 200 + kMarker, 140 + kMarker};
    const auto within = [&](const std::vector<DeviceBox>& boxes) {
        ASSERT_EQ(boxes.size(), 1u);
        const DeviceBox& b = boxes[0];
        // Holds every point of both, and no more than their reach beyond.
        for (const DevicePoint& p : line.points) {
            EXPECT_TRUE(p.x >= b.left && p.x <= b.right && p.y >= b.top && p.y <= b.bottom) << p.x;
        }
        EXPECT_GE(b.left, all.left);
        EXPECT_GE(b.top, all.top);
        EXPECT_LE(b.right, all.right);
        EXPECT_LE(b.bottom, all.bottom);
    };
    SeriesShape recoloured = line;
    recoloured.colour = kRed;
    within(ChangedBoxes({line}, {recoloured}, kLine, kMarker));
    within(ChangedBoxes({line}, {line, Dots({{100, 100}})}, kLine, kMarker));
    SeriesShape shifted = line;
    for (DevicePoint& p : shifted.points) p.y += 0.5;
    within(ChangedBoxes({line}, {shifted}, kLine, kMarker));
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
}

}  // namespace
}  // namespace orvalde
