#include "surface/raster/CircleRaster.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "surface/raster/PixelMath.h"
#include "surface/raster/SpanFill.h"
#include "surface/raster/ThinLine.h"
#include "surface/raster/WideDashes.h"

namespace orvalde {
namespace {

constexpr double kTurn = 2 * std::numbers::pi;
constexpr double kTieBreak = 1.0 / 128;  // as the lines: ties go up-left
constexpr int kThinDashPeriod = kThinDashOn + kThinDashOff;
// More dashes than this on one arc would all fall on the same few pixels.
constexpr double kMaxDashes = 20000;

// Which directions from the centre an arc covers, by cross products with its
// end directions (math orientation, y up).
class Sector {
public:
    explicit Sector(const ArcShape& arc)
        : full_(arc.full()),
          wide_(arc.span > std::numbers::pi),
          sx_(std::cos(arc.start)),
          sy_(std::sin(arc.start)),
          ex_(std::cos(arc.start + arc.span)),
          ey_(std::sin(arc.start + arc.span)) {}

    // (vx, vy) from the centre, y up.
    bool contains(double vx, double vy) const {
        if (full_) return true;
        const double fromStart = sx_ * vy - sy_ * vx, toEnd = vx * ey_ - vy * ex_;
        if (wide_) return !(fromStart < 0 && toEnd < 0);
        // Within half a turn: between both ends and on the side of the bisector.
        return fromStart >= 0 && toEnd >= 0 && vx * (sx_ + ex_) + vy * (sy_ + ey_) >= 0;
    }
    bool full() const { return full_; }

private:
    bool full_, wide_;
    double sx_, sy_, ex_, ey_;
};

bool onDash(int k) { return k % kThinDashPeriod < kThinDashOn; }

// Pixels of a band between radii inner and outer around (cx, cy), on rows
// rowFirst..rowLast and columns colFirst..colLast, where the sector allows.
void fillBand(TrackedPixels& image, double cx, double cy, double inner, double outer, const Sector& sector,
              int rowFirst, int rowLast, int colFirst, int colLast, std::uint32_t colour) {
    rowFirst = std::max(rowFirst, std::max(0, ceilToInt(cy - outer)));
    rowLast = std::min(rowLast, std::min(image.height() - 1, floorToInt(cy + outer)));
    colFirst = std::max(colFirst, 0);
    colLast = std::min(colLast, image.width() - 1);
    const double outer2 = outer * outer, inner2 = inner > 0 ? inner * inner : -1;
    for (int j = rowFirst; j <= rowLast; ++j) {
        const double dy = j - cy;
        const double reach2 = outer2 - dy * dy;
        if (reach2 < 0) continue;
        const double reach = std::sqrt(reach2);
        const double hole2 = inner2 - dy * dy;
        const double hole = hole2 > 0 ? std::sqrt(hole2) : -1;
        // Left piece then right piece; they join where the row misses the hole.
        const int pieces[2][2] = {{ceilToInt(cx - reach), hole >= 0 ? floorToInt(cx - hole) : floorToInt(cx + reach)},
                                  {hole >= 0 ? ceilToInt(cx + hole) : 1, hole >= 0 ? floorToInt(cx + reach) : 0}};
        for (const auto& piece : pieces) {
            const int first = std::max(piece[0], colFirst), last = std::min(piece[1], colLast);
            if (first > last) continue;
            if (sector.full()) {
                image.fillSpan(j, first, last, colour);
                continue;
            }
            for (int i = first; i <= last; ++i)
                if (sector.contains(i - cx, cy - j)) image.set(i, j, colour);
        }
    }
}

DevicePoint pointAt(const ArcShape& arc, double angle) {
    return {arc.centre.x + arc.radius * std::cos(angle), arc.centre.y - arc.radius * std::sin(angle)};
}

// A piece of the band with round caps at both ends.
void fillCappedPiece(TrackedPixels& image, const ArcShape& arc, double width, std::uint32_t colour) {
    const double cx = arc.centre.x - kTieBreak, cy = arc.centre.y - kTieBreak;
    const double half = width / 2;
    const Sector sector(arc);
    if (sector.full()) {
        fillBand(image, cx, cy, arc.radius - half, arc.radius + half, sector, 0, image.height() - 1, 0,
                 image.width() - 1, colour);
        return;
    }
    // Only the rows and columns the piece can reach: the box of its ends and
    // of the axis points it passes.
    const DevicePoint s = pointAt(arc, arc.start), e = pointAt(arc, arc.start + arc.span);
    double left = std::min(s.x, e.x), right = std::max(s.x, e.x), top = std::min(s.y, e.y), bottom = std::max(s.y, e.y);
    for (int quarter = 0; quarter < 4; ++quarter) {
        const double vx = quarter == 0 ? 1 : quarter == 2 ? -1 : 0, vy = quarter == 1 ? 1 : quarter == 3 ? -1 : 0;
        if (!sector.contains(vx, vy)) continue;
        left = std::min(left, arc.centre.x + vx * arc.radius);
        right = std::max(right, arc.centre.x + vx * arc.radius);
        top = std::min(top, arc.centre.y - vy * arc.radius);
        bottom = std::max(bottom, arc.centre.y - vy * arc.radius);
    }
    const double pad = half + 2;
    fillBand(image, cx, cy, arc.radius - half, arc.radius + half, sector, floorToInt(top - pad),
             ceilToInt(bottom + pad), floorToInt(left - pad), ceilToInt(right + pad), colour);
    fillCapsule(image, s, s, half, colour);
    fillCapsule(image, e, e, half, colour);
}

}  // namespace

bool ArcShape::full() const { return span >= kTurn; }

void drawThinArc(TrackedPixels& image, const ArcShape& arc, bool dashed, std::uint32_t colour) {
    const double cx = arc.centre.x, cy = arc.centre.y, r = arc.radius;
    const double r2 = r * r;
    const Sector sector(arc);
    // Each sweep runs a pixel past the eighth's diagonal, so the two meet.
    const double reach = std::min(r, r * std::numbers::sqrt2 / 2 + 1);
    // One pixel per step along an axis, on each side of the centre across it.
    // Only steps whose pixel can land on the image are taken: a large circle
    // mostly runs off it.
    const auto sweep = [&](double along, double across, int alongLimit, int acrossLimit, auto plot) {
        const int centreStep = nearestPixel(along);
        for (const double side : {-1.0, 1.0}) {
            // The rows (or columns) across that show: offsets h with
            // across + side * h in [-1, acrossLimit].
            const double h0 = side * (-1 - across), h1 = side * (acrossLimit - across);
            const double hLow = std::max(0.0, std::min(h0, h1)), hHigh = std::min(r, std::max(h0, h1));
            if (hLow > hHigh) continue;
            const double near = std::sqrt(std::max(0.0, r2 - hHigh * hHigh)) - 1;
            const double far = std::min(reach, std::sqrt(std::max(0.0, r2 - hLow * hLow)) + 1);
            if (near > far) continue;
            for (const double half : {-1.0, 1.0}) {
                const double from = half < 0 ? along - far : along + std::max(near, 0.0);
                const double to = half < 0 ? along - std::max(near, 0.0) : along + far;
                const int first = std::max(0, ceilToInt(from)), last = std::min(alongLimit - 1, floorToInt(to));
                for (int p = first; p <= last; ++p) {
                    const double d = p - along, h = std::sqrt(std::max(0.0, r2 - d * d));
                    plot(p, nearestPixel(across + side * h), d, side * h, std::abs(p - centreStep));
                }
            }
        }
    };
    const auto plot = [&](int i, int j, double vx, double vy, int k) {
        if ((!dashed || onDash(k)) && sector.contains(vx, vy)) image.set(i, j, colour);
    };
    // Flat eighths: one pixel per column; steep eighths: one per row.
    sweep(cx, cy, image.width(), image.height(),
          [&](int i, int j, double dx, double dy, int k) { plot(i, j, dx, -dy, k); });
    sweep(cy, cx, image.height(), image.width(),
          [&](int j, int i, double dy, double dx, int k) { plot(i, j, dx, -dy, k); });
}

void drawWideArc(TrackedPixels& image, const ArcShape& arc, double width, std::uint32_t colour) {
    fillCappedPiece(image, arc, width, colour);
}

void drawWideDashedArc(TrackedPixels& image, const ArcShape& arc, double width, std::uint32_t colour) {
    if (!(arc.radius > 0)) {
        fillCapsule(image, arc.centre, arc.centre, width / 2, colour);
        return;
    }
    const double total = std::min(arc.span, kTurn);
    const double on = kWideDashOn * width / arc.radius, period = (kWideDashOn + kWideDashOff) * width / arc.radius;
    if (total / period > kMaxDashes) {
        fillCappedPiece(image, arc, width, colour);
        return;
    }
    for (double s = 0; s < total; s += period) {
        ArcShape dash = arc;
        dash.start = arc.start + s;
        dash.span = std::min(on, total - s);
        fillCappedPiece(image, dash, width, colour);
    }
}

}  // namespace orvalde
