#pragma once
// Circles and arcs without antialiasing. Pixels come from square roots only
// (no sine sampling along the curve), so a circle closes exactly and the same
// figure gives the same pixels on every platform; the angles of an arc's
// ends only decide which pixels of its circle belong to it.

#include <cstdint>

#include "surface/raster/TrackedPixels.h"
#include "surface/raster/PixelRect.h"

namespace orvalde {

// Part of a circle in device pixels: from `start` radians over `span`
// radians, counterclockwise on screen (y down), so at c + r (cos t, -sin t).
// A span of a whole turn or more is the full circle.
struct ArcShape {
    DevicePoint centre;
    double radius = 0;
    double start = 0;
    double span = 0;
    bool full() const;
};

// One pixel wide: in each eighth of the circle, one pixel per step along the
// major axis. Dashed arcs count their pattern from the circle's four axis
// points outwards.
void drawThinArc(TrackedPixels& image, const ArcShape& arc, bool dashed, std::uint32_t colour);

// A band `width` pixels wide centred on the circle; a partial arc ends in
// round caps. Dashed arcs are dashes of that band, four pen widths long with
// two between them, counted from the start.
void drawWideArc(TrackedPixels& image, const ArcShape& arc, double width, std::uint32_t colour);
void drawWideDashedArc(TrackedPixels& image, const ArcShape& arc, double width, std::uint32_t colour);

}  // namespace orvalde
