#pragma once
// Every English text of the key to the drawing, the status line, the joint
// button's hint and the sweep table, in one place for translation.


#include <string>

namespace orvalde::text {

// The key to the drawing: a short label per figure and the sentence the help gives it.
inline constexpr const char* kLegendTitle = "Key to the drawing";
inline constexpr const char* kLegendVelocity = "velocity";
inline constexpr const char* kLegendVelocityHelp = "Red arrow: the bob's velocity, drawn at its true length (1 m per m/s).";
inline constexpr const char* kLegendNetForce = "net force \u00d73";
inline constexpr const char* kLegendNetForceHelp =
    "Magenta arrow: the net force on the bob (mass 1 kg), drawn three times as long (3 m per N).";
inline constexpr const char* kLegendTension = "tension \u00d73";
inline constexpr const char* kLegendTensionHelp = "Blue arrow: the string's tension, three times as long.";
inline constexpr const char* kLegendWeight = "weight \u00d73";
inline constexpr const char* kLegendWeightHelp = "Dark arrow: the weight, 10 N, three times as long.";
inline constexpr const char* kLegendParallelogram = "force parallelogram";
inline constexpr const char* kLegendParallelogramHelp =
    "Thin black lines: the parallelogram of tension and weight, whose diagonal is the net force.";
inline constexpr const char* kLegendString = "string";
inline constexpr const char* kLegendStringHelp =
    "Red line from the bob up: the string; on the cycloidal pendulum it wraps on a cheek.";
inline constexpr const char* kLegendPath = "bob's path (cycloid)";
inline constexpr const char* kLegendPathHelp = "Thin red curve: the cycloid the cycloidal bob moves on.";
inline constexpr const char* kLegendCheeks = "cheeks (evolute)";
inline constexpr const char* kLegendCheeksHelp =
    "Blue curves from the top cusp: the two cycloidal cheeks the string wraps on (the path's evolute).";
inline constexpr const char* kLegendGreen = "cheek points";
inline constexpr const char* kLegendGreenHelp =
    "Green dots: the cheeks drawn again point by point (NEA EXILIGMENH), and where the string leaves the cheek.";
inline constexpr const char* kLegendOsculating = "osculating circle";
inline constexpr const char* kLegendOsculatingHelp =
    "Thin black circle while the cycloidal bob runs: the circle the path follows at the bob, centred where the "
    "string leaves the cheek, its radius the free string.";
inline constexpr const char* kLegendBob = "bob";
inline constexpr const char* kLegendBobHelp = "Blue dot: a running bob.";
inline constexpr const char* kLegendExact = "exact circular pendulum";
inline constexpr const char* kLegendExactHelp =
    "Right half, with the cycloidal pendulum: a circular pendulum of the same length released from the same "
    "height, placed by the exact solution; the black arc is its swing, the white dot its release point.";
inline constexpr const char* kLegendIntegrated = "integrated circular pendulum";
inline constexpr const char* kLegendIntegratedHelp =
    "Right half, black dot with a thin string (KYKLIKO), then moving (time on KYKLIKO): the circular pendulum "
    "integrated step by step.";
inline constexpr const char* kLegendConstruction = "rolling circles";
inline constexpr const char* kLegendConstructionHelp =
    "Dashed black circles and lines in the start picture: the circles whose rolling traces the path and the "
    "cheeks at the chosen start; the solid black circle at the left edge is the same circle at rest.";
inline constexpr const char* kLegendVerticals = "arch ends";
inline constexpr const char* kLegendVerticalsHelp =
    "Tall red lines: the two ends of the cycloid's arch (left half) and the right edge of the circular "
    "pendulums' half.";
inline constexpr const char* kLegendRing = "ring, radius 50 m";
inline constexpr const char* kLegendRingHelp =
    "Magenta dots at start-up: a ring of radius 50 m about the centre of the drawing, a scale for the eye.";

// The status line.
inline constexpr const char* kStatusCycloid = "cycloidal and exact circular";
inline constexpr const char* kStatusCircular = "integrated circular";
inline constexpr const char* kStatusPaused = "paused";
inline constexpr const char* kStatusNothingRuns = "no pendulum running";
// %1$.2f the height in m, %2$.1f the angle in degrees.
inline constexpr const char* kStatusRelease = "release height %.2f m above the lowest point, string at %.1f\u00b0";
inline constexpr const char* kStatusConstants = "L = %g m, g = %g m/s\u00b2";

// The joint button ("orvalde και κυκλικό μαζί").
inline constexpr const char* kJointHint =
    "The joint button resumes both pendulums once each has run: press TIME ON and time on KYKLIKO first.";
inline constexpr const char* kJointHelp =
    "Resumes the cycloidal and the integrated circular pendulum together, from the start, once each has been "
    "started once (TIME ON and time on KYKLIKO); before that it does nothing.";

// The sweep table in the measurements panel.
inline constexpr const char* kSweepHeight = "release height (m)";
inline constexpr const char* kSweepAngle = "angle (\u00b0)";
inline constexpr const char* kSweepCycloid = "cycloid period (s)";
inline constexpr const char* kSweepExact = "exact circular period (s)";
inline constexpr const char* kSweepDifference = "difference (%)";

// Options.
inline constexpr const char* kShowLegend = "Show or hide the key to the drawing";
inline constexpr const char* kBoldLines = "Bold lines for projectors";

}  // namespace orvalde::text
