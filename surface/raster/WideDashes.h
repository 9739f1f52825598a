#pragma once
// Dashed lines wider than a pixel: each dash is a round-capped piece of the
// line, four pen widths long, with two pen widths between dashes.

#include <cstdint>

#include "surface/raster/TrackedPixels.h"
#include "surface/raster/PixelRect.h"

namespace orvalde {

inline constexpr double kWideDashOn = 4;   // pen widths
inline constexpr double kWideDashOff = 2;  // pen widths

// The dashes of segment a-b for a pen `width` device pixels wide, starting
// `phase` device pixels into the pattern.
void drawWideDashedLine(TrackedPixels& image, DevicePoint a, DevicePoint b, double width, double phase,
                        std::uint32_t colour);

}  // namespace orvalde
