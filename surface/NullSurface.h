#pragma once
// A surface that draws nothing: for measuring the physics alone.

#include "surface/DrawingSurface.h"

namespace orvalde {

class NullSurface : public DrawingSurface {
public:
    void setWorld(double left, double top, double right, double bottom) override {
        scaleWidth_ = right - left;
        scaleHeight_ = bottom - top;
    }
    double scaleWidth() const override { return scaleWidth_; }
    double scaleHeight() const override { return scaleHeight_; }
    void setBackColor(Rgb colour) override { back_ = colour; }
    Rgb backColor() const override { return back_; }
    Rgb foreColor() const override { return Rgb{0, 0, 0}; }
    void setLineWidth(int pixels) override { width_ = pixels; }
    int lineWidth() const override { return width_; }
    void setLineStyle(LineStyle) override {}
    void clear() override {}
    using DrawingSurface::circle;
    using DrawingSurface::line;
    using DrawingSurface::lineTo;
    void line(float, float, float, float, Rgb) override {}
    void lineTo(float, float, Rgb) override {}
    void point(float, float, Rgb) override {}
    void circle(float, float, float, Rgb) override {}
    void arc(float, float, float, float, float, Rgb) override {}
    void setTextPosition(float, float) override {}
    void print(const std::string&) override {}

private:
    double scaleWidth_ = 0, scaleHeight_ = 0;
    Rgb back_{255, 255, 255};
    int width_ = 1;
};

}  // namespace orvalde
