#pragma once
// TEMPORARY stand-in for the shared raster surface while it is being built:
// the same public interface, crude drawing (square brushes, polygonal
// circles, no text). Delete this file once the real surface is on main.

#include <cstdint>
#include <string>
#include <vector>

#include "surface/DrawingSurface.h"

namespace orvalde {

struct PixelRect {
    int x = 0, y = 0, width = 0, height = 0;
};

class PixelImage {
public:
    int width() const { return width_; }
    int height() const { return height_; }
    const std::uint32_t* data() const { return pixels_.data(); }

private:
    friend class RasterSurface;
    int width_ = 0, height_ = 0;
    std::vector<std::uint32_t> pixels_;
};

class RasterSurface : public DrawingSurface {
public:
    RasterSurface(int logicalWidth, int logicalHeight, double devicePixelRatio = 1.0);

    void ensureSize(int logicalWidth, int logicalHeight);
    int logicalWidth() const { return logicalWidth_; }
    int logicalHeight() const { return logicalHeight_; }
    double devicePixelRatio() const { return dpr_; }
    const PixelImage& image() const { return image_; }
    std::vector<PixelRect> takeDirtyRects();
    std::vector<PixelRect> takeDirtyLogicalRects();
    double worldToLogicalX(double x) const { return (x - left_) * perX_; }
    double worldToLogicalY(double y) const { return (y - top_) * perY_; }
    double logicalPerWorldX() const { return perX_; }
    double logicalPerWorldY() const { return perY_; }

    void setWorld(double left, double top, double right, double bottom) override;
    double scaleWidth() const override { return scaleWidth_; }
    double scaleHeight() const override { return scaleHeight_; }
    void setBackColor(Rgb colour) override;
    Rgb backColor() const override { return back_; }
    Rgb foreColor() const override { return Rgb{0, 0, 0}; }
    void setLineWidth(int pixels) override { width_ = pixels; }
    int lineWidth() const override { return width_; }
    void setLineStyle(LineStyle) override {}
    void clear() override;
    using DrawingSurface::circle;
    using DrawingSurface::line;
    using DrawingSurface::lineTo;
    void line(float x1, float y1, float x2, float y2, Rgb colour) override;
    void lineTo(float x2, float y2, Rgb colour) override;
    void point(float x, float y, Rgb colour) override;
    void circle(float cx, float cy, float radius, Rgb colour) override;
    void arc(float cx, float cy, float radius, float startAngle, float endAngle, Rgb colour) override;
    void setTextPosition(float, float) override {}
    void print(const std::string&) override {}

private:
    void segment(double x1, double y1, double x2, double y2, Rgb colour);
    void dot(double dx, double dy, double diameter, std::uint32_t pixel);
    void fill();

    int logicalWidth_, logicalHeight_;
    double dpr_;
    PixelImage image_;
    double left_ = 0, top_ = 0, perX_ = 1, perY_ = 1, scaleWidth_ = 0, scaleHeight_ = 0;
    Rgb back_{255, 255, 255};
    int width_ = 1;
    float curX_ = 0, curY_ = 0;
    std::vector<PixelRect> dirty_;
};

}  // namespace orvalde
