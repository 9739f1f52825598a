#include "lab/TrackGeometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace orvalde {

PathPoint PositionOn(Track track, double length, double q) {
    if (track == Track::Cycloid) return {length / 4 * (q + std::sin(q)), length / 4 * (1 - std::cos(q))};
    return {length * std::sin(q), length * (1 - std::cos(q))};
}

double HeightOn(Track track, double length, double q) { return PositionOn(track, length, q).y; }

double ArcOn(Track track, double length, double q) {
    return track == Track::Cycloid ? length * std::sin(q / 2) : length * q;
}

double ArcRate(Track track, double length, double q) {
    return track == Track::Cycloid ? length / 2 * std::cos(q / 2) : length;
}

double TangentAngle(Track track, double q) { return track == Track::Cycloid ? q / 2 : q; }

double CoordinateAtHeight(Track track, double length, double height) {
    const double ratio = std::clamp(height / length, 0.0, 0.5);
    if (track == Track::Cycloid) {
        // y = L/2 sin²(φ/2); at the cusp asin(1) is exactly π/2, and 2·(π/2)
        // stays just below π, on the path's side of the cusp.
        return -2 * std::asin(std::sqrt(2 * ratio));
    }
    return -std::acos(1 - ratio);
}

double CoordinateLimit(Track track) { return track == Track::Cycloid ? std::numbers::pi : std::numbers::pi / 3; }

}  // namespace orvalde
