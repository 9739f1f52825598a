#pragma once
// The key to the drawing, its place and the sweep table as JSON for the page,
// which only turns them into elements.

#include <string>

#include "display/ReadableLayout.h"
#include "language/Translator.h"
#include "measure/Measurements.h"
#include "measure/PanelLayout.h"

namespace orvalde {

// {"title":…,"entries":[{"swatch":"arrow|line|thin|dashed|dots|dot|ring|arc","colour":"#rrggbb","label":…},…]}
// with the texts in `language`.
std::string LegendJson(const Translator& language);

// The page's layout in CSS pixels for a screen as shown (see DockedScreen):
// {"legend":[[x,y,w,h],…],"status":[x,y,w,h]}, the key's places best first;
// "panel":[x,y,w,h] the measurements panel's place ([0,0,0,0] while hidden),
// "below" whether under the drawing, "scale" the drawing's, and "bobs", the
// region the bobs move in, and "buttons", the nine together, both as shown.
std::string LayoutJson(const ScreenLayoutInput& shown, const PanelLayout& docked);

// {"headings":[…],"rows":[[cell,…],…]}, rounded for reading, in `language`.
std::string SweepTableJson(const Measurements& m, const Translator& language);

}  // namespace orvalde
