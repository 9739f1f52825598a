// The man page describes every action: each key has its entry under KEYS,
// each action without a key is named in the text.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "tests/packaging/ProgramActions.h"

namespace orvalde {
namespace {

// The few escapes the page uses where keys and names are written.
std::string Plain(std::string text) {
    static const std::vector<std::pair<std::string, std::string>> escapes{
        {"\\(->", "→"}, {"\\(<-", "←"}, {"\\[u2026]", "…"}, {"\\-", "-"}, {"\\ ", " "}, {"\\fB", ""},
        {"\\fI", ""},   {"\\fR", ""},   {"\\fP", ""},       {"\\&", ""},  {"\"", ""}};
    for (const auto& [escape, plain] : escapes) {
        for (std::size_t at = text.find(escape); at != std::string::npos; at = text.find(escape, at + plain.size()))
            text.replace(at, escape.size(), plain);
    }
    return text;
}

std::string Folded(std::string text) {
    for (const char* drop : {"…", "...", "&"}) {
        for (std::size_t at = text.find(drop); at != std::string::npos; at = text.find(drop))
            text.erase(at, std::string(drop).size());
    }
    const std::size_t tab = text.find('\t');  // a menu's shortcut column
    if (tab != std::string::npos) text.erase(tab);
    std::string out;
    for (char c : text) {
        const bool space = std::isspace(static_cast<unsigned char>(c)) != 0;
        if (space && (out.empty() || out.back() == ' ')) continue;
        out += space ? ' ' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    while (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

struct ManPage {
    std::set<std::string> keys;  // the words of the tags under KEYS
    std::string text;            // all of it, plain and folded
};

ManPage Read(const std::string& path) {
    std::ifstream in(path);
    ManPage page;
    std::string line, section;
    bool tag = false;
    while (std::getline(in, line)) {
        if (line.rfind(".SH", 0) == 0) section = Plain(line.substr(3));
        std::string words = line;
        if (line.rfind('.', 0) == 0) {
            const std::size_t space = line.find(' ');
            words = space == std::string::npos ? "" : line.substr(space + 1);
        }
        words = Plain(words);
        if (tag && section.find("KEYS") != std::string::npos) {
            std::replace(words.begin(), words.end(), ',', ' ');
            std::istringstream split(words);
            for (std::string w; split >> w;) page.keys.insert(w);
        }
        tag = line.rfind(".TP", 0) == 0;
        page.text += words + " ";
    }
    page.text = Folded(page.text);
    return page;
}

TEST(ManPage, DescribesEveryActionOfTheProgram) {
    const ManPage page = Read(ORVALDE_MAN_PAGE_SOURCE);
    ASSERT_FALSE(page.keys.empty()) << "no KEYS section in " << ORVALDE_MAN_PAGE_SOURCE;
    for (const UserAction& action : ProgramActions()) {
        if (action.key.empty()) {
            EXPECT_NE(page.text.find(Folded(action.name)), std::string::npos)
                << "the man page does not name \"" << action.name << "\"";
            continue;
        }
        const std::string shown = action.key == "Right" ? "→" : action.key == "Left" ? "←" : action.key;
        EXPECT_TRUE(page.keys.count(shown))
            << "the man page has no entry under KEYS for " << action.key << " (" << action.name << ")";
    }
}

}  // namespace
}  // namespace orvalde
