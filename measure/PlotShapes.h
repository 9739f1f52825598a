#pragma once
// What a plot's series put on the screen, in the plot's pixels (y down): each
// line as the corners of the straight pieces drawn through it, each marker as
// its centre. Between two refreshes of a plot whose frame stayed, only where
// these differ needs painting again.

#include <vector>

#include "measure/PlotModel.h"
#include "surface/raster/PixelRect.h"

namespace orvalde {

struct SeriesShape {
    SeriesStyle style = SeriesStyle::Line;
    Rgb colour;
    std::vector<DevicePoint> points;  // a line's corners, or the markers' centres
};

// The series of `plot` drawn in the frame `box`: a line keeps about a point
// per pixel column and leaves out the points within `tolerance` pixels of the
// straight pieces that replace them; a line of fewer than two points has
// none. Markers stay at every point.
std::vector<SeriesShape> PlotShapes(const PlotModel& plot, const DeviceBox& box, double tolerance);

// Where two drawings of a plot's series differ: boxes around the line pieces
// and the markers that one has and the other has not, reaching `lineReach`
// or `markerReach` pixels beyond their points, with overlapping boxes merged.
// Series that differ in number, style or colour differ wherever either
// drawing has anything: one box around both.
std::vector<DeviceBox> ChangedBoxes(const std::vector<SeriesShape>& before, const std::vector<SeriesShape>& after,
                                    double lineReach, double markerReach);

}  // namespace orvalde
