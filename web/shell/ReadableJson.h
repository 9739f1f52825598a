#pragma once
// The key to the drawing, its place and the sweep table as JSON for the page,
// which only turns them into elements.

#include <string>

#include "display/ReadableLayout.h"
#include "language/Translator.h"
#include "measure/Measurements.h"

namespace orvalde {

// {"title":…,"entries":[{"swatch":"arrow|line|thin|dashed|dots|dot|ring|arc","colour":"#rrggbb","label":…},…]}
// with the texts in `language`.
std::string LegendJson(const Translator& language);

// {"legend":[[x,y,w,h],…],"status":[x,y,w,h]} in CSS pixels, the key's places best first.
std::string LayoutJson(const ScreenLayoutInput& in);

// {"headings":[…],"rows":[[cell,…],…]}, rounded for reading, in `language`.
std::string SweepTableJson(const Measurements& m, const Translator& language);

}  // namespace orvalde
