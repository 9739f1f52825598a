#pragma once
// Unsmoothed glyphs of printable ASCII, one face for each common device pixel
// ratio, so text keeps its logical size on high-density screens. The faces
// are generated from DejaVu Sans by tools/GlyphAtlasGenerator.cpp into
// GlyphAtlasData.cpp, which is committed: the browser build needs no host
// tool, and a native test checks the file against a fresh generation.

#include <cstdint>

namespace orvalde {

inline constexpr char kFirstGlyph = ' ';
inline constexpr char kLastGlyph = '~';
inline constexpr int kGlyphCount = kLastGlyph - kFirstGlyph + 1;

struct Glyph {
    std::int16_t advance;  // pen movement, device pixels
    std::int16_t left;     // bitmap's first column, right of the pen
    std::int16_t top;      // bitmap's first row, below the baseline (negative: above)
    std::uint8_t width, height;
    std::uint32_t offset;  // first byte in the face's bits
};

struct GlyphFace {
    double ratio;              // device pixels per logical pixel it is made for
    int ascent;                // device pixels from the top of a line to its baseline
    int height;                // device pixels from the top of a line to its bottom
    const Glyph* glyphs;       // kGlyphCount of them, from kFirstGlyph
    const std::uint8_t* bits;  // rows of `width` bits, high bit first, each row whole bytes
};

// Logical pixels per em and from one printed line to the next.
inline constexpr double kTextEmPixels = 13;
extern const int kTextLineSpacing;

extern const GlyphFace kGlyphFaces[];
extern const int kGlyphFaceCount;

// The face made for the ratio nearest this one.
const GlyphFace& glyphFaceFor(double devicePixelRatio);

}  // namespace orvalde
