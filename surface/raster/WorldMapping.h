#pragma once
// The affine map from world coordinates to logical pixels that setWorld
// installs: each axis is an offset and a signed scale, so y runs up on screen
// whenever the world's top is above its bottom.

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

}  // namespace orvalde
