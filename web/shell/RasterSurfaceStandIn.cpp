// TEMPORARY: see RasterSurfaceStandIn.h.
#include "web/shell/RasterSurfaceStandIn.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace orvalde {
namespace {

std::uint32_t Pack(Rgb c) {
    return 0xff000000u | static_cast<std::uint32_t>(c.blue) << 16 | static_cast<std::uint32_t>(c.green) << 8 |
           static_cast<std::uint32_t>(c.red);
}

int DeviceSize(int logical, double dpr) { return std::max(1, static_cast<int>(std::ceil(logical * dpr))); }

}  // namespace

RasterSurface::RasterSurface(int logicalWidth, int logicalHeight, double devicePixelRatio)
    : logicalWidth_(0), logicalHeight_(0), dpr_(devicePixelRatio) {
    ensureSize(logicalWidth, logicalHeight);
}

void RasterSurface::ensureSize(int logicalWidth, int logicalHeight) {
    const int w = std::max(logicalWidth_, logicalWidth), h = std::max(logicalHeight_, logicalHeight);
    if (w == logicalWidth_ && h == logicalHeight_) return;
    PixelImage grown;
    grown.width_ = DeviceSize(w, dpr_);
    grown.height_ = DeviceSize(h, dpr_);
    grown.pixels_.assign(static_cast<std::size_t>(grown.width_) * grown.height_, Pack(back_));
    for (int y = 0; y < image_.height_; ++y)
        std::copy_n(image_.pixels_.begin() + static_cast<std::ptrdiff_t>(y) * image_.width_, image_.width_,
                    grown.pixels_.begin() + static_cast<std::ptrdiff_t>(y) * grown.width_);
    image_ = std::move(grown);
    logicalWidth_ = w;
    logicalHeight_ = h;
    dirty_.push_back({0, 0, image_.width_, image_.height_});
}

std::vector<PixelRect> RasterSurface::takeDirtyRects() { return std::exchange(dirty_, {}); }

std::vector<PixelRect> RasterSurface::takeDirtyLogicalRects() {
    std::vector<PixelRect> rects = takeDirtyRects();
    for (PixelRect& r : rects) {
        const int x0 = static_cast<int>(std::floor(r.x / dpr_)), y0 = static_cast<int>(std::floor(r.y / dpr_));
        r = {x0, y0, static_cast<int>(std::ceil((r.x + r.width) / dpr_)) - x0,
             static_cast<int>(std::ceil((r.y + r.height) / dpr_)) - y0};
    }
    return rects;
}

void RasterSurface::setWorld(double left, double top, double right, double bottom) {
    left_ = left;
    top_ = top;
    scaleWidth_ = right - left;
    scaleHeight_ = bottom - top;
    perX_ = logicalWidth_ / scaleWidth_;
    perY_ = logicalHeight_ / scaleHeight_;
}

void RasterSurface::setBackColor(Rgb colour) {
    back_ = colour;
    fill();
}

void RasterSurface::clear() {
    fill();
    curX_ = curY_ = 0;
}

void RasterSurface::fill() {
    std::fill(image_.pixels_.begin(), image_.pixels_.end(), Pack(back_));
    dirty_.push_back({0, 0, image_.width_, image_.height_});
}

void RasterSurface::dot(double dx, double dy, double diameter, std::uint32_t pixel) {
    const int half = static_cast<int>(diameter / 2);
    const int cx = static_cast<int>(std::lround(dx)), cy = static_cast<int>(std::lround(dy));
    const int x0 = std::max(0, cx - half), x1 = std::min(image_.width_ - 1, cx - half + std::max(1, static_cast<int>(diameter)) - 1);
    const int y0 = std::max(0, cy - half), y1 = std::min(image_.height_ - 1, cy - half + std::max(1, static_cast<int>(diameter)) - 1);
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) image_.pixels_[static_cast<std::size_t>(y) * image_.width_ + x] = pixel;
    if (x0 <= x1 && y0 <= y1) dirty_.push_back({x0, y0, x1 - x0 + 1, y1 - y0 + 1});
}

void RasterSurface::segment(double x1, double y1, double x2, double y2, Rgb colour) {
    const double ax = worldToLogicalX(x1) * dpr_, ay = worldToLogicalY(y1) * dpr_;
    const double bx = worldToLogicalX(x2) * dpr_, by = worldToLogicalY(y2) * dpr_;
    const double steps = std::min(1e5, std::ceil(std::max(std::fabs(bx - ax), std::fabs(by - ay))));
    const std::uint32_t pixel = Pack(colour);
    if (!std::isfinite(steps)) return;
    std::vector<PixelRect> before = std::exchange(dirty_, {});
    for (int i = 0; i <= static_cast<int>(steps); ++i) {
        const double t = steps > 0 ? i / steps : 0;
        dot(ax + (bx - ax) * t, ay + (by - ay) * t, width_ * dpr_, pixel);
    }
    if (!dirty_.empty()) {
        int l = dirty_[0].x, t = dirty_[0].y, r = l + dirty_[0].width, b = t + dirty_[0].height;
        for (const PixelRect& d : dirty_) {
            l = std::min(l, d.x), t = std::min(t, d.y);
            r = std::max(r, d.x + d.width), b = std::max(b, d.y + d.height);
        }
        before.push_back({l, t, r - l, b - t});
    }
    dirty_ = std::move(before);
}

void RasterSurface::line(float x1, float y1, float x2, float y2, Rgb colour) {
    segment(x1, y1, x2, y2, colour);
    curX_ = x2;
    curY_ = y2;
}

void RasterSurface::lineTo(float x2, float y2, Rgb colour) { line(curX_, curY_, x2, y2, colour); }

void RasterSurface::point(float x, float y, Rgb colour) {
    dot(worldToLogicalX(x) * dpr_, worldToLogicalY(y) * dpr_, width_ * dpr_, Pack(colour));
    curX_ = x;
    curY_ = y;
}

void RasterSurface::circle(float cx, float cy, float radius, Rgb colour) {
    arc(cx, cy, radius, 0, static_cast<float>(2 * M_PI), colour);
    curX_ = cx;
    curY_ = cy;
}

void RasterSurface::arc(float cx, float cy, float radius, float startAngle, float endAngle, Rgb colour) {
    constexpr int kSides = 48;
    for (int i = 0; i < kSides; ++i) {
        const double a = startAngle + (endAngle - startAngle) * i / kSides;
        const double b = startAngle + (endAngle - startAngle) * (i + 1) / kSides;
        segment(cx + radius * std::cos(a), cy + radius * std::sin(a), cx + radius * std::cos(b),
                cy + radius * std::sin(b), colour);
    }
}

}  // namespace orvalde
