#pragma once
// The laboratory's set-up as a URL query, so that a teacher can send a race:
// "g=1.62&length=80&damping=0&heights=5,10,20,40" (mass=… too). Reading
// never fails: a value that cannot be used is named in a message and its
// default taken instead.

#include <string>
#include <vector>

#include "lab/LabParameters.h"

namespace orvalde {

struct LabSetup {
    LabParameters parameters;
    std::vector<double> heights;
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
// that reads back to the same double.
std::string SerialiseLabSetup(const LabSetup& setup);

// The shortest decimal text that reads back to v, with a point.
std::string ShortestNumber(double v);
// The same with the language's decimal separator, for what a pupil reads.
std::string ShortestNumber(double v, const Translator& language);

}  // namespace orvalde
