#pragma once
// Lines of text from the glyph atlas, placed on whole device pixels so that
// every edition prints the same pixels.

#include <cstdint>
#include <string_view>

#include "surface/raster/GlyphAtlas.h"
#include "surface/raster/TrackedPixels.h"
#include "surface/raster/PixelRect.h"

namespace orvalde {

// Draws one line with its top-left corner at device pixel (left, top).
// Characters outside printable ASCII show as '?'.
void drawTextLine(TrackedPixels& image, const GlyphFace& face, int left, int top, std::string_view text,
                  std::uint32_t colour);

}  // namespace orvalde
