#pragma once
// The laboratory's set-up as a URL query, so that a teacher can send a race:
// "g=1.62&length=80&damping=0&heights=5,10,20,40" (mass=… too). A hidden
// gravity (Planet X) goes as "planet=x&seed=…" instead of g, a number from
// which a pupil cannot read g but which gives the same g back. Reading never
// fails: a value that cannot be used is named in a message and its default
// taken instead.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "lab/LabParameters.h"

namespace orvalde {

struct LabSetup {
    LabParameters parameters;
    std::vector<double> heights;
    bool gravityHidden = false;  // Planet X: g not shown until revealed
    friend bool operator==(const LabSetup&, const LabSetup&) = default;
};

// The set-up of a fresh laboratory: the defaults, six bobs at even heights.
LabSetup DefaultLabSetup();

struct ParsedSetup {
    LabSetup setup;
    std::vector<std::string> messages;  // one per value replaced by its default
};

// query: the part after '?', with or without the '?'. Unknown keys are left
// alone (a later version may add some); percent-escapes are decoded. The
// messages are in the language; the numbers in the query always C's.
ParsedSetup ParseLabSetup(const std::string& query, const Translator& language = Translator::english());

// The query for the set-up, without '?': every number in its shortest form
// that reads back to the same double; a hidden gravity as a seed, kept to
// hundredths of m/s² (as Planet X draws it).
std::string SerialiseLabSetup(const LabSetup& setup);

// The seed that stands for a hidden gravity in a link, and back: a hundredth
// of m/s² from 0.01 to 9999.99 scrambled into [0, 1000000007). A seed that
// stands for no such gravity (a mistyped link) gives nothing.
std::uint32_t GravitySeed(double gravity);
std::optional<double> GravityFromSeed(std::uint32_t seed);

// The shortest decimal text that reads back to v, with a point.
std::string ShortestNumber(double v);
// The same with the language's decimal separator, for what a pupil reads.
std::string ShortestNumber(double v, const Translator& language);

}  // namespace orvalde
