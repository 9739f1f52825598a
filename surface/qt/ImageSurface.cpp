#include "surface/qt/ImageSurface.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QPen>
#include <QString>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

#include "surface/qt/PixelMath.h"
#include "surface/qt/SegmentClip.h"
#include "surface/qt/SpanFill.h"

namespace orvalde {
namespace {

// Circles and text farther out than this, in device pixels, are skipped.
constexpr double kFarLimit = 1e6;
// Line ends farther out than this are skipped: clipping a segment that long
// back to the image would lose its position to rounding.
constexpr double kLineLimit = 1e9;
// Wider pens are drawn at this width; they would only fill the screen anyway.
constexpr int kMaxPenPixels = 1000;
// Slack around every figure's pixels in the dirty area.
constexpr double kDirtyMargin = 2.0;
// QPainter draws circles as chains of Bezier curves, which stray from the
// true circle by up to about 3e-4 of the radius; marked with room to spare.
constexpr double kCurveSlack = 1e-3;

QRgb toQRgb(Rgb c) { return qRgb(std::clamp(c.red, 0, 255), std::clamp(c.green, 0, 255), std::clamp(c.blue, 0, 255)); }

QColor toQColor(Rgb c) { return QColor(toQRgb(c)); }

bool finite(QPointF p) { return std::isfinite(p.x()) && std::isfinite(p.y()); }

bool withinFarLimit(QPointF p) { return std::abs(p.x()) <= kFarLimit && std::abs(p.y()) <= kFarLimit; }

QSize deviceSizeFor(QSize logical, qreal dpr) {
    return {static_cast<int>(std::ceil(logical.width() * dpr)), static_cast<int>(std::ceil(logical.height() * dpr))};
}

}  // namespace

ImageSurface::ImageSurface(QSize logicalSize, qreal devicePixelRatio)
    : dpr_(std::isfinite(devicePixelRatio) && devicePixelRatio > 0 ? devicePixelRatio : 1.0),
      logicalSize_(logicalSize.expandedTo(QSize(1, 1))),
      scaleWidth_(logicalSize_.width()),
      scaleHeight_(logicalSize_.height()) {
    image_ = QImage(deviceSizeFor(logicalSize_, dpr_), QImage::Format_RGB32);
    image_.setDevicePixelRatio(dpr_);
    image_.fill(toQColor(back_));
    font_.setStyleStrategy(QFont::NoAntialias);
    beginPainting();
    dirty_.resize(image_.size());
}

ImageSurface::~ImageSurface() = default;

void ImageSurface::beginPainting() {
    painter_.begin(&image_);
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, false);
    // QPainter scales by the image's pixel ratio; undo that so all figures
    // are placed in device pixels and the raster engine keeps its fast paths.
    if (dpr_ != 1.0) painter_.setTransform(QTransform::fromScale(1.0 / dpr_, 1.0 / dpr_));
    painter_.setBrush(Qt::NoBrush);
    painter_.setFont(font_);
    pen_ = PenKey{};
}

void ImageSurface::setWorld(double left, double top, double right, double bottom) {
    const WorldMapping mapping =
        WorldMapping::fit(left, top, right, bottom, logicalSize_.width(), logicalSize_.height());
    // A degenerate rectangle would map everything to infinity; keep the old one.
    if (!std::isfinite(mapping.left) || !std::isfinite(mapping.top) || !std::isfinite(mapping.perUnitX) ||
        !std::isfinite(mapping.perUnitY) || mapping.perUnitX == 0 || mapping.perUnitY == 0)
        return;
    world_ = mapping;
    scaleWidth_ = right - left;
    scaleHeight_ = bottom - top;
}

void ImageSurface::setBackColor(Rgb colour) {
    back_ = colour;
    painter_.fillRect(image_.rect(), toQColor(back_));
    markAllDirty();
}

void ImageSurface::clear() {
    painter_.fillRect(image_.rect(), toQColor(back_));
    curX_ = curY_ = 0;
    markAllDirty();
}

QPointF ImageSurface::toDevice(double x, double y) const { return {world_.x(x) * dpr_, world_.y(y) * dpr_}; }

double ImageSurface::penWidthDevice() const { return std::clamp(width_, 1, kMaxPenPixels) * dpr_; }

void ImageSurface::usePen(Rgb colour) {
    const PenKey key{toQRgb(colour), penWidthDevice(), style_};
    if (key == pen_) return;
    pen_ = key;
    painter_.setPen(QPen(QColor(key.colour), key.width, style_ == LineStyle::Dashed ? Qt::DashLine : Qt::SolidLine,
                         Qt::RoundCap, Qt::RoundJoin));
}

bool ImageSurface::reachesImage(const QRectF& deviceBox, double pad) const {
    return deviceBox.adjusted(-pad, -pad, pad, pad).intersects(QRectF(image_.rect()));
}

void ImageSurface::line(float x1, float y1, float x2, float y2, Rgb colour) {
    curX_ = x2;
    curY_ = y2;
    QPointF a = toDevice(x1, y1);
    QPointF b = toDevice(x2, y2);
    const auto usable = [](QPointF p) { return std::abs(p.x()) <= kLineLimit && std::abs(p.y()) <= kLineLimit; };
    if (!usable(a) || !usable(b)) return;  // also false for NaN
    const double width = penWidthDevice();
    const double reach = width + 4;  // keeps round caps of clipped ends off the image
    if (!clipSegment(a, b, QRectF(image_.rect()).adjusted(-reach, -reach, reach, reach))) return;
    if (style_ == LineStyle::Solid && width >= 2) {
        // Wide solid lines are the bulk of every animation tick.
        PixelRows rows(image_);
        fillCapsule(rows, a, b, width / 2, toQRgb(colour));
    } else {
        usePen(colour);  // thin and dashed lines: QPainter's own fast paths
        painter_.drawLine(a, b);
    }
    dirty_.markSegment(a, b, width + kDirtyMargin);
}

