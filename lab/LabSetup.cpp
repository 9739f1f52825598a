#include "lab/LabSetup.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "lab/LabTexts.h"
#include "lab/Race.h"

namespace orvalde {
namespace {

std::string Decode(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '+') {
            out += ' ';
        } else if (text[i] == '%' && i + 2 < text.size() && std::isxdigit(static_cast<unsigned char>(text[i + 1])) &&
                   std::isxdigit(static_cast<unsigned char>(text[i + 2]))) {
            out += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

bool ReadNumber(const std::string& text, double& value) {
    if (text.empty() || std::isspace(static_cast<unsigned char>(text[0]))) return false;
    errno = 0;
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return errno == 0 && end && *end == '\0' && std::isfinite(value);
}

bool ReadList(const std::string& text, std::vector<double>& values) {
    values.clear();
    std::size_t from = 0;
    while (true) {
        const std::size_t comma = text.find(',', from);
        double v = 0;
        if (!ReadNumber(text.substr(from, comma == std::string::npos ? std::string::npos : comma - from), v))
            return false;
        values.push_back(v);
        if (comma == std::string::npos) return true;
        from = comma + 1;
    }
}

std::string Bad(const std::string& key, const std::string& why, const Translator& language) {
    return Fill(language.tr(labtext::kUrlBadValue), {{"name", key}, {"why", why}});
}

}  // namespace

LabSetup DefaultLabSetup() {
    LabSetup setup;
    setup.heights = EvenHeights(setup.parameters.length, 6);
    return setup;
}

std::string ShortestNumber(double v) {
    char text[40];
    for (int digits = 1; digits <= 17; ++digits) {
        std::snprintf(text, sizeof text, "%.*g", digits, v);
        // 80 is "80", not "8e+01": no exponent for numbers a pupil reads.
        const bool plain = std::strchr(text, 'e') == nullptr || std::fabs(v) < 1e-4 || std::fabs(v) >= 1e15;
        if (plain && std::strtod(text, nullptr) == v) break;
    }
    return text;
}

std::string ShortestNumber(double v, const Translator& language) {
    std::string text = ShortestNumber(v);
    if (const auto dot = text.find('.'); dot != std::string::npos) text.replace(dot, 1, language.decimalSeparator());
    return text;
}

ParsedSetup ParseLabSetup(const std::string& query, const Translator& language) {
    ParsedSetup out{DefaultLabSetup(), {}};
    const LabParameters defaults = out.setup.parameters;
    LabParameters& p = out.setup.parameters;
    std::string heightsText;
    bool haveHeights = false;

    std::size_t from = !query.empty() && query[0] == '?' ? 1 : 0;
    while (from < query.size()) {
        std::size_t amp = query.find('&', from);
        if (amp == std::string::npos) amp = query.size();
        const std::string pair = query.substr(from, amp - from);
        from = amp + 1;
        const std::size_t eq = pair.find('=');
        const std::string key = Decode(pair.substr(0, eq));
        const std::string value = eq == std::string::npos ? "" : Decode(pair.substr(eq + 1));
        double* target = key == "g"         ? &p.gravity
                         : key == "length"  ? &p.length
                         : key == "damping" ? &p.damping
                         : key == "mass"    ? &p.mass
                                            : nullptr;
        if (target) {
            double v = 0;
            if (!ReadNumber(value, v)) {
                out.messages.push_back(Bad(key, "'" + value + "'", language));
            } else {
                *target = v;
            }
        } else if (key == "heights") {
            heightsText = value;
            haveHeights = true;
        }
    }
    // One parameter at a time, so that a bad one does not take the good ones with it.
    for (auto [key, field] : {std::pair{"g", &LabParameters::gravity},
                              {"length", &LabParameters::length},
                              {"mass", &LabParameters::mass},
                              {"damping", &LabParameters::damping}}) {
        LabParameters trial = defaults;
        trial.*field = p.*field;
        if (key == std::string("damping")) trial.gravity = p.gravity, trial.length = p.length;
        if (const std::string why = RefuseParameters(trial, language); !why.empty()) {
            out.messages.push_back(Bad(key, why, language));
            p.*field = defaults.*field;
        }
    }
    out.setup.heights = EvenHeights(p.length, 6);
    if (haveHeights) {
        std::vector<double> heights;
        std::string why;
        if (!ReadList(heightsText, heights))
            why = "'" + heightsText + "'";
        else
            why = RefuseHeights(heights, p.length, language);
        if (why.empty())
            out.setup.heights = heights;
        else
            out.messages.push_back(Bad("heights", why, language));
    }
    return out;
}

std::string SerialiseLabSetup(const LabSetup& setup) {
    const LabParameters& p = setup.parameters;
    std::string query = "g=" + ShortestNumber(p.gravity) + "&length=" + ShortestNumber(p.length) +
                        "&damping=" + ShortestNumber(p.damping);
    if (p.mass != LabParameters{}.mass) query += "&mass=" + ShortestNumber(p.mass);
    query += "&heights=";
    for (std::size_t i = 0; i < setup.heights.size(); ++i) query += (i ? "," : "") + ShortestNumber(setup.heights[i]);
    return query;
}

}  // namespace orvalde
