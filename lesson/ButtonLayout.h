#pragma once
// The window's nine buttons: captions and design positions in twips
// (left, top, width, height), converted at 15 twips per pixel on a 96-dpi
// screen and scaled with the screen's logical dpi.

#include <array>

namespace orvalde {

struct ButtonDesign {
    int number;                    // CommandN
    const char* caption;           // UTF-8
    int left, top, width, height;  // twips
};

inline constexpr std::array<ButtonDesign, 9> kButtons{{
    {4, "KYKLIKO", 0, 0, 1935, 615},
    {3, "NEA EXILIGMENH", 1920, 0, 1815, 615},
    {1, "TIME ON", 3720, 0, 1815, 615},
    {2, "TIME  OFF", 5520, -120, 2055, 735},
    {6, "CONTINUE", 7560, 0, 2055, 615},
    {7, "STEP", 9600, 0, 2415, 615},
    {9, "orvalde \u03ba\u03b1\u03b9 \u03ba\u03c5\u03ba\u03bb\u03b9\u03ba\u03cc \u03bc\u03b1\u03b6\u03af", 9600, 600,
     2415, 855},
    {5, "time on KYKLIKO", 12000, 0, 1935, 615},
    {8, "TIMEOFF KYKLIKO", 12000, 600, 2055, 735},
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
