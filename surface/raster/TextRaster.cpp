#include "surface/raster/TextRaster.h"

#include <algorithm>
#include <cmath>

namespace orvalde {

const GlyphFace& glyphFaceFor(double devicePixelRatio) {
    // Nearest as a factor, so that text is never far too small or too large.
    const auto misfit = [devicePixelRatio](const GlyphFace& face) {
        return std::max(face.ratio / devicePixelRatio, devicePixelRatio / face.ratio);
    };
    const GlyphFace* best = &kGlyphFaces[0];
    for (int f = 1; f < kGlyphFaceCount; ++f)
        if (misfit(kGlyphFaces[f]) < misfit(*best)) best = &kGlyphFaces[f];
    return *best;
}

void drawTextLine(TrackedPixels& image, const GlyphFace& face, int left, int top, std::string_view text,
                  std::uint32_t colour) {
    const int baseline = top + face.ascent;
    long long pen = left;
    for (const char ch : text) {
        const char c = ch >= kFirstGlyph && ch <= kLastGlyph ? ch : '?';
        const Glyph& g = face.glyphs[c - kFirstGlyph];
        const long long x0 = pen + g.left, y0 = baseline + g.top;
        const int rowBytes = (g.width + 7) / 8;
        for (int y = 0; y < g.height; ++y) {
            const long long py = y0 + y;
            if (py < 0 || py >= image.height()) continue;
            const std::uint8_t* bits = face.bits + g.offset + static_cast<std::size_t>(y * rowBytes);
            for (int x = 0; x < g.width; ++x) {
                const long long px = x0 + x;
                if (px >= 0 && px < image.width() && (bits[x / 8] >> (7 - x % 8) & 1))
                    image.set(static_cast<int>(px), static_cast<int>(py), colour);
            }
        }
        pen += g.advance;
    }
}

}  // namespace orvalde
