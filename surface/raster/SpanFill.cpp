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

struct Interval {
    double lo = std::numeric_limits<double>::infinity();
    double hi = -std::numeric_limits<double>::infinity();
    bool empty() const { return !(lo <= hi); }
    void cover(double a, double b) {
        lo = std::min(lo, a);
        hi = std::max(hi, b);
    }
    void intersect(Interval other) {
        lo = std::max(lo, other.lo);
        hi = std::min(hi, other.hi);
    }
};

}  // namespace

void fillCapsule(TrackedPixels& image, DevicePoint a, DevicePoint b, double radius, std::uint32_t colour) {
    const double ax = a.x - kTieBreak, ay = a.y - kTieBreak;
    const double bx = b.x - kTieBreak, by = b.y - kTieBreak;
    const double dx = bx - ax, dy = by - ay;
    const double lengthSquared = dx * dx + dy * dy;
    const double reach = radius * std::sqrt(lengthSquared);
    const double r2 = radius * radius;
    // The band between the end discs is bounded by two lines across the
    // segment (through a and b) and two along it (at +-radius); each row
    // meets them at x = base + row offset * slope.
    const bool hasBand = lengthSquared > 0;
    const double acrossSlope = dx != 0 ? -dy / dx : 0, acrossWidth = dx != 0 ? lengthSquared / dx : 0;
    const double alongSlope = dy != 0 ? dx / dy : 0, alongHalf = dy != 0 ? std::abs(reach / dy) : 0;
    const double lastColumn = image.width();

    const int top = std::max(0, floorToInt(std::min(ay, by) - radius));
    const int bottom = std::min(image.height() - 1, ceilToInt(std::max(ay, by) + radius));
    for (int y = top; y <= bottom; ++y) {
        // The capsule is convex, so its row section is the hull of the
        // sections of its two end discs and of the band.
        Interval span;
        const double offA = y - ay, offB = y - by;
        if (offA * offA <= r2) {
            const double half = std::sqrt(r2 - offA * offA);
            span.cover(ax - half, ax + half);
        }
        if (offB * offB <= r2) {
            const double half = std::sqrt(r2 - offB * offB);
            span.cover(bx - half, bx + half);
        }
        if (hasBand) {
            Interval band{-std::numeric_limits<double>::infinity(), std::numeric_limits<double>::infinity()};
            if (dx != 0) {
                const double start = ax + offA * acrossSlope;
                band.intersect({std::min(start, start + acrossWidth), std::max(start, start + acrossWidth)});
            } else if (offA * dy < 0 || offA * dy > lengthSquared) {
                band = {};  // a vertical segment: the row is beyond one of its ends
            }
            if (dy != 0) {
                const double middle = ax + offA * alongSlope;
                band.intersect({middle - alongHalf, middle + alongHalf});
            } else if (std::abs(offA * dx) > reach) {
                band = {};  // a horizontal segment: the row is outside its width
            }
            if (!band.empty()) span.cover(band.lo, band.hi);
        }
        if (span.empty()) continue;
        image.fillSpan(y, ceilToInt(std::max(span.lo, -1.0)), floorToInt(std::min(span.hi, lastColumn)), colour);
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
