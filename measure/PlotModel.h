#pragma once
// A plot as data: axes with their ranges and ticks, and named series of
// points drawn as a line or as markers. Renderers (a painter on the desktop,
// SVG in the page) only map it to pixels.

#include <string>
#include <string_view>
#include <vector>

#include "surface/DrawingSurface.h"

namespace orvalde {

struct PlotPoint {
    double x = 0;
    double y = 0;
    friend bool operator==(const PlotPoint&, const PlotPoint&) = default;
};

enum class SeriesStyle { Line, Dots, Squares, Triangles };

struct PlotSeries {
    std::string name;  // the legend's text
    Rgb colour;
    SeriesStyle style = SeriesStyle::Line;
    std::vector<PlotPoint> points;
    friend bool operator==(const PlotSeries&, const PlotSeries&) = default;
};

struct PlotAxis {
    std::string label;  // with its unit
    double min = 0, max = 1;
    std::vector<double> ticks;
    friend bool operator==(const PlotAxis&, const PlotAxis&) = default;
};

struct PlotModel {
    std::string title;
    PlotAxis x, y;
    std::vector<PlotSeries> series;
    std::string decimalSeparator = ".";  // the language's, for the tick texts
    friend bool operator==(const PlotModel&, const PlotModel&) = default;
};

// The corner of the frame a legend sits in.
enum class LegendCorner { TopLeft = 0, TopRight = 1, BottomRight = 2, BottomLeft = 3 };

// Where a legend `width` by `height` (fractions of the frame's width and
// height, its margins included) hides the least of the plot's data: markers,
// and lines sampled between their points. The top left unless another corner
// hides less; among equals, the first in the order above.
LegendCorner PlaceLegend(const PlotModel& plot, double width, double height);

// Round tick values (1, 2 or 5 times a power of ten apart) covering
// [low, high] with at most maxTicks ticks, first and last on or outside the
// range; an empty or reversed range is widened first.
std::vector<double> NiceTicks(double low, double high, int maxTicks);

// An axis whose range is its outermost ticks.
PlotAxis NiceAxis(std::string label, double low, double high, int maxTicks = 8);

// A line's points thinned to what `pixels` columns across [xMin, xMax] can
// show: in each column the lowest and the highest point, in their order, so
// that no peak is cut; the first and the last point always stay.
std::vector<PlotPoint> ThinToColumns(const std::vector<PlotPoint>& points, double xMin, double xMax, double pixels);

// A line's points with those dropped that lie within `tolerance` pixels of
// the straight piece that replaces them, at the given pixels per unit along
// each axis: the line drawn looks the same with far fewer pieces where it
// runs straight. The first and the last point always stay.
std::vector<PlotPoint> StraightenLine(const std::vector<PlotPoint>& points, double pixelsPerX, double pixelsPerY,
                                      double tolerance);

// Tick text without trailing zeros: "0", "2.5", "-10"; "2,5" with the
// separator ",".
std::string TickText(double value, double step, std::string_view decimalSeparator = ".");

}  // namespace orvalde
