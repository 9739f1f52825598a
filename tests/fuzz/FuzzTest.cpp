// Random use of the whole program must never leave a non-finite value, draw
// at a non-finite coordinate or raise a message; and the sequences that once
// failed stay fixed.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "app/tools/FuzzDriver.h"

namespace orvalde {
namespace {

std::uint64_t FromEnvironment(const char* name, std::uint64_t fallback) {
    const char* text = std::getenv(name);
    return text && *text ? std::strtoull(text, nullptr, 10) : fallback;
}

std::vector<FuzzEvent> Parse(std::initializer_list<const char*> lines) {
    std::vector<FuzzEvent> events;
    for (const char* line : lines) {
        const auto e = ParseFuzzEvent(line);
        EXPECT_TRUE(e) << line;
        if (e) events.push_back(*e);
    }
    return events;
}

TEST(Fuzz, RandomUseKeepsEverythingFinite) {
    const std::uint64_t seed = FromEnvironment("ORVALDE_FUZZ_SEED", 20261207);
    const std::uint64_t events = FromEnvironment("ORVALDE_FUZZ_EVENTS", 200000);
    std::vector<FuzzEvent> failing;
    const auto failure = RunFuzzSeed(seed, events, &failing);
    if (failure) {
        std::string sequence;
        for (const FuzzEvent& e : MinimizeFuzzFailure(failing)) sequence += "\n  " + Describe(e);
        FAIL() << "seed " << seed << ": " << failure->what << " after event " << failure->index
               << "; shortest sequence:" << sequence;
    }
}

TEST(Fuzz, EventsReadBackAsWritten) {
    FuzzEventSource source(5);
    for (int i = 0; i < 1000; ++i) {
        const FuzzEvent e = source.next();
        EXPECT_EQ(ParseFuzzEvent(Describe(e)), e);
    }
    EXPECT_FALSE(ParseFuzzEvent("button x"));
    EXPECT_FALSE(ParseFuzzEvent("jump"));
}

TEST(Fuzz, MinimizingKeepsOnlyWhatTheFailureNeeds) {
    // Not a failure: nothing to cut.
    const auto fine = Parse({"button 1", "tick1", "tick1"});
    EXPECT_FALSE(RunFuzzEvents(fine));
    EXPECT_EQ(MinimizeFuzzFailure(fine), fine);

    // A failure that needs "button 3" somewhere before two "tick2": out of
    // 400 random events only those three remain, in their order.
    auto fails = [](const std::vector<FuzzEvent>& events) {
        int stage = 0;
        for (const FuzzEvent& e : events) {
            if (stage == 0 && e == FuzzEvent{FuzzKind::Button, 3})
                stage = 1;
            else if (stage >= 1 && e.kind == FuzzKind::Tick2)
                ++stage;
        }
        return stage >= 3;
    };
    FuzzEventSource source(9);
    std::vector<FuzzEvent> events;
    while (events.size() < 400 || !fails(events)) events.push_back(source.next());
    EXPECT_EQ(ShortestFailingSequence(events, fails), Parse({"button 3", "tick2", "tick2"}));
}

// Sequences kept from earlier failures and from faults mended by hand.
TEST(FuzzRegression, BobReleasedAtTheRightCuspMoves) {
    const auto events = Parse({"max", "button 1", "tick1", "tick1", "tick1", "tick1"});
    EXPECT_FALSE(RunFuzzEvents(events));
}

TEST(FuzzRegression, BobReleasedNextToTheCuspStaysFinite) {
    // From -1 the bob once left the arch at the left cusp and fell with its
    // velocity growing; it now turns there.
    std::vector<FuzzEvent> events = Parse({"max", "left", "button 1", "button 5"});
    for (int i = 0; i < 400; ++i) events.push_back({FuzzKind::Tick1, 0});
    EXPECT_FALSE(RunFuzzEvents(events));
}

TEST(FuzzRegression, ButtonsBeforeAnyStartAndDragsBeyondTheEnds) {
    const auto events = Parse({"button 6", "button 7", "button 9", "button 4", "button 8", "button 3", "drag -130",
                               "drag 10", "button 7", "button 5", "tick2", "min", "tick2", "button 2", "button 7"});
    EXPECT_FALSE(RunFuzzEvents(events));
}

}  // namespace
}  // namespace orvalde
