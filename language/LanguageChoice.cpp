#include "language/LanguageChoice.h"

#include <cctype>

#include "language/Translator.h"

namespace orvalde {
namespace {

// "el_GR.UTF-8@euro", "el-GR" → "el".
std::string PrimaryCode(std::string_view tag) {
    std::string code;
    for (const char c : tag) {
        if (!std::isalpha(static_cast<unsigned char>(c))) break;
        code += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return code;
}

}  // namespace

std::string MatchLanguage(const std::vector<std::string>& preferences) {
    const std::vector<std::string> available = AvailableLanguages();
    for (const std::string& preference : preferences) {
        const std::string code = PrimaryCode(preference);
        for (const std::string& a : available) {
            if (a == code) return a;
        }
    }
    return "en";
}

std::vector<std::string> EnvironmentPreferences(const std::function<const char*(const char*)>& getenv) {
    auto value = [&](const char* name) {
        const char* v = getenv(name);
        return std::string(v ? v : "");
    };
    std::string locale = value("LC_ALL");
    if (locale.empty()) locale = value("LC_MESSAGES");
    if (locale.empty()) locale = value("LANG");
    std::vector<std::string> preferences;
    if (locale.empty() || locale == "C" || locale == "POSIX" || locale.starts_with("C.")) {
        return preferences;  // the C locale speaks English; LANGUAGE is ignored with it
    }
    const std::string list = value("LANGUAGE");
    std::size_t start = 0;
    while (start <= list.size()) {
        const std::size_t colon = list.find(':', start);
        const std::string item = list.substr(start, colon == std::string::npos ? std::string::npos : colon - start);
        if (!item.empty()) preferences.push_back(item);
        if (colon == std::string::npos) break;
        start = colon + 1;
    }
    preferences.push_back(locale);
    return preferences;
}

}  // namespace orvalde
