#pragma once
// Every English text of the key to the drawing, the status line, the joint
// button's hint and the sweep table, in one place. They are the catalogs'
// msgids: marked here with N_ and translated where they are shown.

#include "language/Mark.h"

namespace orvalde::text {

// The key to the drawing: a short label per figure and the sentence the help gives it.
inline constexpr const char* kLegendTitle = N_("Key to the drawing");
inline constexpr const char* kLegendVelocity = N_("velocity");
inline constexpr const char* kLegendVelocityHelp =
    N_("Red arrow: the bob's velocity, drawn at its true length (1 m per m/s).");
inline constexpr const char* kLegendNetForce = N_("net force ×3");
inline constexpr const char* kLegendNetForceHelp =
    N_("Magenta arrow: the net force on the bob (mass 1 kg), drawn three times as long (3 m per N).");
inline constexpr const char* kLegendTension = N_("tension ×3");
inline constexpr const char* kLegendTensionHelp = N_("Blue arrow: the string's tension, three times as long.");
inline constexpr const char* kLegendWeight = N_("weight ×3");
inline constexpr const char* kLegendWeightHelp = N_("Dark arrow: the weight, 10 N, three times as long.");
inline constexpr const char* kLegendParallelogram = N_("force parallelogram");
inline constexpr const char* kLegendParallelogramHelp =
    N_("Thin black lines: the parallelogram of tension and weight, whose diagonal is the net force.");
inline constexpr const char* kLegendString = N_("string");
inline constexpr const char* kLegendStringHelp =
    N_("Red line from the bob up: the string; on the cycloidal pendulum it wraps on a cheek.");
inline constexpr const char* kLegendPath = N_("bob's path (cycloid)");
inline constexpr const char* kLegendPathHelp = N_("Thin red curve: the cycloid the cycloidal bob moves on.");
inline constexpr const char* kLegendCheeks = N_("cheeks (evolute)");
inline constexpr const char* kLegendCheeksHelp =
    N_("Blue curves from the top cusp: the two cycloidal cheeks the string wraps on (the path's evolute).");
inline constexpr const char* kLegendGreen = N_("cheek points");
inline constexpr const char* kLegendGreenHelp =
    N_("Green dots: the cheeks drawn again point by point (NEA EXILIGMENH), and where the string leaves the cheek.");
inline constexpr const char* kLegendOsculating = N_("osculating circle");
inline constexpr const char* kLegendOsculatingHelp =
    N_("Thin black circle while the cycloidal bob runs: the circle the path follows at the bob, centred where the "
       "string leaves the cheek, its radius the free string.");
inline constexpr const char* kLegendBob = N_("bob");
inline constexpr const char* kLegendBobHelp = N_("Blue dot: a running bob.");
inline constexpr const char* kLegendExact = N_("exact circular pendulum");
inline constexpr const char* kLegendExactHelp =
    N_("Right half, with the cycloidal pendulum: a circular pendulum of the same length released from the same "
       "height, placed by the exact solution; the black arc is its swing, the white dot its release point.");
inline constexpr const char* kLegendIntegrated = N_("integrated circular pendulum");
inline constexpr const char* kLegendIntegratedHelp =
    N_("Right half, black dot with a thin string (KYKLIKO), then moving (time on KYKLIKO): the circular pendulum "
       "integrated step by step.");
inline constexpr const char* kLegendConstruction = N_("rolling circles");
inline constexpr const char* kLegendConstructionHelp =
    N_("Dashed black circles and lines in the start picture: the circles whose rolling traces the path and the "
       "cheeks at the chosen start; the solid black circle at the left edge is the same circle at rest.");
inline constexpr const char* kLegendVerticals = N_("arch ends");
inline constexpr const char* kLegendVerticalsHelp =
    N_("Tall red lines: the two ends of the cycloid's arch (left half) and the right edge of the circular "
       "pendulums' half.");
inline constexpr const char* kLegendRing = N_("ring, radius 50 m");
inline constexpr const char* kLegendRingHelp =
    N_("Magenta dots at start-up: a ring of radius 50 m about the centre of the drawing, a scale for the eye.");

// The status line, and its name for screen readers.
inline constexpr const char* kStatusName = N_("Status");
inline constexpr const char* kStatusCycloid = N_("cycloidal and exact circular");
inline constexpr const char* kStatusCircular = N_("integrated circular");
inline constexpr const char* kStatusPaused = N_("paused");
inline constexpr const char* kStatusNothingRuns = N_("no pendulum running");
// {bob} one of the two names above, {pace} "6×" or "paused".
inline constexpr const char* kStatusClock = N_("{bob}: t = {time} s, {pace}");
// {height} in m, {angle} in degrees.
inline constexpr const char* kStatusRelease =
    N_("release height {height} m above the lowest point, string at {angle}°");
inline constexpr const char* kStatusConstants = N_("L = {length} m, g = {gravity} m/s²");

// The joint button ("orvalde και κυκλικό μαζί").
inline constexpr const char* kJointHint =
    N_("The joint button resumes both pendulums once each has run: press TIME ON and time on KYKLIKO first.");
inline constexpr const char* kJointHelp =
    N_("Resumes the cycloidal and the integrated circular pendulum together, from the start, once each has been "
       "started once (TIME ON and time on KYKLIKO); before that it does nothing.");

// The sweep table in the measurements panel, its name and its headings.
inline constexpr const char* kSweepName = N_("Sweep");
inline constexpr const char* kSweepHeight = N_("release height (m)");
inline constexpr const char* kSweepAngle = N_("angle (°)");
inline constexpr const char* kSweepCycloid = N_("cycloid period (s)");
inline constexpr const char* kSweepExact = N_("exact circular period (s)");
inline constexpr const char* kSweepDifference = N_("difference (%)");

// Options.
inline constexpr const char* kShowLegend = N_("Show or hide the key to the drawing");
inline constexpr const char* kBoldLines = N_("Bold lines for projectors");

}  // namespace orvalde::text
