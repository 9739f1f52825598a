#include "display/Legend.h"

#include <array>
#include <cstdio>

#include "display/ReadableText.h"

namespace orvalde {
namespace {

using namespace text;

// The colours the ticks and the start picture draw with.
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kMagenta{255, 0, 255};
constexpr Rgb kTension{5, 0, 255};
constexpr Rgb kWeight{0, 30, 50};
constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kGreen{0, 255, 0};
constexpr Rgb kBlack{0, 0, 0};

constexpr std::array<LegendEntry, 16> kEntries{{
    {Swatch::Arrow, kRed, kLegendVelocity, kLegendVelocityHelp},
    {Swatch::Arrow, kMagenta, kLegendNetForce, kLegendNetForceHelp},
    {Swatch::Arrow, kTension, kLegendTension, kLegendTensionHelp},
    {Swatch::Arrow, kWeight, kLegendWeight, kLegendWeightHelp},
    {Swatch::ThinLine, kBlack, kLegendParallelogram, kLegendParallelogramHelp},
    {Swatch::Line, kRed, kLegendString, kLegendStringHelp},
    {Swatch::ThinLine, kRed, kLegendPath, kLegendPathHelp},
    {Swatch::Line, kBlue, kLegendCheeks, kLegendCheeksHelp},
    {Swatch::Dots, kGreen, kLegendGreen, kLegendGreenHelp},
    {Swatch::Ring, kBlack, kLegendOsculating, kLegendOsculatingHelp},
    {Swatch::Dot, kBlue, kLegendBob, kLegendBobHelp},
    {Swatch::Arc, kBlack, kLegendExact, kLegendExactHelp},
    {Swatch::Dot, kBlack, kLegendIntegrated, kLegendIntegratedHelp},
    {Swatch::Dashed, kBlack, kLegendConstruction, kLegendConstructionHelp},
    {Swatch::Line, kRed, kLegendVerticals, kLegendVerticalsHelp},
    {Swatch::Dots, kMagenta, kLegendRing, kLegendRingHelp},
}};

}  // namespace

std::span<const LegendEntry> LegendEntries() { return kEntries; }

std::string LegendHelpText(const Translator& language) {
    std::string out;
    for (const LegendEntry& e : kEntries) out += std::string(language.tr(e.label)) + ": " + language.tr(e.help) + "\n";
    return out;
}

std::string HexColour(Rgb c) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", c.red & 255, c.green & 255, c.blue & 255);
    return text;
}

}  // namespace orvalde
