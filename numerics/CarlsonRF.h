#pragma once
// Carlson's symmetric integral R_F and the elliptic integral of the first kind
// built on it. The circular pendulum's exact motion needs K(k) = F(pi/2, k).

#include "numerics/MessageCallback.h"

namespace orvalde {

// The smaller of a and b; b on a tie.
constexpr double FMin(double a, double b) { return a < b ? a : b; }
// The larger of a and b; a on a tie.
constexpr double FMax(double a, double b) { return a < b ? b : a; }

// R_F(x, y, z) = 1/2 ∫0^∞ dt / sqrt((t+x)(t+y)(t+z)) by Carlson's duplication,
// good to about 1e-11 relative (never worse than about 1e-7).
// The arguments must be finite and non-negative, and no two may sum below
// 1.5e-38 (so at most one is 0). Otherwise report receives "invalid arguments in
// rf" and the result is 0. If passes is given it receives the number of
// duplication passes, 0 for rejected arguments.
double CarlsonRF(double x, double y, double z, MessageCallback report, int* passes = nullptr);

// F(phi, k) = ∫0^phi dθ / sqrt(1 − k² sin²θ), phi in radians, k the modulus.
// Arguments outside the integral's domain (k·sin phi beyond ±1, or past the
// first quarter turn with |k| ≥ 1) report the R_F message and give 0.
double EllipticF(double phi, double k, MessageCallback report);

}  // namespace orvalde
