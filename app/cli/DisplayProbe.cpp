#include "app/cli/DisplayProbe.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <thread>

#ifdef ORVALDE_WITH_XCB
#include <xcb/xcb.h>
#endif

namespace orvalde {
namespace {

std::string Value(const EnvLookup& env, const char* name) {
    const char* v = env(name);
    return v ? std::string(v) : std::string();
}

// The value of Qt's option `name` (-name value, --name value, -name=value).
std::string OptionValue(const std::vector<std::string>& arguments, const std::string& name) {
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        const std::size_t dashes = a.rfind("--", 0) == 0 ? 2 : a.rfind('-', 0) == 0 ? 1 : 0;
        if (dashes == 0) continue;
        const std::string bare = a.substr(dashes);
        if (bare == name) return i + 1 < arguments.size() ? arguments[i + 1] : std::string();
        if (bare.rfind(name + "=", 0) == 0) return bare.substr(name.size() + 1);
    }
    return {};
}

}  // namespace

DisplayPlan PlanDisplay(const std::vector<std::string>& arguments, const EnvLookup& env) {
    std::string platform = OptionValue(arguments, "platform");
    if (platform.empty()) platform = Value(env, "QT_QPA_PLATFORM");
    const std::string x11 = [&] {
        const std::string option = OptionValue(arguments, "display");
        return option.empty() ? Value(env, "DISPLAY") : option;
    }();
    const std::string wayland = Value(env, "WAYLAND_DISPLAY");

    if (!platform.empty()) {
        // A list ("wayland;xcb") is tried in order: the first entry decides.
        if (platform.rfind("xcb", 0) != 0) return {DisplayPlan::Trusted, {}};
    } else if (!wayland.empty() && (x11.empty() || Value(env, "XDG_SESSION_TYPE") == "wayland")) {
        return {DisplayPlan::Trusted, {}};
    }
    if (x11.empty()) return {DisplayPlan::NoDisplay, {}};
    return {DisplayPlan::X11, x11};
}

ProbeResult ProbeX11Display(const std::string& name, std::chrono::milliseconds limit) {
#ifdef ORVALDE_WITH_XCB
    const pid_t child = fork();
    if (child < 0) return ProbeResult::Open;  // cannot ask: leave it to Qt
    if (child == 0) {
        // libxcb writes the server's refusal to stderr itself.
        const int null = open("/dev/null", O_WRONLY);
        if (null >= 0) dup2(null, STDERR_FILENO);
        xcb_connection_t* c = xcb_connect(name.c_str(), nullptr);
        _exit(xcb_connection_has_error(c) ? 1 : 0);
    }
    const auto deadline = std::chrono::steady_clock::now() + limit;
    int status = 0;
    while (waitpid(child, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() >= deadline) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            return ProbeResult::TimedOut;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? ProbeResult::Open : ProbeResult::Failed;
#else
    (void)name;
    (void)limit;
    return ProbeResult::Open;
#endif
}

}  // namespace orvalde
