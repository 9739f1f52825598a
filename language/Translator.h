#pragma once
// Texts and numbers in one language. Messages are looked up by their English
// text (the msgid); a message the catalog lacks shows in English. The
// extraction (scripts/update-catalogs.sh) finds tr, trc, trn and N_ calls.

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "language/Catalog.h"

namespace orvalde {

class Translator {
public:
    Translator() = default;  // English
    explicit Translator(std::string_view code) { select(code); }

    // Switches to the language with that code ("el"); English, and false,
    // when there is no catalog for it.
    bool select(std::string_view code);
    const char* code() const { return catalog_ ? catalog_->code : "en"; }

    const char* tr(const char* msgid) const;
    // A message whose English text is ambiguous, told apart by a context.
    const char* trc(const char* context, const char* msgid) const;
    // The form for n of a message with plurals, by the catalog's Plural-Forms.
    const char* trn(const char* singular, const char* plural, unsigned long n) const;

    // The language's name in that language, for a choice of languages.
    const char* name() const;
    // value with that many decimals, with the language's decimal separator
    // ("17,7715" in Greek); never the C library's locale.
    std::string number(double value, int decimals) const;
    const char* decimalSeparator() const;

    // The static English translator, for callers that were not given one.
    static const Translator& english();

private:
    const CatalogEntry* find(std::string_view key) const;

    const Catalog* catalog_ = nullptr;
};

// Every language the program speaks, English first, then the catalogs' codes.
std::vector<std::string> AvailableLanguages();

// The language after code in that list, going round to English; English for
// a code the program does not speak. The menu's "Language" steps through it.
std::string NextLanguage(std::string_view code);

// text with every "{name}" replaced by its value; placeholders that have no
// value stay as they are.
std::string Fill(std::string_view text, std::initializer_list<std::pair<std::string_view, std::string>> values);

}  // namespace orvalde
