#include "lesson/KeyRouting.h"

#include "lesson/Actions.h"

namespace orvalde {

namespace {

// A Greek letter as the Latin letter on the same key of the Greek layout, so
// that a class on a Greek keyboard needs no switch of layout for S, M, K, L
// or B. Empty for anything else.
std::string LatinOnGreekKey(std::string_view key) {
    if (key.size() != 2) return "";
    const auto b0 = static_cast<unsigned char>(key[0]), b1 = static_cast<unsigned char>(key[1]);
    if ((b0 & 0xE0) != 0xC0 || (b1 & 0xC0) != 0x80) return "";
    unsigned code = ((b0 & 0x1Fu) << 6) | (b1 & 0x3Fu);
    if (code >= 0x391 && code <= 0x3A9) code += 0x20;  // capitals as small letters
    // α β γ δ ε ζ η θ ι κ λ μ ν ξ ο π ρ ς σ τ υ φ χ ψ ω
    constexpr std::string_view latin = "abgdezhuiklmnjoprwstyfxcv";
    if (code < 0x3B1 || code > 0x3C9) return "";
    return std::string(1, latin[code - 0x3B1]);
}

}  // namespace

std::optional<ScrollMove> ScrollKey(std::string_view key) {
    if (key == "ArrowLeft" || key == "ArrowDown") return ScrollMove{ScrollMove::Step, -1};
    if (key == "ArrowRight" || key == "ArrowUp") return ScrollMove{ScrollMove::Step, 1};
    if (key == "PageDown") return ScrollMove{ScrollMove::Page, -1};
    if (key == "PageUp") return ScrollMove{ScrollMove::Page, 1};
    if (key == "Home") return ScrollMove{ScrollMove::ToMinimum, 0};
    if (key == "End") return ScrollMove{ScrollMove::ToMaximum, 0};
    return std::nullopt;
}

KeyRoute RouteKey(std::string_view key, Focus focus, bool repeat) {
    switch (focus) {
        case Focus::Menu: return {};
        case Focus::Button:
            if (key == "Space" || key == "Enter") return {};
            break;
        case Focus::ScrollBar:
            if (ScrollKey(key)) return {};
            break;
        case Focus::Elsewhere: break;
    }
    const Action* action = ActionForKey(key);
    if (!action) return {};
    if (repeat && !action->repeats) return {KeyRoute::Swallow, action->command};
    return {KeyRoute::Run, action->command};
}

std::string KeyName(std::string_view browserKey, bool shift) {
    if (browserKey == " ") return "Space";
    // One character, as typed: "M" and "m" are the same key.
    if (browserKey.size() == 1) {
        const char c = browserKey[0];
        return std::string(1, c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
    }
    // A multi-byte character (UTF-8) stays as it is, but for a Greek letter;
    // named keys carry Shift.
    if (static_cast<unsigned char>(browserKey[0]) >= 0x80) {
        const std::string latin = LatinOnGreekKey(browserKey);
        return latin.empty() ? std::string(browserKey) : latin;
    }
    return shift ? "Shift+" + std::string(browserKey) : std::string(browserKey);
}

}  // namespace orvalde
