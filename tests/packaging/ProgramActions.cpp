#include "tests/packaging/ProgramActions.h"

namespace orvalde {

// The keys and menu entries of app/window/LessonControls.cpp and the
// measurements window. When an action table lists them all, build this from
// it, one entry per row.
std::vector<UserAction> ProgramActions() {
    return {
        {"Space", "Pause"},
        {"S", "Step the cycloidal pendulum"},
        {"Right", "Step the cycloidal pendulum"},
        {"M", "Show or hide the measurements"},
        {"F1", "Help"},
        {"1", "Pace"},
        {"2", "Pace"},
        {"3", "Pace"},
        {"4", "Pace"},
        {"", "Save picture…"},
        {"", "Save measurements…"},
        {"", "Measure all release heights"},
        {"", "Cancel"},
    };
}

}  // namespace orvalde
