#include "measure/PanelLayout.h"

#include <algorithm>
#include <cmath>

namespace orvalde {
namespace {

// Narrow enough for two plots stacked with 12 px text, wide enough to read.
constexpr double kMinSide = 360, kMaxSide = 760, kSideShare = 0.3;
constexpr double kMinBelow = 260, kMaxBelow = 620, kBelowShare = 0.42;
constexpr double kGap = 8;
// Wider than this many heights counts as landscape.
constexpr double kLandscape = 1.2;

double Fit(double room, double size) { return size > 0 ? room / size : 1; }

}  // namespace

PanelLayout LayOutPanel(const PanelLayoutInput& in) {
    PanelLayout out;
    if (!in.shown || in.clientWidth <= 0 || in.clientHeight <= 0) return out;
    const double w = in.clientWidth, h = in.clientHeight;
    out.below = w < kLandscape * h || w < 2 * kMinSide;
    if (!out.below) {
        const double side = std::round(std::clamp(kSideShare * w, kMinSide, kMaxSide));
        out.panel.x = w - side;
        out.panel.width = side;
        // Under the buttons where they reach into the column.
        out.panel.y = out.panel.x < in.buttonsRight ? std::ceil(in.buttonsBottom) + kGap : 0;
        out.panel.height = std::max(0.0, h - out.panel.y);
        out.drawingScale = std::min({1.0, Fit(out.panel.x - kGap, in.pictureWidth), Fit(h, in.pictureHeight)});
    } else {
        const double room = std::round(std::clamp(kBelowShare * h, kMinBelow, kMaxBelow));
        out.panel.y = std::max(h - room, std::ceil(in.buttonsBottom) + kGap);
        out.panel.height = std::max(0.0, h - out.panel.y);
        out.panel.width = w;
        out.drawingScale = std::min({1.0, Fit(w, in.pictureWidth), Fit(out.panel.y - kGap, in.pictureHeight)});
    }
    out.drawingScale = std::max(out.drawingScale, 0.05);
    return out;
}

}  // namespace orvalde
