#include "lab/LabTexts.h"

#include <cstdio>

namespace orvalde::labtext {

std::string TooManyHeights(unsigned long most, const Translator& language) {
    return Fill(language.trn("At most {n} bob races on each path.", "At most {n} bobs race on each path.", most),
                {{"n", std::to_string(most)}});
}

std::string SpreadTogether(const char* track, int count, const std::string& within, const Translator& language) {
    // TRANSLATORS: {count} is the number of bobs in words ("six"), {within} a time such as 0,000001
    const char* text = language.trn("{track}: the {count} bob arrived within {within} s",
                                    "{track}: all {count} within {within} s", static_cast<unsigned long>(count));
    return Fill(text, {{"track", track}, {"count", CountWord(count, language)}, {"within", within}});
}

std::string SpreadWaiting(const char* track, int arrived, int count, const Translator& language) {
    // TRANSLATORS: plural by {n}, the bobs that arrived; {count} is how many race on the track
    const char* text = language.trn("{track}: {n} of {count} arrived so far", "{track}: {n} of {count} arrived so far",
                                    static_cast<unsigned long>(arrived));
    return Fill(text, {{"track", track}, {"n", std::to_string(arrived)}, {"count", std::to_string(count)}});
}

const char* TrackWord(bool cycloid, const Translator& language) {
    return language.tr(cycloid ? kCycloidTrack : kCircleTrack);
}

std::string CountWord(int n, const Translator& language) {
    // TRANSLATORS: counts of bobs in words, as in "all six within 0.000001 s"
    static const char* const words[] = {N_("no"),   N_("one"),    N_("two"),   N_("three"), N_("four"),
                                        N_("five"), N_("six"),    N_("seven"), N_("eight"), N_("nine"),
                                        N_("ten"),  N_("eleven"), N_("twelve")};
    if (n >= 0 && n <= 12) return language.tr(words[n]);
    return std::to_string(n);
}

std::string Number(const Translator& language, double value, const char* format) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    std::string out = text;
    if (const auto dot = out.find('.'); dot != std::string::npos) out.replace(dot, 1, language.decimalSeparator());
    return out;
}

}  // namespace orvalde::labtext
