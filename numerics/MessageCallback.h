#pragma once
// How the numerics tell the user about arguments they cannot take, without
// knowing what shows messages: a non-owning callback to any object with
// show(text), such as the window's message box.

#include <string>

namespace orvalde {

class MessageCallback {
public:
    template <class Target>
    requires requires(Target& target, const std::string& text) { target.show(text); }
    MessageCallback(Target& target)  // NOLINT: implicit, so callers pass their box as it is
        : target_(&target), show_([](void* t, const std::string& text) { static_cast<Target*>(t)->show(text); }) {}

    void operator()(const std::string& text) const { show_(target_, text); }

private:
    void* target_;
    void (*show_)(void*, const std::string&);
};

}  // namespace orvalde
