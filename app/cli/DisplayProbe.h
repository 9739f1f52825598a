#pragma once
// Whether the display Qt is about to open will let us in, asked before
// QApplication exists: when Qt's X11 platform cannot connect it aborts, with
// advice that does not fit. Plain C++ and POSIX; libxcb when it was found.

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace orvalde {

struct DisplayPlan {
    enum Kind {
        Trusted,    // Qt uses a platform that needs no X display (offscreen, wayland,
                    // ...)
        X11,        // Qt opens the X display `name`: probe it first
        NoDisplay,  // no display variable at all
    };
    Kind kind = Trusted;
    std::string name;
};

using EnvLookup = std::function<const char*(const char*)>;

// The display Qt will open for these arguments (the program's name first)
// and this environment, decided as Qt decides its platform: -platform, then
// QT_QPA_PLATFORM, then a Wayland session, else X11.
DisplayPlan PlanDisplay(const std::vector<std::string>& arguments, const EnvLookup& env);

enum class ProbeResult { Open, Failed, TimedOut };

// Connects to the X display in a child process, so that neither libxcb's own
// messages nor a display that never answers reach the program; gives up after
// `limit`. Open when libxcb was not built in.
ProbeResult ProbeX11Display(const std::string& name, std::chrono::milliseconds limit);

}  // namespace orvalde
