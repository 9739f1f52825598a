#pragma once
// What "About Orvalde" shows, the same in both editions. The version is the
// build's project version; the licence and the notices are LICENSE and
// THIRD-PARTY.md as they were when the build was configured.

#include <string>
#include <string_view>

#include "language/Translator.h"

namespace orvalde {

struct AboutContent {
    std::string_view name;         // "Orvalde"
    std::string_view version;      // "1.3.0"
    std::string_view copyright;    // the copyright line of LICENSE
    std::string_view licenceName;  // "MIT"
    std::string_view licenceText;  // LICENSE, whole
    std::string_view notices;      // THIRD-PARTY.md, whole (Markdown)
    std::string_view homepage;
};

const AboutContent& About();

// The window's own words in a language. The licence, its copyright line and
// the notices are legal texts and stay as written, in English.
struct AboutWords {
    std::string title;           // "About Orvalde"
    std::string released;        // "Released under the MIT licence."
    std::string licenceHeading;  // above the licence's text
    std::string noticesHeading;  // above the third-party notices
    std::string close;           // the button that closes the window
};
AboutWords AboutWordsIn(const Translator& language);

// The head of the About window as plain lines: name and version, copyright,
// licence, home page.
std::string AboutSummary(const Translator& language = Translator::english());

// The notices as plain text for a shell that does not render Markdown: the
// code fences and the comments that mark the licences for the package's
// copyright file are left out; everything else is kept as written.
std::string PlainNotices();

}  // namespace orvalde
