#include "app/tools/FuzzDriver.h"

#include <cmath>
#include <memory>

#include "app/HeadlessOrvalde.h"
#include "app/KeptValues.h"
#include "surface/CheckingSurface.h"
#include "surface/raster/RasterSurface.h"

namespace orvalde {
namespace {

std::optional<std::string> FirstNonFinite(const Simulation& sim) {
    for (const KeptValue& v : KeptValues(sim))
        if (!std::isfinite(v.value)) return std::string(v.name);
    return std::nullopt;
}

// The program started up on a small image surface, as a user would meet it.
class FuzzTarget {
public:
    FuzzTarget() : image_(240, 160, 1.0), surface_(image_), p_(surface_, 240, 160) { p_.form.Main(); }

    std::optional<std::string> apply(const FuzzEvent& e) {
        RecordingScrollBar& bar = p_.xthesi;
        switch (e.kind) {
            case FuzzKind::Button: press(e.value); break;
            case FuzzKind::ArrowLeft: bar.setValue(bar.value() - 1); break;
            case FuzzKind::ArrowRight: bar.setValue(bar.value() + 1); break;
            case FuzzKind::PageLeft: bar.setValue(bar.value() - bar.largeChange()); break;
            case FuzzKind::PageRight: bar.setValue(bar.value() + bar.largeChange()); break;
            case FuzzKind::Drag: bar.setValue(e.value); break;
            case FuzzKind::Minimum: bar.setValue(bar.minimum()); break;
            case FuzzKind::Maximum: bar.setValue(bar.maximum()); break;
            case FuzzKind::Tick1:
                if (p_.timer1.running()) p_.form.Timer1_Timer();
                break;
            case FuzzKind::Tick2:
                if (p_.timer2.running()) p_.form.Timer2_Timer();
                break;
        }
        if (auto name = FirstNonFinite(p_.form.sim())) return "non-finite " + *name;
        if (surface_.nonFiniteCalls() > 0) return "drawing call with a non-finite coordinate";
        if (!p_.messages.shown.empty()) return "message shown: " + p_.messages.shown.front();
        return std::nullopt;
    }

private:
    void press(int n) {
        OrvaldeForm& f = p_.form;
        switch (n) {
            case 1: f.Command1_Click(); break;
            case 2: f.Command2_Click(); break;
            case 3: f.Command3_Click(); break;
            case 4: f.Command4_Click(); break;
            case 5: f.Command5_Click(); break;
            case 6: f.Command6_Click(); break;
            case 7: f.Command7_Click(); break;
            case 8: f.Command8_Click(); break;
            default: f.Command9_Click(); break;
        }
    }

    RasterSurface image_;
    CheckingSurface surface_;
    HeadlessProgram p_;
};

constexpr const char* kKindNames[] = {"button", "left", "right", "pageleft", "pageright",
                                      "drag",   "min",  "max",   "tick1",    "tick2"};

}  // namespace

std::string Describe(const FuzzEvent& e) {
    const std::string name = kKindNames[static_cast<int>(e.kind)];
    if (e.kind == FuzzKind::Button || e.kind == FuzzKind::Drag) return name + " " + std::to_string(e.value);
    return name;
}

std::optional<FuzzEvent> ParseFuzzEvent(const std::string& text) {
    for (int k = 0; k < 10; ++k) {
        const std::string name = kKindNames[k];
        const auto kind = static_cast<FuzzKind>(k);
        const bool takesValue = kind == FuzzKind::Button || kind == FuzzKind::Drag;
        if (!takesValue && text == name) return FuzzEvent{kind, 0};
        if (takesValue && text.rfind(name + " ", 0) == 0) {
            try {
                return FuzzEvent{kind, std::stoi(text.substr(name.size() + 1))};
            } catch (...) {
                return std::nullopt;
            }
        }
    }
    return std::nullopt;
}

FuzzEvent FuzzEventSource::next() {
    // Ticks half of the time, so that the animations get far; buttons and
    // the scroll bar share the rest.
    const int roll = static_cast<int>(rng_() % 100);
    if (roll < 25) return {FuzzKind::Tick1, 0};
    if (roll < 50) return {FuzzKind::Tick2, 0};
    if (roll < 80) return {FuzzKind::Button, 1 + static_cast<int>(rng_() % 9)};
    switch (roll % 7) {
        case 0: return {FuzzKind::ArrowLeft, 0};
        case 1: return {FuzzKind::ArrowRight, 0};
        case 2: return {FuzzKind::PageLeft, 0};
        case 3: return {FuzzKind::PageRight, 0};
        case 4: return {FuzzKind::Minimum, 0};
        case 5: return {FuzzKind::Maximum, 0};
        default: return {FuzzKind::Drag, -130 + static_cast<int>(rng_() % 141)};  // also beyond both ends
    }
}

std::optional<FuzzFailure> RunFuzzEvents(const std::vector<FuzzEvent>& events) {
    FuzzTarget target;
    for (std::size_t i = 0; i < events.size(); ++i) {
        if (auto what = target.apply(events[i])) return FuzzFailure{i, *what};
    }
    return std::nullopt;
}

std::optional<FuzzFailure> RunFuzzSeed(std::uint64_t seed, std::uint64_t count, std::vector<FuzzEvent>* failing) {
    FuzzTarget target;
    FuzzEventSource source(seed);
    for (std::uint64_t i = 0; i < count; ++i) {
        const FuzzEvent e = source.next();
        if (auto what = target.apply(e)) {
            if (failing) {
                FuzzEventSource replay(seed);
                failing->clear();
                for (std::uint64_t j = 0; j <= i; ++j) failing->push_back(replay.next());
            }
            return FuzzFailure{static_cast<std::size_t>(i), *what};
        }
    }
    return std::nullopt;
}

std::vector<FuzzEvent> MinimizeFuzzFailure(std::vector<FuzzEvent> failing) {
    const auto first = RunFuzzEvents(failing);
    if (!first) return failing;
    // Everything after the first failure is noise.
    failing.resize(first->index + 1);
    return ShortestFailingSequence(
        std::move(failing), [](const std::vector<FuzzEvent>& events) { return RunFuzzEvents(events).has_value(); });
}

std::vector<FuzzEvent> ShortestFailingSequence(std::vector<FuzzEvent> failing,
                                               const std::function<bool(const std::vector<FuzzEvent>&)>& fails) {
    // Remove ever smaller chunks while the rest still fails.
    for (std::size_t chunk = failing.size() / 2; chunk >= 1; chunk /= 2) {
        for (std::size_t start = 0; start + chunk <= failing.size();) {
            std::vector<FuzzEvent> shorter(failing.begin(), failing.begin() + static_cast<long>(start));
            shorter.insert(shorter.end(), failing.begin() + static_cast<long>(start + chunk), failing.end());
            if (fails(shorter)) {
                failing = std::move(shorter);
            } else {
                start += chunk;
            }
        }
        if (chunk == 1) break;
    }
    return failing;
}

}  // namespace orvalde
