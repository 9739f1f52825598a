#include "surface/raster/RasterSurface.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "surface/raster/CircleRaster.h"
#include "surface/raster/GlyphAtlas.h"
#include "surface/raster/PixelMath.h"
#include "surface/raster/SegmentClip.h"
#include "surface/raster/SpanFill.h"
#include "surface/raster/TextRaster.h"
#include "surface/raster/ThinLine.h"
#include "surface/raster/WideDashes.h"

namespace orvalde {
namespace {

// Circles and text farther out than this, in device pixels, are skipped.
constexpr double kFarLimit = 1e6;
// Line ends farther out than this are skipped: clipping a segment that long
// back to the image would lose its position to rounding.
constexpr double kLineLimit = 1e9;
// Wider pens are drawn at this width; they would only fill the screen anyway.
constexpr int kMaxPenPixels = 1000;
constexpr double kTurn = 2 * std::numbers::pi;

bool finite(DevicePoint p) { return std::isfinite(p.x) && std::isfinite(p.y); }

bool withinFarLimit(DevicePoint p) { return std::abs(p.x) <= kFarLimit && std::abs(p.y) <= kFarLimit; }

int deviceExtent(int logical, double ratio) { return static_cast<int>(std::ceil(logical * ratio)); }

double sanitisedRatio(double ratio) { return std::isfinite(ratio) && ratio > 0 && ratio <= 16 ? ratio : 1.0; }

}  // namespace

RasterSurface::RasterSurface(int logicalWidth, int logicalHeight, double devicePixelRatio, ChannelOrder order)
    : dpr_(sanitisedRatio(devicePixelRatio)),
      logicalWidth_(std::max(logicalWidth, 1)),
      logicalHeight_(std::max(logicalHeight, 1)),
      image_(deviceExtent(logicalWidth_, dpr_), deviceExtent(logicalHeight_, dpr_), PixelImage::pack(back_, order),
             order),
      scaleWidth_(logicalWidth_),
      scaleHeight_(logicalHeight_),
      face_(&glyphFaceFor(dpr_)),
      dirty_(image_.width(), image_.height()) {
    dirty_.markAll();  // the first frame shows everything
}

void RasterSurface::reset(int logicalWidth, int logicalHeight) {
    *this = RasterSurface(logicalWidth, logicalHeight, dpr_, image_.channelOrder());
}

void RasterSurface::setWorld(double left, double top, double right, double bottom) {
    const WorldMapping mapping = WorldMapping::fit(left, top, right, bottom, logicalWidth_, logicalHeight_);
    // A degenerate rectangle would map everything to infinity; keep the old one.
    if (!std::isfinite(mapping.left) || !std::isfinite(mapping.top) || !std::isfinite(mapping.perUnitX) ||
        !std::isfinite(mapping.perUnitY) || mapping.perUnitX == 0 || mapping.perUnitY == 0)
        return;
    world_ = mapping;
    scaleWidth_ = right - left;
    scaleHeight_ = bottom - top;
}

void RasterSurface::fillBackground() {
    eraseScale_ = penScale_;
    image_.fill(image_.word(back_));
    dirty_.markAll();
}

void RasterSurface::setBackColor(Rgb colour) {
    back_ = colour;
    fillBackground();
}

void RasterSurface::clear() {
    fillBackground();
    curX_ = curY_ = 0;
}

void RasterSurface::setPenScale(int scale) {
    penScale_ = std::clamp(scale, 1, 4);
    eraseScale_ = std::max(eraseScale_, penScale_);
}

int RasterSurface::penPixels(Rgb colour) const {
    // Erasing is drawing again in the background: at the widest scale used
    // since the last fill, it also covers what was drawn before a change.
    const int scale = colour == back_ ? eraseScale_ : penScale_;
    return std::clamp(width_ * scale, 1, kMaxPenPixels);
}

double RasterSurface::penWidthDevice(Rgb colour) const { return penPixels(colour) * dpr_; }

DeviceBox RasterSurface::imageBox() const {
    return {0, 0, static_cast<double>(image_.width()), static_cast<double>(image_.height())};
}

void RasterSurface::line(float x1, float y1, float x2, float y2, Rgb colour) {
    curX_ = x2;
    curY_ = y2;
    const DevicePoint from = toDevice(x1, y1);
    DevicePoint a = from;
    DevicePoint b = toDevice(x2, y2);
    const auto usable = [](DevicePoint p) { return std::abs(p.x) <= kLineLimit && std::abs(p.y) <= kLineLimit; };
    if (!usable(a) || !usable(b)) return;  // also false for NaN
    const double width = penWidthDevice(colour);
    const double reach = width + 4;  // keeps round caps of clipped ends off the image
    if (!clipSegment(a, b, imageBox().padded(reach))) return;
    const std::uint32_t word = image_.word(colour);
    TrackedPixels canvas = pixels();
    const bool thin = width < 1.25;  // a one-pixel pen at ratio 1 (and just above)
    if (style_ == LineStyle::Solid) {
        if (thin)
            drawThinLine(canvas, a, b, word);
        else
            fillCapsule(canvas, a, b, width / 2, word);
    } else {
        // A clipped start keeps the dashes where the whole line has them.
        const double skipped = std::sqrt((a.x - from.x) * (a.x - from.x) + (a.y - from.y) * (a.y - from.y));
        if (thin) {
            const double major = std::max(std::abs(a.x - from.x), std::abs(a.y - from.y));
            drawThinDashedLine(canvas, a, b, static_cast<int>(std::fmod(std::round(major), 6.0)), word);
        } else {
            drawWideDashedLine(canvas, a, b, width, skipped, word);
        }
    }
}

void RasterSurface::lineTo(float x2, float y2, Rgb colour) { line(curX_, curY_, x2, y2, colour); }

void RasterSurface::point(float x, float y, Rgb colour) {
    curX_ = x;
    curY_ = y;
    const DevicePoint p = toDevice(x, y);
    if (!finite(p) || !withinFarLimit(p)) return;
    const int diameter = std::max(1, static_cast<int>(std::lround(penPixels(colour) * dpr_)));
    const DeviceBox box{p.x - diameter, p.y - diameter, p.x + diameter, p.y + diameter};
    if (!box.intersects(imageBox())) return;
    TrackedPixels canvas = pixels();
    fillDot(canvas, floorToInt(p.x), floorToInt(p.y), diameter, image_.word(colour));
}

void RasterSurface::circle(float cx, float cy, float radius, Rgb colour) {
    arc(cx, cy, radius, 0.0f, static_cast<float>(kTurn), colour);
}

void RasterSurface::arc(float cx, float cy, float radius, float startAngle, float endAngle, Rgb colour) {
    curX_ = cx;
    curY_ = cy;
    const DevicePoint c = toDevice(cx, cy);
    // The world radius is measured along x, so circles stay round on screen.
    const double r = std::abs(radius * world_.perUnitX) * dpr_;
    if (!finite(c) || !std::isfinite(r) || !std::isfinite(startAngle) || !std::isfinite(endAngle)) return;
    if (!withinFarLimit(c) || r > kFarLimit) return;
    const double width = penWidthDevice(colour);
    const DeviceBox box{c.x - r, c.y - r, c.x + r, c.y + r};
    if (!box.padded(width).intersects(imageBox())) return;

    // Counterclockwise from start to end, wrapping past 2 pi, at most one turn.
    double span = static_cast<double>(endAngle) - startAngle;
    if (span < 0) span = std::fmod(span, kTurn) + kTurn;
    span = std::min(span, kTurn);
    // Angles this far out have lost their meaning to rounding: the whole circle.
    if (!(std::abs(startAngle) < 1e6)) span = kTurn;
    const ArcShape shape{c, r, startAngle, span};

    const std::uint32_t word = image_.word(colour);
    TrackedPixels canvas = pixels();
    const bool dashed = style_ == LineStyle::Dashed;
    if (width < 1.25)
        drawThinArc(canvas, shape, dashed, word);
    else if (dashed)
        drawWideDashedArc(canvas, shape, width, word);
    else
        drawWideArc(canvas, shape, width, word);
}

void RasterSurface::setTextPosition(float x, float y) {
    curX_ = x;
    curY_ = y;
}

void RasterSurface::print(const std::string& text) {
    const float startX = curX_;
    const float startY = curY_;
    const DevicePoint topLeft = toDevice(startX, startY);
    if (!finite(topLeft)) return;
    // Next line: one line spacing lower on screen, back at the starting edge.
    curY_ = static_cast<float>(startY + kTextLineSpacing / world_.perUnitY);
    if (!withinFarLimit(topLeft)) return;
    TrackedPixels canvas = pixels();
    drawTextLine(canvas, *face_, floorToInt(topLeft.x + 0.5), floorToInt(topLeft.y + 0.5), text,
                 image_.word(foreColor()));
}

void RasterSurface::ensureSize(int logicalWidth, int logicalHeight) {
    logicalWidth_ = std::max(logicalWidth_, logicalWidth);
    logicalHeight_ = std::max(logicalHeight_, logicalHeight);
    if (image_.grow(deviceExtent(logicalWidth_, dpr_), deviceExtent(logicalHeight_, dpr_), image_.word(back_)))
        dirty_.resize(image_.width(), image_.height());
}

void RasterSurface::setDevicePixelRatio(double ratio) {
    const double dpr = sanitisedRatio(ratio);
    if (dpr == dpr_) return;
    PixelImage resampled(deviceExtent(logicalWidth_, dpr), deviceExtent(logicalHeight_, dpr), image_.word(back_),
                         image_.channelOrder());
    // Nearest pixel of the old image for each new one.
    const double scale = dpr_ / dpr;
    for (int y = 0; y < resampled.height(); ++y) {
        const int oy = std::min(image_.height() - 1, static_cast<int>(y * scale));
        std::uint32_t* out = resampled.row(y);
        const std::uint32_t* in = image_.row(oy);
        for (int x = 0; x < resampled.width(); ++x)
            out[x] = in[std::min(image_.width() - 1, static_cast<int>(x * scale))];
    }
    image_ = std::move(resampled);
    dpr_ = dpr;
    face_ = &glyphFaceFor(dpr_);
    dirty_.resize(image_.width(), image_.height());
    dirty_.markAll();
}

}  // namespace orvalde
