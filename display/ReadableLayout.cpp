#include "display/ReadableLayout.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace orvalde {
namespace {

constexpr int kMargin = 6;
constexpr double kWeightArrow = 3 * 10;  // the weight, 10 N, drawn three times as long

PixelRect FromEdges(double left, double top, double right, double bottom) {
    const int x = static_cast<int>(std::floor(left)), y = static_cast<int>(std::floor(top));
    return {x, y, static_cast<int>(std::ceil(right)) - x, static_cast<int>(std::ceil(bottom)) - y};
}

}  // namespace

bool Overlap(const PixelRect& a, const PixelRect& b) {
    return !a.empty() && !b.empty() && a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height &&
           b.y < a.y + a.height;
}

PixelRect Union(const PixelRect& a, const PixelRect& b) {
    if (a.empty()) return b;
    if (b.empty()) return a;
    const int x = std::min(a.x, b.x), y = std::min(a.y, b.y);
    return {x, y, std::max(a.x + a.width, b.x + b.width) - x, std::max(a.y + a.height, b.y + b.height) - y};
}

PixelRect BobRegion(const WorldMapping& world, double a) {
    const double span = 2 * std::numbers::pi * a;
    const double x1 = world.x(-span), x2 = world.x(span);
    const double y1 = world.y(2 * a), y2 = world.y(-2 * a - kWeightArrow);
    return FromEdges(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2));
}

PanelLayout DockPanel(const ScreenLayoutInput& screen, double worldHalfWidth, double worldHalfHeight, bool shown) {
    const WorldMapping& w = screen.world;
    PanelLayoutInput in;
    in.clientWidth = screen.clientWidth;
    in.clientHeight = screen.clientHeight;
    in.pictureWidth = std::abs(w.x(worldHalfWidth) - w.x(-worldHalfWidth));
    in.pictureHeight = std::abs(w.y(-worldHalfHeight) - w.y(worldHalfHeight));
    if (!std::isfinite(in.pictureWidth) || !std::isfinite(in.pictureHeight)) in.pictureWidth = in.pictureHeight = 0;
    in.buttonsRight = screen.buttons.x + screen.buttons.width;
    in.buttonsBottom = screen.buttons.y + screen.buttons.height;
    in.shown = shown;
    return LayOutPanel(in);
}

ScreenLayoutInput DockedScreen(ScreenLayoutInput screen, const PanelLayout& docked) {
    if (docked.panel.empty()) return screen;
    screen.world.perUnitX *= docked.drawingScale;
    screen.world.perUnitY *= docked.drawingScale;
    if (docked.below) {
        screen.clientHeight = static_cast<int>(docked.panel.y);
    } else {
        screen.clientWidth = static_cast<int>(docked.panel.x);
    }
    return screen;
}

std::vector<PixelRect> LegendPlaces(const ScreenLayoutInput& in) {
    const PixelRect bobs = BobRegion(in.world);
    std::vector<PixelRect> places;
    auto add = [&](int left, int top, int right, int bottom) {
        const PixelRect r{left + kMargin, top + kMargin, right - left - 2 * kMargin, bottom - top - 2 * kMargin};
        if (!r.empty()) places.push_back(r);
    };
    const int right = in.clientWidth;
    const int buttonsRight = in.buttons.x + in.buttons.width, buttonsBottom = in.buttons.y + in.buttons.height;
    const PixelRect status = StatusPlace(in);
    add(buttonsRight, 0, right, bobs.y);
    add(0, buttonsBottom, right, bobs.y);
    add(bobs.x + bobs.width, buttonsRight > bobs.x + bobs.width ? buttonsBottom : 0, right,
        status.empty() ? in.clientHeight : status.y);
    // Below the status line and the scroll bar, last: there is room there
    // mostly when the drawing is shown smaller beside the panel.
    const int below = std::max({bobs.y + bobs.height, status.empty() ? 0 : status.y + status.height,
                                in.scrollBar.empty() ? 0 : in.scrollBar.y + in.scrollBar.height});
    add(0, below, right, in.clientHeight);
    return places;
}

PixelRect StatusPlace(const ScreenLayoutInput& in) {
    const PixelRect bobs = BobRegion(in.world);
    const int left = std::max(in.scrollBar.x + in.scrollBar.width, 0) + kMargin;
    const int top = bobs.y + bobs.height + kMargin;
    // Three lines at most: below a drawing shown smaller there is more room than that.
    constexpr int kStatusMaxHeight = 96;
    const PixelRect r{left, top, in.clientWidth - kMargin - left,
                      std::min(in.clientHeight - kMargin - top, kStatusMaxHeight)};
    return r.empty() ? PixelRect{} : r;
}

}  // namespace orvalde
