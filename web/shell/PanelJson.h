#pragma once
// The measurements panel as JSON for the page: the readout lines and both
// plots (axes, tick texts, series), so the page only maps them to SVG.

#include <string>

#include "language/Translator.h"
#include "measure/Measurements.h"
#include "measure/PlotModel.h"

namespace orvalde {

// {"revision":…,"lines":[…],"summary":"…","plots":[period plot, displacement plot],
// "plotTexts":[their text alternatives]}, in the translator's language.
std::string PanelJson(const Measurements& m, const Translator& language = Translator::english());

// One plot: title, axes {label,min,max,ticks,tickTexts} and series
// {name,colour "#rrggbb",style "line|dots|squares|triangles",points [[x,y],…]}.
// Numbers that are not finite become null, which the page leaves out.
std::string PlotJson(const PlotModel& plot);

// A JSON string literal: quotes, backslashes and control characters escaped;
// other UTF-8 passes through.
std::string JsonString(const std::string& text);

}  // namespace orvalde
