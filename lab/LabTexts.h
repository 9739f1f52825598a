#pragma once
// Every text of the laboratory that a user sees, in one place, marked for the
// catalogs and translated where it is shown (language.tr(labtext::kRelease)).
// Texts with values name them: "{height}", filled with orvalde::Fill.

#include <string>

#include "language/Mark.h"
#include "language/Translator.h"

namespace orvalde::labtext {

inline constexpr const char* kWindowTitle = N_("ORVALDE \u2014 Laboratory");
// The tracks as the laboratory names them; the CSV keeps its own English names.
inline constexpr const char* kCycloidTrack = N_("cycloid");
inline constexpr const char* kCircleTrack = N_("circle");
inline constexpr const char* kCycloidCaption = N_("Cycloid of string length L");
inline constexpr const char* kCircleCaption = N_("Circle of radius L");

// Refusals.
inline constexpr const char* kGravityRefused = N_("Gravity must be a number above 0 m/s\u00b2, not {value}.");
inline constexpr const char* kLengthRefused = N_("The string length must be a number above 0 m, not {value}.");
inline constexpr const char* kMassRefused = N_("The mass must be a number above 0 kg, not {value}.");
inline constexpr const char* kDampingRefused =
    N_("The friction must be a number of at least 0 per second, not {value}.");
inline constexpr const char* kDampingTooStrong =
    N_("A friction of {value} per second is too strong: the bobs would creep down and never pass the lowest point. "
       "Keep it below {limit} per second.");
inline constexpr const char* kHeightRefused =
    N_("A release height must be above 0 m and at most {limit} m, not {value} m.");
inline constexpr const char* kNoHeights = N_("At least one release height is needed.");
inline constexpr const char* kUrlBadValue = N_("The link's {name} is not usable ({why}); the default is used instead.");

// Controls.
inline constexpr const char* kRelease = N_("Release");
inline constexpr const char* kPause = N_("Pause");
inline constexpr const char* kResume = N_("Resume");
inline constexpr const char* kStep = N_("Step");
inline constexpr const char* kReset = N_("Reset");
inline constexpr const char* kEvenHeights = N_("Even heights");
inline constexpr const char* kCopyLink = N_("Copy link");
inline constexpr const char* kLink = N_("Link to this set-up");
inline constexpr const char* kLinkCopied = N_("Link copied.");
inline constexpr const char* kPaceLabel = N_("Pace");
inline constexpr const char* kGravityLabel = N_("Gravity");
inline constexpr const char* kLengthLabel = N_("String length L (m)");
inline constexpr const char* kMassLabel = N_("Mass (kg)");
inline constexpr const char* kDampingLabel = N_("Friction \u03b3 (1/s)");
inline constexpr const char* kPlanetX = N_("Planet X");
inline constexpr const char* kRevealGravity = N_("Show g");
inline constexpr const char* kHiddenGravity = N_("g = ? (measure it)");
inline constexpr const char* kGravityValue = N_("g = {g} m/s\u00b2");
inline constexpr const char* kGravityPreset = N_("{name} ({g} m/s\u00b2)");
inline constexpr const char* kEarth = N_("Earth");
inline constexpr const char* kMoon = N_("Moon");
inline constexpr const char* kMars = N_("Mars");
inline constexpr const char* kJupiter = N_("Jupiter");
inline constexpr const char* kApparatus = N_("The apparatus");
inline constexpr const char* kToApparatus = N_("The pendulum");
inline constexpr const char* kToLaboratory = N_("Laboratory: the race");
inline constexpr const char* kHelp =
    N_("Drag a bob along its path to set its height, or click it and use the arrow keys (\u2191 \u2193 height, "
       "\u2190 \u2192 the other bobs). Space lets them all go, pauses and resumes; S steps; R resets.");

// Arrival table and spread.
inline constexpr const char* kColumnTrack = N_("track");
inline constexpr const char* kColumnBob = N_("bob");
inline constexpr const char* kColumnHeight = N_("height");
inline constexpr const char* kColumnArrival = N_("arrival");
inline constexpr const char* kColumnTheory = N_("theory");
inline constexpr const char* kSpreadApart = N_("{track}: {spread} s between first and last");
inline constexpr const char* kNotReleased = N_("Set the heights, then press Release.");

// Scene and plots.
inline constexpr const char* kEnergyTitle = N_("Energy of bob {bob}");
inline constexpr const char* kEnergyAxis = N_("energy (J)");
inline constexpr const char* kKinetic = N_("kinetic");
inline constexpr const char* kPotential = N_("potential");
// TRANSLATORS: the bar of the energy that friction took from the bob
inline constexpr const char* kDissipated = N_("friction");
inline constexpr const char* kTotal = N_("total");
inline constexpr const char* kDisplacementTitle = N_("Displacement along the path");
inline constexpr const char* kTimeAxis = N_("time (s)");
inline constexpr const char* kDisplacementAxis = N_("displacement (m)");
inline constexpr const char* kPhaseTitle = N_("Phase portrait");
inline constexpr const char* kVelocityAxis = N_("velocity (m/s)");

// Sentences with counts, plural by the count.
std::string TooManyHeights(unsigned long most, const Translator& language);
// "cycloid: all six within 0.000001 s"; `within` already written out.
std::string SpreadTogether(const char* track, int count, const std::string& within, const Translator& language);
// "circle: 2 of 6 arrived so far"
std::string SpreadWaiting(const char* track, int arrived, int count, const Translator& language);

// The track's name in the language ("κυκλοειδής").
const char* TrackWord(bool cycloid, const Translator& language);

// A count of bobs in words, "six", in the language; digits above twelve.
std::string CountWord(int n, const Translator& language);

// The number as printf writes it with `format` (one double, "%g", "%.2f"…),
// with the language's decimal separator.
std::string Number(const Translator& language, double value, const char* format = "%g");

}  // namespace orvalde::labtext
