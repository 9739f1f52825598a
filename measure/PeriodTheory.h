#pragma once
// The periods the theory gives, for comparing with what the meter measures.

namespace orvalde {

inline constexpr double kGravity = 10;  // W = 10 on a bob of mass 1

// 2 pi sqrt(L/g): the cycloidal pendulum's period, the same from every height.
double CycloidPeriod(double stringLength);

// 4 K(k) sqrt(L/g) with k = sin(theta0/2): a circular pendulum released at
// theta0 radians from the vertical. K comes from Carlson's R_F.
double CircularPeriod(double stringLength, double theta0);

// Release angle of a circular pendulum of length L hung at pivotY and let go
// at height y (no higher than the pivot).
double CircularReleaseAngle(double stringLength, double pivotY, double y);

}  // namespace orvalde
