#pragma once
// The one place where a lesson text (an English msgid, marked with N_ where it
// is written) becomes what a user is shown: its translation in `language`.

#include <string>

#include "language/Translator.h"

namespace orvalde {

// The translation of `english`; "" for no text (an empty msgid would be the
// catalog's header).
inline std::string Shown(const char* english, const Translator& language = Translator::english()) {
    return english && *english ? language.tr(english) : "";
}

}  // namespace orvalde
