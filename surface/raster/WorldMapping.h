#pragma once
// The affine map from world coordinates to logical pixels that setWorld
// installs: each axis is an offset and a signed scale, so y runs up on screen
// whenever the world's top is above its bottom.

#include <algorithm>
#include <cmath>
#include <optional>

#include "surface/raster/PixelRect.h"

namespace orvalde {

struct WorldMapping {
    double left = 0, top = 0;
    double perUnitX = 1, perUnitY = 1;  // logical pixels per world unit, signed

    // Maps the world rectangle onto a logical area of the given size.
    static WorldMapping fit(double left, double top, double right, double bottom, double logicalWidth,
                            double logicalHeight) {
        return {left, top, logicalWidth / (right - left), logicalHeight / (bottom - top)};
    }

    double x(double worldX) const { return (worldX - left) * perUnitX; }
    double y(double worldY) const { return (worldY - top) * perUnitY; }
};

// A control placed in world units (its top-left corner and sizes, which are
// magnitudes: it extends right and down on screen whichever way the axes run)
// in whole logical pixels, on the drawing shown at `scale`. Nothing where a
// figure is not finite.
inline std::optional<PixelRect> OnScreen(const WorldMapping& world, double left, double top, double width,
                                         double height, double scale = 1) {
    const double x = world.x(left) * scale, y = world.y(top) * scale;
    const double w = std::abs(width * world.perUnitX) * scale, h = std::abs(height * world.perUnitY) * scale;
    if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(w) || !std::isfinite(h)) return std::nullopt;
    const auto pixels = [](double v) { return static_cast<int>(std::lround(std::clamp(v, -1e6, 1e6))); };
    return PixelRect{pixels(x), pixels(y), std::max(1, pixels(w)), std::max(1, pixels(h))};
}

}  // namespace orvalde
