#pragma once
// N_ marks a text for the catalogs where it is written (in a table, say) and
// translated later, where it is shown, through Translator::tr.

namespace orvalde {

constexpr const char* N_(const char* msgid) { return msgid; }

}  // namespace orvalde
