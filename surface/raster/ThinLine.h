#pragma once
// One-pixel lines, solid or dashed, stepped in whole pixels along the major
// axis: the same end points always give the same pixels, so drawing a line
// again in the background colour erases it exactly.

#include <cstdint>

#include "surface/raster/TrackedPixels.h"
#include "surface/raster/PixelMath.h"
#include "surface/raster/PixelRect.h"

namespace orvalde {

// Dashes of one-pixel lines: this many pixels on, then this many off, counted
// along the major axis.
inline constexpr int kThinDashOn = 4;
inline constexpr int kThinDashOff = 2;

// The pixel nearest a coordinate: pixel i is centred on i, ties go down
// (as in the wide figures).
inline int nearestPixel(double v) { return floorToInt(v + 0.5 - 1.0 / 128); }

// From the pixel nearest a to the pixel nearest b, both included. A dashed
// line starts `phase` pixels into its pattern.
void drawThinLine(TrackedPixels& image, DevicePoint a, DevicePoint b, std::uint32_t colour);
void drawThinDashedLine(TrackedPixels& image, DevicePoint a, DevicePoint b, int phase, std::uint32_t colour);

}  // namespace orvalde
