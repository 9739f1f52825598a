#include "surface/RecordingSurface.h"

#include <algorithm>
#include <cmath>

namespace orvalde {

void RecordingSurface::setWorld(double left, double top, double right, double bottom) {
    scaleWidth_ = right - left;
    scaleHeight_ = bottom - top;
}

void RecordingSurface::setBackColor(Rgb colour) {
    back_ = colour;
    DrawCall call;
    call.kind = DrawKind::Background;
    call.colour = colour;
    keep(call);
}

void RecordingSurface::clear() {
    curX_ = curY_ = 0;
    DrawCall call;
    call.kind = DrawKind::Clear;
    call.colour = back_;
    keep(call);
}

void RecordingSurface::line(float x1, float y1, float x2, float y2, Rgb colour) {
    DrawCall call;
    call.kind = DrawKind::Line;
    call.x1 = x1;
    call.y1 = y1;
    call.x2 = x2;
    call.y2 = y2;
    call.colour = colour;
    keep(call);
    curX_ = x2;
    curY_ = y2;
}

void RecordingSurface::lineTo(float x2, float y2, Rgb colour) { line(curX_, curY_, x2, y2, colour); }

void RecordingSurface::point(float x, float y, Rgb colour) {
    DrawCall call;
    call.kind = DrawKind::Point;
    call.x1 = x;
    call.y1 = y;
    call.colour = colour;
    keep(call);
    curX_ = x;
    curY_ = y;
}

void RecordingSurface::circle(float cx, float cy, float radius, Rgb colour) {
    DrawCall call;
    call.kind = DrawKind::Circle;
    call.x1 = cx;
    call.y1 = cy;
    call.radius = radius;
    call.colour = colour;
    keep(call);
    curX_ = cx;
    curY_ = cy;
}

void RecordingSurface::arc(float cx, float cy, float radius, float startAngle, float endAngle, Rgb colour) {
    DrawCall call;
    call.kind = DrawKind::Arc;
    call.x1 = cx;
    call.y1 = cy;
    call.radius = radius;
    call.startAngle = startAngle;
    call.endAngle = endAngle;
    call.colour = colour;
    keep(call);
    curX_ = cx;
    curY_ = cy;
}

void RecordingSurface::setTextPosition(float x, float y) {
    curX_ = x;
    curY_ = y;
}

void RecordingSurface::print(const std::string& text) {
    DrawCall call;
    call.kind = DrawKind::Text;
    call.x1 = curX_;
    call.y1 = curY_;
    call.text = text;
    keep(call);
}

void RecordingSurface::keep(DrawCall call) {
    for (float v : {call.x1, call.y1, call.x2, call.y2, call.radius, call.startAngle, call.endAngle}) {
        if (!std::isfinite(v)) {
            ++nonFinite_;
            break;
        }
    }
    if (!keepCalls_) return;
    call.width = width_;
    call.style = style_;
    calls_.push_back(std::move(call));
}

std::size_t RecordingSurface::count(DrawKind kind) const {
    return static_cast<std::size_t>(
        std::count_if(calls_.begin(), calls_.end(), [kind](const DrawCall& c) { return c.kind == kind; }));
}

}  // namespace orvalde
