#include "web/shell/WebScrollBar.h"

#include <algorithm>
#include <optional>

#include "surface/raster/RasterSurface.h"

namespace orvalde {

int WebScrollBar::Clamp16(int value) { return std::clamp(value, -32768, 32767); }

void WebScrollBar::setLargeChange(int step) { RecordingScrollBar::setLargeChange(std::clamp(step, 0, 32767)); }

void WebScrollBar::setWorldGeometry(double left, double top, double width, double height) {
    RecordingScrollBar::setWorldGeometry(left, top, width, height);
    // A placement that is not finite is ignored, as the desktop's bar does.
    if (!OnScreen(surface_.world(), left, top, width, height)) return;
    world_ = {left, top, width, height};
    placed_ = true;
    place();
}

void WebScrollBar::setViewScale(double scale) {
    scale_ = scale;
    if (placed_) place();
}

void WebScrollBar::place() {
    const std::optional<PixelRect> r = OnScreen(surface_.world(), world_[0], world_[1], world_[2], world_[3], scale_);
    if (r) placement_ = {r->x, r->y, r->width, r->height};
}

}  // namespace orvalde
