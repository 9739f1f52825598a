#include "lab/LabTexts.h"

#include <cstdio>

namespace orvalde::labtext {

std::string CountWord(int n) {
    static const char* const words[] = {"no",    "one",   "two", "three", "four",   "five",  "six",
                                        "seven", "eight", "nine", "ten",  "eleven", "twelve"};
    if (n >= 0 && n <= 12) return words[n];
    return std::to_string(n);
}

std::string Format(const char* format, double a, double b) {
    char text[512];
    std::snprintf(text, sizeof text, format, a, b);
    return text;
}

std::string Fill(const char* format, std::initializer_list<std::string> parts) {
    std::string out(format);
    std::size_t at = 0;
    for (const std::string& part : parts) {
        at = out.find("%s", at);
        if (at == std::string::npos) break;
        out.replace(at, 2, part);
        at += part.size();
    }
    return out;
}

}  // namespace orvalde::labtext
