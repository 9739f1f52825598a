#pragma once
// Row-span filling for the figures the animation draws most: round-capped
// wide lines and dots, written straight into the pixel rows.

#include <cstdint>

#include "surface/raster/TrackedPixels.h"
#include "surface/raster/PixelRect.h"

namespace orvalde {

// Every pixel whose sample point lies within `radius` of the segment a-b:
// a line with round caps, in device pixels. Overlapping capsules give round
// joins. Pixel (i, j) is sampled at (i, j).
void fillCapsule(TrackedPixels& image, DevicePoint a, DevicePoint b, double radius, std::uint32_t colour);

// A round dot of `diameter` pixels laid out on whole pixels around the pixel
// (cx, cy): odd diameters are exactly that many pixels across, and diameters
// 1 and 2 give 1 and 4 pixels.
void fillDot(TrackedPixels& image, int cx, int cy, int diameter, std::uint32_t colour);

}  // namespace orvalde
