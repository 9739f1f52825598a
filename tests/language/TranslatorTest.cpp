// The translation layer: look-up with fallback, plurals, contexts,
// placeholders, numbers per language and the choice of language.

#include <gtest/gtest.h>

#include <map>

#include "language/LanguageChoice.h"
#include "language/Translator.h"

namespace orvalde {
namespace {

TEST(Translator, GreekWithPluralsAndNumbersEnglishForTheRest) {
    Translator language;
    EXPECT_STREQ(language.code(), "en");
    EXPECT_STREQ(language.tr("Cancel"), "Cancel");
    EXPECT_EQ(language.number(17.771531752633464, 4), "17.7715");

    ASSERT_TRUE(language.select("el"));
    EXPECT_STREQ(language.tr("Cancel"), "Ακύρωση");
    EXPECT_STREQ(language.name(), "Ελληνικά");
    EXPECT_EQ(language.number(17.771531752633464, 4), "17,7715");
    EXPECT_EQ(language.number(-0.25, 1), "-0,2");  // round half to even, as printf
    EXPECT_EQ(language.number(40, 0), "40");
    // A text the catalog lacks shows in English rather than not at all.
    EXPECT_STREQ(language.tr("a text no catalog has"), "a text no catalog has");
    const char* one = "{bob}: t = {time} s, {passes} pass through the lowest point, theory {theory} s";
    const char* many = "{bob}: t = {time} s, {passes} passes through the lowest point, theory {theory} s";
    EXPECT_NE(std::string(language.trn(one, many, 1)).find("{passes} διέλευση από το κατώτατο σημείο,"),
              std::string::npos);
    EXPECT_NE(std::string(language.trn(one, many, 0)).find("{passes} διελεύσεις από το κατώτατο σημείο,"),
              std::string::npos);
    EXPECT_NE(std::string(language.trn(one, many, 2)).find("{passes} διελεύσεις από το κατώτατο σημείο,"),
              std::string::npos);
    EXPECT_STREQ(language.trn("no such", "no suches", 3), "no suches");

    EXPECT_FALSE(language.select("fr"));
    EXPECT_STREQ(language.code(), "en");
    EXPECT_STREQ(language.tr("Cancel"), "Cancel");
}

TEST(Translator, FillReplacesNamedPlaceholdersOnly) {
    EXPECT_EQ(Fill("{a} and {b}, {a}", {{"a", "1"}, {"b", "{a}"}}), "1 and {a}, 1");
    EXPECT_EQ(Fill("{unknown} {a", {{"a", "1"}}), "{unknown} {a");
    EXPECT_EQ(Fill("", {}), "");
}

TEST(Translator, NextLanguageGoesRoundEveryCatalogAndBackToEnglish) {
    const std::vector<std::string> all = AvailableLanguages();
    ASSERT_GE(all.size(), 2u);
    std::string code = "en";
    std::vector<std::string> seen;
    for (std::size_t i = 0; i < all.size(); ++i) {
        seen.push_back(code);
        code = NextLanguage(code);
    }
    EXPECT_EQ(seen, all);
    EXPECT_EQ(code, "en");
    EXPECT_EQ(NextLanguage("xx"), "en");
    EXPECT_EQ(NextLanguage(""), "en");
}

TEST(LanguageChoice, FollowsGettextsOrderOfTheEnvironment) {
    auto choose = [](std::map<std::string, std::string> env) {
        return MatchLanguage(EnvironmentPreferences([&env](const char* name) -> const char* {
            const auto found = env.find(name);
            return found == env.end() ? nullptr : found->second.c_str();
        }));
    };
    EXPECT_EQ(choose({}), "en");
    EXPECT_EQ(choose({{"LANG", "el_GR.UTF-8"}}), "el");
    EXPECT_EQ(choose({{"LANG", "fr_FR.UTF-8"}}), "en");
    EXPECT_EQ(choose({{"LANG", "en_US.UTF-8"}, {"LC_MESSAGES", "el_GR.UTF-8"}}), "el");
    EXPECT_EQ(choose({{"LANG", "el_GR.UTF-8"}, {"LC_ALL", "en_GB.UTF-8"}}), "en");
    // LANGUAGE's list comes first, its first spoken entry wins…
    EXPECT_EQ(choose({{"LANG", "en_US.UTF-8"}, {"LANGUAGE", "fr:el_GR:en"}}), "el");
    // …but not under the C locale, as gettext has it.
    EXPECT_EQ(choose({{"LANG", "C.UTF-8"}, {"LANGUAGE", "el"}}), "en");
    EXPECT_EQ(choose({{"LC_ALL", "POSIX"}, {"LANGUAGE", "el"}}), "en");
    // The browser's tags.
    EXPECT_EQ(MatchLanguage({"de-DE", "EL-gr", "en"}), "el");
}

}  // namespace
}  // namespace orvalde
