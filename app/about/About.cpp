#include "app/about/About.h"

#include "AboutTexts.h"

namespace orvalde {

const AboutContent& About() {
    static const AboutContent content{"Orvalde",
                                      about_texts::kVersion,
                                      about_texts::kCopyright,
                                      "MIT",
                                      about_texts::kLicence,
                                      about_texts::kNotices,
                                      about_texts::kHomepage};
    return content;
}

AboutWords AboutWordsIn(const Translator& language) {
    const AboutContent& a = About();
    return {Fill(language.tr("About {program}"), {{"program", std::string(a.name)}}),
            Fill(language.tr("Released under the {licence} licence."), {{"licence", std::string(a.licenceName)}}),
            language.tr("Licence"), language.tr("Third-party notices"), language.tr("Close")};
}

std::string AboutSummary(const Translator& language) {
    const AboutContent& a = About();
    std::string text;
    text.append(a.name).append(" ").append(a.version).append("\n");
    text.append(a.copyright).append("\n");
    text.append(AboutWordsIn(language).released).append("\n");
    text.append(a.homepage).append("\n");
    return text;
}

std::string PlainNotices() {
    std::string text;
    std::string_view rest = About().notices;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        const std::string_view line = rest.substr(0, end == std::string_view::npos ? rest.size() : end + 1);
        rest.remove_prefix(line.size());
        if (line.starts_with("```") || line.starts_with("<!--")) continue;
        text.append(line);
    }
    return text;
}

}  // namespace orvalde
