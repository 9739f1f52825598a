#include "surface/qt/SpanFill.h"

#include <algorithm>
#include <cmath>
#include <limits>

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

// The x for which slope * x + offset lies in [low, high].
Interval solveLinear(double slope, double offset, double low, double high) {
    if (slope == 0) {
        if (offset >= low && offset <= high)
            return {-std::numeric_limits<double>::infinity(), std::numeric_limits<double>::infinity()};
        return {};
    }
    const double a = (low - offset) / slope;
    const double b = (high - offset) / slope;
    return {std::min(a, b), std::max(a, b)};
}

}  // namespace

PixelRows::PixelRows(QImage& image)
    : bits_(image.bits()), bytesPerLine_(image.bytesPerLine()), width_(image.width()), height_(image.height()) {}

void PixelRows::fill(int y, int first, int last, QRgb colour) {
    if (y < 0 || y >= height_) return;
    first = std::max(first, 0);
    last = std::min(last, width_ - 1);
    if (first > last) return;
    auto* row = reinterpret_cast<QRgb*>(bits_ + y * bytesPerLine_);
    std::fill(row + first, row + last + 1, colour | 0xff000000u);
}

void fillCapsule(PixelRows& rows, QPointF a, QPointF b, double radius, QRgb colour) {
    a -= QPointF(kTieBreak, kTieBreak);
    b -= QPointF(kTieBreak, kTieBreak);
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    const double lengthSquared = dx * dx + dy * dy;
    const double reach = radius * std::sqrt(lengthSquared);
    const double r2 = radius * radius;

    const int top = std::max(0, static_cast<int>(std::floor(std::min(a.y(), b.y()) - radius)));
    const int bottom = std::min(rows.height() - 1, static_cast<int>(std::ceil(std::max(a.y(), b.y()) + radius)));
    for (int y = top; y <= bottom; ++y) {
        // The capsule is convex, so its row section is the hull of the
        // sections of its two end discs and of the band between them.
        Interval span;
        for (const QPointF& end : {a, b}) {
            const double off = y - end.y();
            if (off * off <= r2) {
                const double half = std::sqrt(r2 - off * off);
                span.cover(end.x() - half, end.x() + half);
            }
        }
        if (lengthSquared > 0) {
            const double fromA = y - a.y();
            Interval band = solveLinear(dx, fromA * dy - a.x() * dx, 0, lengthSquared);  // along the segment
            band.intersect(solveLinear(dy, -a.x() * dy - fromA * dx, -reach, reach));  // across it
            if (!band.empty()) span.cover(band.lo, band.hi);
        }
        if (span.empty()) continue;
        rows.fill(y, static_cast<int>(std::ceil(std::max(span.lo, -1.0))),
                  static_cast<int>(std::floor(std::min(span.hi, static_cast<double>(rows.width())))), colour);
    }
}

void fillDot(PixelRows& rows, QPoint centrePixel, int diameter, QRgb colour) {
    const QPoint origin = centrePixel - QPoint(diameter / 2, diameter / 2);
    const double r = diameter / 2.0;
    for (int row = 0; row < diameter; ++row) {
        // Pixel centres within the radius of the box centre.
        const double off = row + 0.5 - r;
        const double half = std::sqrt(std::max(0.0, r * r - off * off));
        const int first = static_cast<int>(std::ceil(r - half - 0.5));
        const int last = static_cast<int>(std::floor(r + half - 0.5));
        rows.fill(origin.y() + row, origin.x() + first, origin.x() + last, colour);
    }
}

}  // namespace orvalde
