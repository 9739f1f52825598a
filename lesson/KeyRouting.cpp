#include "lesson/KeyRouting.h"

#include "lesson/Actions.h"

namespace orvalde {

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
    // A multi-byte character (UTF-8) stays as it is; named keys carry Shift.
    if (static_cast<unsigned char>(browserKey[0]) >= 0x80) return std::string(browserKey);
    return shift ? "Shift+" + std::string(browserKey) : std::string(browserKey);
}

}  // namespace orvalde
