#pragma once
// The two paths of the race, both for a string of length L, in their own
// coordinate q: the cycloid's rolling parameter φ (x = L/4 (φ + sin φ),
// y = L/4 (1 − cos φ), cusps at φ = ±π, height L/2) and the circle's angle θ
// from the vertical. Positions are metres from the lowest point, y upwards.
// Bobs are let go on the left, at negative q.

namespace orvalde {

enum class Track { Cycloid, Circle };
inline constexpr Track kTracks[] = {Track::Cycloid, Track::Circle};

struct PathPoint {
    double x = 0, y = 0;
};

PathPoint PositionOn(Track track, double length, double q);

// Height above the lowest point.
double HeightOn(Track track, double length, double q);

// Arc length from the lowest point, signed like q.
double ArcOn(Track track, double length, double q);

// ds/dq: metres of path per unit of q (0 at the cycloid's cusps).
double ArcRate(Track track, double length, double q);

// Angle of the tangent to the horizontal: φ/2 on the cycloid, θ on the circle.
double TangentAngle(Track track, double q);

// The coordinate of the point at height h on the left (q ≤ 0); h within [0, L/2].
double CoordinateAtHeight(Track track, double length, double height);

// The highest q reachable on the path's drawn arc: π on the cycloid (its
// cusp), and on the circle the angle of height L/2.
double CoordinateLimit(Track track);

}  // namespace orvalde
