#include "surface/qt/QtScrollBar.h"

#include <algorithm>
#include <cmath>

#include "surface/qt/HandlerGate.h"
#include "surface/raster/RasterSurface.h"

namespace orvalde {
namespace {

int clamp16(int value) { return std::clamp(value, -32768, 32767); }

int roundedPixels(double logical) { return static_cast<int>(std::lround(std::clamp(logical, -1e6, 1e6))); }

}  // namespace

QtScrollBar::QtScrollBar(QScrollBar* bar, const RasterSurface& surface) : bar_(bar), surface_(surface) {
    bar_->setOrientation(Qt::Horizontal);
    // Dragging the thumb reports once, on release.
    bar_->setTracking(false);
    // The same starting state as a fresh headless scroll bar.
    bar_->setRange(0, 32767);
    bar_->setSingleStep(1);
    bar_->setPageStep(1);
    // valueChanged covers arrows, pages, drag release and every setter,
    // including the clamp when the range narrows past the value.
    changed_ = QObject::connect(bar_, &QScrollBar::valueChanged, [this] {
        HandlerGate::Scope scope;
        if (onChange) onChange();
    });
}

QtScrollBar::~QtScrollBar() { QObject::disconnect(changed_); }

void QtScrollBar::setMinimum(int value) { bar_->setMinimum(clamp16(value)); }

void QtScrollBar::setMaximum(int value) { bar_->setMaximum(clamp16(value)); }

void QtScrollBar::setValue(int value) { bar_->setValue(clamp16(value)); }

void QtScrollBar::setLargeChange(int step) { bar_->setPageStep(std::clamp(step, 0, 32767)); }

void QtScrollBar::setWorldGeometry(double left, double top, double width, double height) {
    if (!std::isfinite(left) || !std::isfinite(top) || !std::isfinite(width) || !std::isfinite(height)) return;
    world_[0] = left, world_[1] = top, world_[2] = width, world_[3] = height;
    placed_ = true;
    place();
}

void QtScrollBar::setViewScale(double scale) {
    scale_ = scale;
    if (placed_) place();
}

void QtScrollBar::place() {
    const double x = surface_.worldToLogicalX(world_[0]), y = surface_.worldToLogicalY(world_[1]);
    if (!std::isfinite(x) || !std::isfinite(y)) return;
    // Sizes are magnitudes: the bar extends right and down on screen from its
    // top-left corner whichever way the world's axes run.
    const int w = std::max(1, roundedPixels(std::abs(world_[2] * surface_.logicalPerWorldX()) * scale_));
    const int h = std::max(1, roundedPixels(std::abs(world_[3] * surface_.logicalPerWorldY()) * scale_));
    bar_->setGeometry(roundedPixels(x * scale_), roundedPixels(y * scale_), w, h);
}

}  // namespace orvalde
