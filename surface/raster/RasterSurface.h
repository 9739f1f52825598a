#pragma once
// The drawing surface of both editions: persistent, unantialiased drawing
// into a plain pixel buffer, so that a figure drawn again in the background
// colour is erased exactly. The shells copy the dirty parts of image() to the
// screen; nothing here depends on a GUI toolkit.

#include <string>
#include <vector>

#include "surface/DrawingSurface.h"
#include "surface/raster/DirtyTiles.h"
#include "surface/raster/PixelImage.h"
#include "surface/raster/PixelRect.h"
#include "surface/raster/TrackedPixels.h"
#include "surface/raster/WorldMapping.h"

namespace orvalde {

struct GlyphFace;

class RasterSurface : public DrawingSurface {
public:
    // `order` is the byte order of the shell that shows the pixels.
    RasterSurface(int logicalWidth, int logicalHeight, double devicePixelRatio = 1.0,
                  ChannelOrder order = ChannelOrder::Rgbx);

    void setWorld(double left, double top, double right, double bottom) override;
    double scaleWidth() const override { return scaleWidth_; }
    double scaleHeight() const override { return scaleHeight_; }

    void setBackColor(Rgb colour) override;
    Rgb backColor() const override { return back_; }
    Rgb foreColor() const override { return Rgb{0, 0, 0}; }
    void setLineWidth(int pixels) override { width_ = pixels; }
    int lineWidth() const override { return width_; }
    void setLineStyle(LineStyle style) override { style_ = style; }
    LineStyle lineStyle() const { return style_; }
    // Every pen width is drawn this many times as wide (1 to 4; 1 draws as
    // asked). Figures drawn in the background colour use the largest scale
    // since the surface was last filled, so erasing still covers them.
    void setPenScale(int scale);
    int penScale() const { return penScale_; }

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

    // Becomes a new surface of this logical size, with the same pixel ratio
    // and byte order, as a fresh start would find it.
    void reset(int logicalWidth, int logicalHeight);

    // Grows the image to cover a larger client area; never shrinks, keeps the
    // drawing and leaves the world mapping as it was.
    void ensureSize(int logicalWidth, int logicalHeight);
    // The screen's pixel ratio changed (zoom, another screen): the image is
    // resampled to one pixel per device pixel at the new ratio, keeping the
    // drawing, and drawing goes on at that ratio.
    void setDevicePixelRatio(double ratio);
    int logicalWidth() const { return logicalWidth_; }
    int logicalHeight() const { return logicalHeight_; }
    double devicePixelRatio() const { return dpr_; }
    // Device pixels, ceil(logical size x ratio) in each direction.
    const PixelImage& image() const { return image_; }

    // The tiles of the pixels changed since the last call, as device-pixel
    // rectangles; resets them.
    std::vector<PixelRect> takeDirtyRects() { return dirty_.takeRects(1.0); }
    // The same in logical pixels, rounded outward; resets them too.
    std::vector<PixelRect> takeDirtyLogicalRects() { return dirty_.takeRects(dpr_); }

    // World to logical pixels, for placing controls over the drawing.
    double worldToLogicalX(double x) const { return world_.x(x); }
    double worldToLogicalY(double y) const { return world_.y(y); }
    // Signed logical pixels per world unit along each axis.
    double logicalPerWorldX() const { return world_.perUnitX; }
    double logicalPerWorldY() const { return world_.perUnitY; }
    const WorldMapping& world() const { return world_; }

    float currentX() const { return curX_; }
    float currentY() const { return curY_; }

private:
    DevicePoint toDevice(double x, double y) const { return {world_.x(x) * dpr_, world_.y(y) * dpr_}; }
    int penPixels(Rgb colour) const;
    double penWidthDevice(Rgb colour) const;
    DeviceBox imageBox() const;
    void fillBackground();
    TrackedPixels pixels() { return TrackedPixels(image_, dirty_); }

    // back_ comes before image_: the constructor fills the first image with it.
    Rgb back_{255, 255, 255};
    double dpr_;
    int logicalWidth_, logicalHeight_;
    PixelImage image_;
    WorldMapping world_;
    double scaleWidth_, scaleHeight_;
    int width_ = 1;
    int penScale_ = 1;
    int eraseScale_ = 1;
    LineStyle style_ = LineStyle::Solid;
    float curX_ = 0, curY_ = 0;
    const GlyphFace* face_;
    DirtyTiles dirty_;
};

}  // namespace orvalde
