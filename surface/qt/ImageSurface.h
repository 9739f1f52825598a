#pragma once
// The drawing surface of the window: persistent, unantialiased drawing into a
// QImage, so that a figure drawn again in the background colour is erased
// exactly. The window copies the dirty part of image() to the screen.

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QRect>
#include <QRegion>
#include <QSize>

#include "surface/DrawingSurface.h"
#include "surface/qt/DirtyTiles.h"
#include "surface/qt/WorldMapping.h"

namespace orvalde {

class ImageSurface : public DrawingSurface {
public:
    explicit ImageSurface(QSize logicalSize, qreal devicePixelRatio = 1.0);
    ~ImageSurface() override;
    ImageSurface(const ImageSurface&) = delete;
    ImageSurface& operator=(const ImageSurface&) = delete;

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

    void clear() override;
    using DrawingSurface::line;
    using DrawingSurface::lineTo;
    using DrawingSurface::circle;
    void line(float x1, float y1, float x2, float y2, Rgb colour) override;
    void lineTo(float x2, float y2, Rgb colour) override;
    void point(float x, float y, Rgb colour) override;
    void circle(float cx, float cy, float radius, Rgb colour) override;
    void arc(float cx, float cy, float radius, float startAngle, float endAngle, Rgb colour) override;
    void setTextPosition(float x, float y) override;
    void print(const std::string& text) override;

    // Grows the image to cover a larger client area; never shrinks, keeps the
    // drawing and leaves the world mapping as it was.
    void ensureSize(QSize logicalSize);
    QSize logicalSize() const { return logicalSize_; }
    qreal devicePixelRatio() const { return dpr_; }
    // Draw it by reference: QImage deep-copies an image that is being painted.
    const QImage& image() const { return image_; }

    // The area touched since the last call, in logical pixels, as the tiles
    // near each figure drawn; resets it.
    QRegion takeDirtyRegion() { return dirty_.takeRegion(dpr_); }
    // The bounding rectangle of the same area; resets it too.
    QRect takeDirtyRect() { return takeDirtyRegion().boundingRect(); }

    // World to logical pixels, for placing controls over the drawing.
    QPointF toLogical(double x, double y) const { return {world_.x(x), world_.y(y)}; }
    double worldToLogicalX(double x) const { return world_.x(x); }
    double worldToLogicalY(double y) const { return world_.y(y); }
    // Signed logical pixels per world unit along each axis.
    double logicalPerWorldX() const { return world_.perUnitX; }
    double logicalPerWorldY() const { return world_.perUnitY; }

    float currentX() const { return curX_; }
    float currentY() const { return curY_; }

private:
    void beginPainting();
    QPointF toDevice(double x, double y) const;
    double penWidthDevice() const;
    void usePen(Rgb colour);
    bool reachesImage(const QRectF& deviceBox, double pad) const;
    void markAllDirty() { dirty_.markAll(); }

    QImage image_;
    QPainter painter_;  // declared after image_: ends before the image goes
    QFont font_;
    qreal dpr_;
    QSize logicalSize_;
    WorldMapping world_;
    double scaleWidth_, scaleHeight_;
    Rgb back_{255, 255, 255};
    int width_ = 1;
    LineStyle style_ = LineStyle::Solid;
    float curX_ = 0, curY_ = 0;
    DirtyTiles dirty_;

    // The pen QPainter holds, so that repeated figures skip setPen.
    struct PenKey {
        QRgb colour = 0;
        double width = -1;
        LineStyle style = LineStyle::Solid;
        bool operator==(const PenKey&) const = default;
    } pen_;
};

}  // namespace orvalde
