#pragma once
// What the help window (F1) and the buttons' tooltips say, in English. The
// captions on the buttons stay as they are.

#include <array>

#include "display/ReadableText.h"

namespace orvalde {

struct ButtonHelp {
    int number;  // CommandN
    const char* text;
};

inline constexpr std::array<ButtonHelp, 9> kButtonHelp{{
    {1, "Releases the cycloidal pendulum from the position chosen with the scroll bar; the exact circular "
        "pendulum swings beside it."},
    {2, "Stops the cycloidal pendulum where it is."},
    {3, "Draws the cheeks (the evolute of the bob's cycloid) again as green dots."},
    {4, "Draws the integrated circular pendulum at its start, at the cycloidal bob's height."},
    {5, "Releases the integrated circular pendulum from its start."},
    {6, "Lets the stopped cycloidal pendulum go on from where it is."},
    {7, "Stops the cycloidal pendulum and moves it on by one step of 0.1 s."},
    {8, "Stops the integrated circular pendulum; the next start begins again from its start."},
    {9, text::kJointHelp},
}};

inline constexpr const char* kKeysHelp =
    "Space: pause and resume whatever is running\n"
    "S or \u2192: one step of the cycloidal pendulum (as STEP)\n"
    "M: show or hide the measurements\n"
    "F1: this help\n"
    "1, 2, 3, 4: pace \u00bc\u00d7, 1\u00d7 (real time, 10 steps a second), 6\u00d7 (one step per screen frame, "
    "the default), 24\u00d7 (four steps per frame)\n"
    "Right click on the drawing: the same actions, and saving the picture or the measurements.";

}  // namespace orvalde
