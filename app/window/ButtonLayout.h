#pragma once
// The window's nine buttons: captions and design positions in twips
// (left, top, width, height), converted at 15 twips per pixel on a 96-dpi
// screen and scaled with the screen's logical dpi.

#include <array>

#include "language/Mark.h"

namespace orvalde {

struct ButtonDesign {
    int number;           // CommandN
    const char* caption;  // UTF-8
    int left, top, width, height;  // twips
    const char* description;  // what it does, for assistive technology; translated where shown
};

inline constexpr std::array<ButtonDesign, 9> kButtons{{
    {4, "KYKLIKO", 0, 0, 1935, 615, N_("Draws the integrated circular pendulum at its start")},
    {3, "NEA EXILIGMENH", 1920, 0, 1815, 615, N_("Draws the cheeks again as green dots")},
    {1, "TIME ON", 3720, 0, 1815, 615,
     N_("Releases the cycloidal pendulum from the chosen start, with the exact circular pendulum beside it")},
    {2, "TIME  OFF", 5520, -120, 2055, 735, N_("Freezes the cycloidal pendulum")},
    {6, "CONTINUE", 7560, 0, 2055, 615, N_("Resumes the cycloidal pendulum")},
    {7, "STEP", 9600, 0, 2415, 615, N_("Stops the cycloidal pendulum and advances it by one tick")},
    {9, "orvalde \u03ba\u03b1\u03b9 \u03ba\u03c5\u03ba\u03bb\u03b9\u03ba\u03cc \u03bc\u03b1\u03b6\u03af", 9600, 600, 2415, 855,
     N_("Runs the cycloidal and the integrated circular pendulum together")},
    {5, "time on KYKLIKO", 12000, 0, 1935, 615, N_("Swings the integrated circular pendulum")},
    {8, "TIMEOFF KYKLIKO", 12000, 600, 2055, 735, N_("Stops the integrated circular pendulum")},
}};

// The joint button overlaps "TIMEOFF KYKLIKO" by a pixel, where its caption
// ends: it is drawn above its neighbours so that the caption shows in full.
inline constexpr int kRaisedButton = 9;

// Twips to logical pixels for a screen of the given logical dpi.
constexpr int TwipsToPixels(int twips, double logicalDpi) {
    const double pixels = twips / 15.0 * (logicalDpi / 96.0);
    return static_cast<int>(pixels < 0 ? pixels - 0.5 : pixels + 0.5);
}

}  // namespace orvalde
