#include "surface/raster/SpanFill.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "surface/raster/PixelMath.h"

namespace orvalde {
namespace {

// Nudges samples off exact ties, so a width-2 line on a whole coordinate
// covers two rows rather than three.
constexpr double kTieBreak = 1.0 / 128;

}  // namespace

void fillCapsule(TrackedPixels& image, DevicePoint a, DevicePoint b, double radius, std::uint32_t colour) {
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    const double ax = a.x - kTieBreak, ay = a.y - kTieBreak;
    const double bx = b.x - kTieBreak, by = b.y - kTieBreak;
    const double dx = bx - ax, dy = by - ay;
    const double lengthSquared = dx * dx + dy * dy;
    const double reach = radius * std::sqrt(lengthSquared);
    const double r2 = radius * radius;
    // The band between the end discs is bounded by two lines across the
    // segment (through a and b) and two along it (at +-radius); each row
    // meets them at x = base + row offset * slope. A vertical or horizontal
    // segment leaves one pair unbounded and limits the rows instead.
    double acrossSlope = 0, acrossLow = -kInfinity, acrossHigh = kInfinity;
    double alongSlope = 0, alongHalf = kInfinity;
    double bandTop = -kInfinity, bandBottom = kInfinity;  // rows, as offsets from a
    if (dx != 0) {
        acrossSlope = -dy / dx;
        const double acrossWidth = lengthSquared / dx;
        acrossLow = std::min(0.0, acrossWidth);
        acrossHigh = std::max(0.0, acrossWidth);
    } else {
        bandTop = std::min(0.0, dy);
        bandBottom = std::max(0.0, dy);
    }
    if (dy != 0) {
        alongSlope = dx / dy;
        alongHalf = std::abs(reach / dy);
    } else {
        bandTop = -radius;
        bandBottom = radius;
    }
    if (lengthSquared == 0) bandTop = kInfinity;  // a dot: no band at all
    const double lastColumn = image.width();

    const int top = std::max(0, floorToInt(std::min(ay, by) - radius));
    const int bottom = std::min(image.height() - 1, ceilToInt(std::max(ay, by) + radius));
    for (int y = top; y <= bottom; ++y) {
        // The capsule is convex, so its row section is the hull of the
        // sections of its two end discs and of the band.
        double lo = kInfinity, hi = -kInfinity;
        const double offA = y - ay, offB = y - by;
        if (offA >= bandTop && offA <= bandBottom) {
            const double across = ax + offA * acrossSlope, middle = ax + offA * alongSlope;
            lo = std::max(across + acrossLow, middle - alongHalf);
            hi = std::min(across + acrossHigh, middle + alongHalf);
            if (!(lo <= hi)) lo = kInfinity, hi = -kInfinity;
        }
        if (offA * offA <= r2) {
            const double half = std::sqrt(r2 - offA * offA);
            lo = std::min(lo, ax - half);
            hi = std::max(hi, ax + half);
        }
        if (offB * offB <= r2) {
            const double half = std::sqrt(r2 - offB * offB);
            lo = std::min(lo, bx - half);
            hi = std::max(hi, bx + half);
        }
        if (!(lo <= hi)) continue;
        image.fillSpan(y, ceilToInt(std::max(lo, -1.0)), floorToInt(std::min(hi, lastColumn)), colour);
    }
}

void fillDot(TrackedPixels& image, int cx, int cy, int diameter, std::uint32_t colour) {
    const int originX = cx - diameter / 2, originY = cy - diameter / 2;
    const double r = diameter / 2.0;
    for (int row = 0; row < diameter; ++row) {
        // Pixel centres within the radius of the box centre.
        const double off = row + 0.5 - r;
        const double half = std::sqrt(std::max(0.0, r * r - off * off));
        const int first = ceilToInt(r - half - 0.5);
        const int last = floorToInt(r + half - 0.5);
        image.fillSpan(originY + row, originX + first, originX + last, colour);
    }
}

}  // namespace orvalde
