#pragma once
// Passes every call on to another surface and counts the calls that carried
// a non-finite coordinate, so that long random runs can prove there were none.

#include <cmath>
#include <initializer_list>
#include <string>

#include "surface/DrawingSurface.h"

namespace orvalde {

class CheckingSurface : public DrawingSurface {
public:
    explicit CheckingSurface(DrawingSurface& inner) : inner_(inner) {}

    std::size_t nonFiniteCalls() const { return nonFinite_; }

    void setWorld(double left, double top, double right, double bottom) override {
        inner_.setWorld(left, top, right, bottom);
    }
    double scaleWidth() const override { return inner_.scaleWidth(); }
    double scaleHeight() const override { return inner_.scaleHeight(); }
    void setBackColor(Rgb colour) override { inner_.setBackColor(colour); }
    Rgb backColor() const override { return inner_.backColor(); }
    Rgb foreColor() const override { return inner_.foreColor(); }
    void setLineWidth(int pixels) override { inner_.setLineWidth(pixels); }
    int lineWidth() const override { return inner_.lineWidth(); }
    void setLineStyle(LineStyle style) override { inner_.setLineStyle(style); }
    void clear() override { inner_.clear(); }
    using DrawingSurface::circle;
    using DrawingSurface::line;
    using DrawingSurface::lineTo;
    void line(float x1, float y1, float x2, float y2, Rgb c) override {
        check({x1, y1, x2, y2});
        inner_.line(x1, y1, x2, y2, c);
    }
    void lineTo(float x2, float y2, Rgb c) override {
        check({x2, y2});
        inner_.lineTo(x2, y2, c);
    }
    void point(float x, float y, Rgb c) override {
        check({x, y});
        inner_.point(x, y, c);
    }
    void circle(float cx, float cy, float r, Rgb c) override {
        check({cx, cy, r});
        inner_.circle(cx, cy, r, c);
    }
    void arc(float cx, float cy, float r, float a0, float a1, Rgb c) override {
        check({cx, cy, r, a0, a1});
        inner_.arc(cx, cy, r, a0, a1, c);
    }
    void setTextPosition(float x, float y) override {
        check({x, y});
        inner_.setTextPosition(x, y);
    }
    void print(const std::string& text) override { inner_.print(text); }

private:
    void check(std::initializer_list<float> values) {
        for (float v : values) {
            if (!std::isfinite(v)) {
                ++nonFinite_;
                return;
            }
        }
    }

    DrawingSurface& inner_;
    std::size_t nonFinite_ = 0;
};

}  // namespace orvalde
