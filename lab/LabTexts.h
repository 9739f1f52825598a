#pragma once
// Every English text of the laboratory that a user sees, in one place, so
// that a translation catalog keyed by the English text can take them over.
// Texts with numbers are printf formats of doubles only.

#include <initializer_list>
#include <string>

namespace orvalde::labtext {

inline constexpr const char* kWindowTitle = "ORVALDE \u2014 Laboratory";
inline constexpr const char* kCycloidTrack = "cycloid";
inline constexpr const char* kCircleTrack = "circle";
inline constexpr const char* kCycloidCaption = "Cycloid of string length L";
inline constexpr const char* kCircleCaption = "Circle of radius L";

// Refusals.
inline constexpr const char* kGravityRefused = "Gravity must be a number above 0 m/s\u00b2, not %g.";
inline constexpr const char* kLengthRefused = "The string length must be a number above 0 m, not %g.";
inline constexpr const char* kMassRefused = "The mass must be a number above 0 kg, not %g.";
inline constexpr const char* kDampingRefused = "The friction must be a number of at least 0 per second, not %g.";
inline constexpr const char* kDampingTooStrong =
    "A friction of %g per second is too strong: the bobs would creep down and never pass the lowest point. "
    "Keep it below %.4g per second.";
inline constexpr const char* kHeightRefused = "A release height must be above 0 m and at most %2$g m, not %1$g m.";
inline constexpr const char* kNoHeights = "At least one release height is needed.";
inline constexpr const char* kTooManyHeights = "At most %g bobs race on each path.";
inline constexpr const char* kUrlBadValue = "The link's %s is not usable (%s); the default is used instead.";

// Controls.
inline constexpr const char* kRelease = "Release";
inline constexpr const char* kPause = "Pause";
inline constexpr const char* kResume = "Resume";
inline constexpr const char* kStep = "Step";
inline constexpr const char* kReset = "Reset";
inline constexpr const char* kEvenHeights = "Even heights";
inline constexpr const char* kCopyLink = "Copy link";
inline constexpr const char* kLinkCopied = "Link copied.";
inline constexpr const char* kPaceLabel = "Pace";
inline constexpr const char* kGravityLabel = "Gravity";
inline constexpr const char* kLengthLabel = "String length L (m)";
inline constexpr const char* kMassLabel = "Mass (kg)";
inline constexpr const char* kDampingLabel = "Friction \u03b3 (1/s)";
inline constexpr const char* kPlanetX = "Planet X";
inline constexpr const char* kRevealGravity = "Show g";
inline constexpr const char* kHiddenGravity = "g = ? (measure it)";
inline constexpr const char* kGravityValue = "g = %.2f m/s\u00b2";
inline constexpr const char* kEarth = "Earth";
inline constexpr const char* kMoon = "Moon";
inline constexpr const char* kMars = "Mars";
inline constexpr const char* kJupiter = "Jupiter";
inline constexpr const char* kApparatus = "10 m/s\u00b2 (the apparatus)";
inline constexpr const char* kToApparatus = "The pendulum";
inline constexpr const char* kToLaboratory = "Laboratory: the race";
inline constexpr const char* kHelp =
    "Drag a bob along its path to set its height, or click it and use the arrow keys (\u2191 \u2193 height, "
    "\u2190 \u2192 the other bobs). Space lets them all go, pauses and resumes; S steps; R resets.";

// Arrival table and spread.
inline constexpr const char* kColumnTrack = "track";
inline constexpr const char* kColumnBob = "bob";
inline constexpr const char* kColumnHeight = "height";
inline constexpr const char* kColumnArrival = "arrival";
inline constexpr const char* kColumnTheory = "theory";
inline constexpr const char* kSpreadTogether = "%s: all %s within %s s";
inline constexpr const char* kSpreadApart = "%s: %s s between first and last";
inline constexpr const char* kSpreadWaiting = "%s: %s of %s arrived so far";
inline constexpr const char* kNotReleased = "Set the heights, then press Release.";

// Scene and plots.
inline constexpr const char* kTime = "t = %.2f s";
inline constexpr const char* kEnergyTitle = "Energy of bob %g";
inline constexpr const char* kEnergyAxis = "energy (J)";
inline constexpr const char* kKinetic = "kinetic";
inline constexpr const char* kPotential = "potential";
inline constexpr const char* kDissipated = "friction";
inline constexpr const char* kTotal = "total";
inline constexpr const char* kDisplacementTitle = "Displacement along the path";
inline constexpr const char* kTimeAxis = "time (s)";
inline constexpr const char* kDisplacementAxis = "displacement (m)";
inline constexpr const char* kPhaseTitle = "Phase portrait";
inline constexpr const char* kVelocityAxis = "velocity (m/s)";

// Words for small counts, "six"; digits above twelve.
std::string CountWord(int n);

// printf of up to two doubles into a string.
std::string Format(const char* format, double a, double b = 0);

// The format with each "%s" replaced by the next of the parts, in order.
std::string Fill(const char* format, std::initializer_list<std::string> parts);

}  // namespace orvalde::labtext
