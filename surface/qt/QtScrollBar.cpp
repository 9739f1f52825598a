#include "surface/qt/QtScrollBar.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "surface/qt/HandlerGate.h"
#include "surface/raster/RasterSurface.h"

namespace orvalde {
namespace {

int clamp16(int value) { return std::clamp(value, -32768, 32767); }

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
    const std::optional<PixelRect> r = OnScreen(surface_.world(), world_[0], world_[1], world_[2], world_[3], scale_);
    if (r) bar_->setGeometry(r->x, r->y, r->width, r->height);
}

}  // namespace orvalde
