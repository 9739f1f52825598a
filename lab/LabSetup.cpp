#include "lab/LabSetup.h"

#include <algorithm>
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

// The scramble of a hidden gravity: n hundredths of m/s² go to
// (n * kSeedFactor + kSeedShift) mod kSeedPrime, undone with the factor's
// inverse modulo the prime.
constexpr std::uint64_t kSeedPrime = 1000000007, kSeedFactor = 635918179, kSeedShift = 271828182;
constexpr std::uint64_t kHundredthsLimit = 1000000;  // g below 10000 m/s²

constexpr std::uint64_t PowerModulo(std::uint64_t base, std::uint64_t exponent) {
    std::uint64_t result = 1;
    base %= kSeedPrime;
    for (; exponent; exponent >>= 1, base = base * base % kSeedPrime)
        if (exponent & 1) result = result * base % kSeedPrime;
    return result;
}
constexpr std::uint64_t kSeedInverse = PowerModulo(kSeedFactor, kSeedPrime - 2);
static_assert(kSeedFactor * kSeedInverse % kSeedPrime == 1);

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

std::uint32_t GravitySeed(double gravity) {
    const double hundredths = std::round(gravity * 100);
    const std::uint64_t n =
        std::isfinite(hundredths) ? static_cast<std::uint64_t>(std::clamp(hundredths, 1.0, kHundredthsLimit - 1.0)) : 1;
    return static_cast<std::uint32_t>((n * kSeedFactor + kSeedShift) % kSeedPrime);
}

std::optional<double> GravityFromSeed(std::uint32_t seed) {
    if (seed >= kSeedPrime) return std::nullopt;
    const std::uint64_t n = (seed + kSeedPrime - kSeedShift) % kSeedPrime * kSeedInverse % kSeedPrime;
    if (n == 0 || n >= kHundredthsLimit) return std::nullopt;
    return static_cast<double>(n) / 100;
}

ParsedSetup ParseLabSetup(const std::string& query, const Translator& language) {
    ParsedSetup out{DefaultLabSetup(), {}};
    const LabParameters defaults = out.setup.parameters;
    LabParameters& p = out.setup.parameters;
    std::string heightsText;
    bool haveHeights = false;
    std::optional<std::string> planet, seed;

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
        } else if (key == "planet") {
            planet = value;
        } else if (key == "seed") {
            seed = value;
        }
    }
    // Planet X: its gravity from the seed, hidden, instead of g.
    if (planet) {
        double number = 0;
        std::optional<double> gravity;
        if (*planet != "x")
            out.messages.push_back(Bad("planet", "'" + *planet + "'", language));
        else if (!seed || !ReadNumber(*seed, number) || number < 0 || number != std::floor(number) ||
                 number > 4294967295.0 || !(gravity = GravityFromSeed(static_cast<std::uint32_t>(number))))
            out.messages.push_back(Bad("seed", "'" + seed.value_or("") + "'", language));
        else {
            p.gravity = *gravity;
            out.setup.gravityHidden = true;
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
            if (field == &LabParameters::gravity) out.setup.gravityHidden = false;
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
    std::string query = setup.gravityHidden ? "planet=x&seed=" + std::to_string(GravitySeed(p.gravity))
                                            : "g=" + ShortestNumber(p.gravity);
    query += "&length=" + ShortestNumber(p.length) + "&damping=" + ShortestNumber(p.damping);
    if (p.mass != LabParameters{}.mass) query += "&mass=" + ShortestNumber(p.mass);
    query += "&heights=";
    for (std::size_t i = 0; i < setup.heights.size(); ++i) query += (i ? "," : "") + ShortestNumber(setup.heights[i]);
    return query;
}

}  // namespace orvalde
