#include "web/shell/WebScrollBar.h"

#include <algorithm>
#include <cmath>

#include "surface/raster/RasterSurface.h"

namespace orvalde {
namespace {

int RoundedPixels(double logical) { return static_cast<int>(std::lround(std::clamp(logical, -1e6, 1e6))); }

}  // namespace

int WebScrollBar::Clamp16(int value) { return std::clamp(value, -32768, 32767); }

void WebScrollBar::setLargeChange(int step) { RecordingScrollBar::setLargeChange(std::clamp(step, 0, 32767)); }

void WebScrollBar::setWorldGeometry(double left, double top, double width, double height) {
    RecordingScrollBar::setWorldGeometry(left, top, width, height);
    const double x = surface_.worldToLogicalX(left), y = surface_.worldToLogicalY(top);
    if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(width) || !std::isfinite(height)) return;
    // Sizes are magnitudes: the bar extends right and down on screen from its
    // top-left corner whichever way the world's axes run.
    placement_ = {RoundedPixels(x), RoundedPixels(y),
                  std::max(1, RoundedPixels(std::abs(width * surface_.logicalPerWorldX()))),
                  std::max(1, RoundedPixels(std::abs(height * surface_.logicalPerWorldY())))};
}

}  // namespace orvalde
