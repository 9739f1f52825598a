#pragma once
// The key to the drawing: one entry per colour and figure, with the small
// sample each edition draws beside the label, and the help's text for them.

#include <span>
#include <string>

#include "language/Translator.h"
#include "surface/DrawingSurface.h"

namespace orvalde {

// The sample drawn beside a label, left to right in a small box.
enum class Swatch { Arrow, Line, ThinLine, Dashed, Dots, Dot, Ring, Arc };

struct LegendEntry {
    Swatch swatch;
    Rgb colour;
    const char* label;  // short, for the key (English: translate where shown)
    const char* help;   // a sentence, for the help (the same)
};

std::span<const LegendEntry> LegendEntries();

// The figures explained for the help window, one "label: sentence" per line,
// in `language`.
std::string LegendHelpText(const Translator& language = Translator::english());

// "#rrggbb".
std::string HexColour(Rgb colour);

}  // namespace orvalde
