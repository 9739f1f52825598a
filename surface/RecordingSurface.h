#pragma once
// A headless surface that keeps every drawing call, for tests and tools.

#include <cstddef>
#include <string>
#include <vector>

#include "surface/DrawingSurface.h"

namespace orvalde {

enum class DrawKind { Line, Point, Circle, Arc, Text, Clear, Background };

struct DrawCall {
    DrawKind kind = DrawKind::Line;
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // line ends; point or centre in x1, y1
    float radius = 0, startAngle = 0, endAngle = 0;
    Rgb colour{};
    int width = 1;
    LineStyle style = LineStyle::Solid;
    std::string text;
};

class RecordingSurface : public DrawingSurface {
public:
    // When false, calls update the pen and position but are not stored
    // (for long runs that only need the state).
    explicit RecordingSurface(bool keepCalls = true) : keepCalls_(keepCalls) {}

    void setWorld(double left, double top, double right, double bottom) override;
    double scaleWidth() const override { return scaleWidth_; }
    double scaleHeight() const override { return scaleHeight_; }
    void setBackColor(Rgb colour) override;
    Rgb backColor() const override { return back_; }
    Rgb foreColor() const override { return Rgb{0, 0, 0}; }
    void setLineWidth(int pixels) override { width_ = pixels; }
    int lineWidth() const override { return width_; }
    void setLineStyle(LineStyle style) override { style_ = style; }
    void clear() override;
    using DrawingSurface::circle;
    using DrawingSurface::line;
    using DrawingSurface::lineTo;
    void line(float x1, float y1, float x2, float y2, Rgb colour) override;
    void lineTo(float x2, float y2, Rgb colour) override;
    void point(float x, float y, Rgb colour) override;
    void circle(float cx, float cy, float radius, Rgb colour) override;
    void arc(float cx, float cy, float radius, float startAngle, float endAngle, Rgb colour) override;
    void setTextPosition(float x, float y) override;
    void print(const std::string& text) override;

    const std::vector<DrawCall>& calls() const { return calls_; }
    void forget() { calls_.clear(); }
    std::size_t count(DrawKind kind) const;
    // Count of calls since any non-finite coordinate was passed.
    std::size_t nonFiniteCalls() const { return nonFinite_; }
    LineStyle lineStyle() const { return style_; }
    float currentX() const { return curX_; }
    float currentY() const { return curY_; }

private:
    void keep(DrawCall call);

    bool keepCalls_;
    std::vector<DrawCall> calls_;
    double scaleWidth_ = 0, scaleHeight_ = 0;
    Rgb back_{255, 255, 255};
    int width_ = 1;
    LineStyle style_ = LineStyle::Solid;
    float curX_ = 0, curY_ = 0;
    std::size_t nonFinite_ = 0;
};

}  // namespace orvalde
