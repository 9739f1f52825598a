#pragma once
// What the page builds its elements from, as JSON: the buttons, the scroll
// bar's state, the context menu and the help, all from the action table, in
// the page's language.

#include <string>

#include "language/Translator.h"

namespace orvalde {

class Lesson;
class WebOrvalde;

// [{"number","id","caption","help","left","top","width","height"}, …] in the
// desktop's order, placed in CSS pixels (96 per inch, as the design).
std::string ButtonsJson(const Translator& language = Translator::english());

// {"min","max","value","large","left","top","width","height","valueText"}.
std::string BarJson(WebOrvalde& program, const Translator& language = Translator::english());

// [{"id","label","keys","group","groupTitle","checkable","checked"}, …].
std::string MenuJson(const Lesson& lesson, const Translator& language = Translator::english());

// {"title","buttons":[{"title","text"}],"keys":[…],"scrollBar","menu"}.
std::string HelpJson(const Translator& language = Translator::english());

}  // namespace orvalde
