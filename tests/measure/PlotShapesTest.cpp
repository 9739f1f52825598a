// What a plot's series put on the screen, and where two refreshes of it
// differ: the plot view repaints only there, so a change left out is a stale
// picture, and a change made too large a full repaint.

#include <gtest/gtest.h>

#include <cmath>

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

}  // namespace
}  // namespace orvalde