void ImageSurface::lineTo(float x2, float y2, Rgb colour) { line(curX_, curY_, x2, y2, colour); }

void ImageSurface::point(float x, float y, Rgb colour) {
    curX_ = x;
    curY_ = y;
    const QPointF p = toDevice(x, y);
    if (!finite(p)) return;
    const int diameter = std::max(1, static_cast<int>(std::lround(std::clamp(width_, 1, kMaxPenPixels) * dpr_)));
    const QRectF box(p.x() - diameter, p.y() - diameter, 2.0 * diameter, 2.0 * diameter);
    if (!reachesImage(box, 0)) return;
    const QPoint centre(floorToInt(p.x()), floorToInt(p.y()));
    PixelRows rows(image_);
    fillDot(rows, centre, diameter, toQRgb(colour));
    dirty_.markBox(box, kDirtyMargin);
}

void ImageSurface::circle(float cx, float cy, float radius, Rgb colour) {
    arc(cx, cy, radius, 0.0f, static_cast<float>(2 * std::numbers::pi), colour);
}

void ImageSurface::arc(float cx, float cy, float radius, float startAngle, float endAngle, Rgb colour) {
    curX_ = cx;
    curY_ = cy;
    const QPointF c = toDevice(cx, cy);
    // The world radius is measured along x, so circles stay round on screen.
    const double r = std::abs(radius * world_.perUnitX) * dpr_;
    if (!finite(c) || !std::isfinite(r) || !std::isfinite(startAngle) || !std::isfinite(endAngle)) return;
    if (!withinFarLimit(c) || r > kFarLimit) return;
    const double width = penWidthDevice();
    const QRectF box(c.x() - r, c.y() - r, 2 * r, 2 * r);
    if (!reachesImage(box, width)) return;

    // Counterclockwise from start to end, wrapping past 2 pi, at most one turn.
    constexpr double kTurn = 2 * std::numbers::pi;
    double span = static_cast<double>(endAngle) - startAngle;
    if (span < 0) span = std::fmod(span, kTurn) + kTurn;
    span = std::min(span, kTurn);

    usePen(colour);
    if (span >= kTurn) {
        painter_.drawEllipse(c, r, r);
    } else {
        constexpr double kDegrees = 180.0 / std::numbers::pi;
        QPainterPath path;
        path.arcMoveTo(box, startAngle * kDegrees);
        path.arcTo(box, startAngle * kDegrees, span * kDegrees);
        painter_.drawPath(path);
    }
    dirty_.markArc(c, r, startAngle, span, width + kDirtyMargin + r * kCurveSlack);
}

void ImageSurface::setTextPosition(float x, float y) {
    curX_ = x;
    curY_ = y;
}

void ImageSurface::print(const std::string& text) {
    const float startX = curX_;
    const float startY = curY_;
    const QPointF topLeft = toLogical(startX, startY);
    if (!finite(topLeft)) return;
    const QFontMetricsF metrics(font_, &image_);
    // Next line: one line spacing lower on screen, back at the starting edge.
    curY_ = static_cast<float>(startY + metrics.lineSpacing() / world_.perUnitY);
    if (!withinFarLimit(topLeft * dpr_)) return;

    const QString line = QString::fromStdString(text);
    usePen(foreColor());
    // Text is laid out in logical pixels so the font keeps its size on high-DPI screens.
    if (dpr_ != 1.0) painter_.resetTransform();
    painter_.drawText(QPointF(topLeft.x(), topLeft.y() + metrics.ascent()), line);
    if (dpr_ != 1.0) painter_.setTransform(QTransform::fromScale(1.0 / dpr_, 1.0 / dpr_));
    // Glyphs may reach past their advance and line height: take their ink too.
    const QRectF box = QRectF(topLeft, QSizeF(metrics.horizontalAdvance(line), metrics.height()))
                           .united(metrics.boundingRect(line).translated(topLeft.x(), topLeft.y() + metrics.ascent()));
    dirty_.markBox(QRectF(box.topLeft() * dpr_, box.size() * dpr_), kDirtyMargin);
}

void ImageSurface::ensureSize(QSize logicalSize) {
    logicalSize_ = logicalSize_.expandedTo(logicalSize);
    const QSize wanted = deviceSizeFor(logicalSize_, dpr_).expandedTo(image_.size());
    if (wanted == image_.size()) return;

    painter_.end();
    QImage grown(wanted, QImage::Format_RGB32);
    grown.fill(toQColor(back_));
    const auto rowBytes = static_cast<std::size_t>(image_.width()) * 4;
    for (int y = 0; y < image_.height(); ++y) std::memcpy(grown.scanLine(y), image_.constScanLine(y), rowBytes);
    grown.setDevicePixelRatio(dpr_);
    image_ = std::move(grown);
    beginPainting();
    dirty_.resize(image_.size());
}

}  // namespace orvalde
