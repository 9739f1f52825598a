#pragma once
// The laboratory's physical parameters and what it refuses.

#include <cstddef>
#include <string>
#include <vector>

#include "language/Translator.h"

namespace orvalde {

// Bobs per track, at most.
inline constexpr std::size_t kMaxBobs = 12;

struct LabParameters {
    double gravity = 9.81;  // m/s²
    double length = 80;     // m, the string
    double mass = 1;        // kg
    double damping = 0;     // γ in 1/s: friction slows the bob at the rate γ·v
    friend bool operator==(const LabParameters&, const LabParameters&) = default;
};

// Why the parameters cannot be used, in the language; empty when they can.
// Refused: g ≤ 0, L ≤ 0, m ≤ 0, γ < 0, γ ≥ 2√(g/L) (the bob would creep
// to the lowest point without ever passing it), anything not finite.
std::string RefuseParameters(const LabParameters& p, const Translator& language = Translator::english());

// Why a release height cannot be used on a string of this length: it must
// lie in (0, L/2].
std::string RefuseHeight(double height, double length, const Translator& language = Translator::english());

// The first refusal of the heights, or empty; at least one height is needed.
std::string RefuseHeights(const std::vector<double>& heights, double length,
                          const Translator& language = Translator::english());

// √(g/L).
double NaturalFrequency(const LabParameters& p);

}  // namespace orvalde
