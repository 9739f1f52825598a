#pragma once
// The times the theory gives for a bob let go from rest to reach the lowest
// point, for comparison with the integrated race.

#include <optional>

#include "lab/LabParameters.h"

namespace orvalde {

// The cycloid, from any height: (π/2)√(L/g) without friction; with friction γ,
// (π − atan(2ω_d/γ))/ω_d, ω_d = √(g/L − γ²/4).
double CycloidArrivalTheory(const LabParameters& p);

// The circle of radius L from a height h: K(k)√(L/g), k = sin(θ0/2); nothing
// with friction, where there is no closed form.
std::optional<double> CircleArrivalTheory(const LabParameters& p, double height);

}  // namespace orvalde
