#pragma once
// Random use of the whole program, headless on a small raster surface:
// buttons in any order, scroll-bar arrows, pages, drags and both ends, and
// ticks of whichever timers are running. After every event the state must be
// finite, no drawing call may carry a non-finite coordinate and no message
// may have been shown. A failing run is cut down to a short sequence that
// still fails.

#include <cstdint>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace orvalde {

enum class FuzzKind { Button, ArrowLeft, ArrowRight, PageLeft, PageRight, Drag, Minimum, Maximum, Tick1, Tick2 };

struct FuzzEvent {
    FuzzKind kind = FuzzKind::Tick1;
    int value = 0;  // button number 1..9, or the scroll value a drag is released at
    friend bool operator==(const FuzzEvent&, const FuzzEvent&) = default;
};

std::string Describe(const FuzzEvent& event);  // "button 7", "drag -53", "tick1"
std::optional<FuzzEvent> ParseFuzzEvent(const std::string& text);

// Deterministic stream of events for a seed.
class FuzzEventSource {
public:
    explicit FuzzEventSource(std::uint64_t seed) : rng_(seed) {}
    FuzzEvent next();

private:
    std::mt19937_64 rng_;
};

struct FuzzFailure {
    std::size_t index = 0;  // event after which the check failed
    std::string what;
};

// Runs events on a fresh program (start-up first). Returns the first failure.
std::optional<FuzzFailure> RunFuzzEvents(const std::vector<FuzzEvent>& events);

// Runs `count` events of the seed's stream; on failure returns it with the
// failing prefix in `failing`.
std::optional<FuzzFailure> RunFuzzSeed(std::uint64_t seed, std::uint64_t count, std::vector<FuzzEvent>* failing);

// Shortest sequence found (by removing chunks, then single events) that still fails.
std::vector<FuzzEvent> MinimizeFuzzFailure(std::vector<FuzzEvent> failing);

// The same search for any notion of failing; `failing` must fail.
std::vector<FuzzEvent> ShortestFailingSequence(std::vector<FuzzEvent> failing,
                                               const std::function<bool(const std::vector<FuzzEvent>&)>& fails);

}  // namespace orvalde
