// "About Orvalde" for the page, from the same content as the desktop's.

#include <emscripten/emscripten.h>

#include <array>
#include <string>

#include "app/about/About.h"
#include "web/PageProgram.h"

extern "C" {

// 0 name, 1 version, 2 copyright, 3 licence's name, 4 licence's text,
// 5 third-party notices (plain text), 6 home page; "" for anything else.
EMSCRIPTEN_KEEPALIVE const char* orvalde_about(int field) {
    static const std::array<std::string, 7> fields = [] {
        const orvalde::AboutContent& a = orvalde::About();
        return std::array<std::string, 7>{
            std::string(a.name),        std::string(a.version),  std::string(a.copyright), std::string(a.licenceName),
            std::string(a.licenceText), orvalde::PlainNotices(), std::string(a.homepage)};
    }();
    return field >= 0 && field < static_cast<int>(fields.size()) ? fields[static_cast<std::size_t>(field)].c_str() : "";
}

// The window's own words in the page's language: 0 title, 1 "Released under
// the … licence.", 2 the licence's heading, 3 the notices' heading, 4 the
// close button; "" for anything else.
EMSCRIPTEN_KEEPALIVE const char* orvalde_about_words(int word) {
    static std::string handed;
    const orvalde::AboutWords w = orvalde::AboutWordsIn(orvalde::PageLanguage());
    const std::array<const std::string*, 5> words{&w.title, &w.released, &w.licenceHeading, &w.noticesHeading,
                                                  &w.close};
    handed = word >= 0 && word < static_cast<int>(words.size()) ? *words[static_cast<std::size_t>(word)] : "";
    return handed.c_str();
}

}  // extern "C"
