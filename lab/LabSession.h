#pragma once
// The laboratory's controls, shared by both editions: the set-up (heights,
// parameters, Planet X), the selected bob, dragging and keys, release,
// pause, step, reset and the pace, and what the plots need of the motion's
// history. The shells only turn their events into these calls and draw
// LabScene.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "lab/LabLayout.h"
#include "lab/LabSetup.h"
#include "lab/LabTexts.h"
#include "lab/Race.h"
#include "measure/TickPacer.h"

namespace orvalde {

enum class LabKey { Up, Down, Left, Right, Space, Step, Reset, EvenHeights, Pace1, Pace2, Pace3, Pace4 };

// One sample of a bob's motion for the plots: time, arc length from the
// lowest point, speed along the path.
struct MotionSample {
    double time = 0, displacement = 0, velocity = 0;
};

struct Selection {
    Track track = Track::Cycloid;
    std::size_t bob = 0;  // from 0
    friend bool operator==(const Selection&, const Selection&) = default;
};

struct GravityPreset {
    const char* name;
    double gravity;  // m/s²
};
inline constexpr GravityPreset kGravityPresets[] = {{labtext::kEarth, 9.81},
                                                    {labtext::kMoon, 1.62},
                                                    {labtext::kMars, 3.71},
                                                    {labtext::kJupiter, 24.79},
                                                    {labtext::kApparatus, 10}};

// "Earth (9,81 m/s²)" in the language, for a choice of gravity.
std::string GravityPresetLabel(const GravityPreset& preset, const Translator& language);

// Simulated seconds per real second at each pace: ¼× … 24× as in the apparatus.
double PaceFactor(Pace pace);

class LabSession {
public:
    explicit LabSession(const LabSetup& setup = DefaultLabSetup());

    // --- the language of its refusals, sentences and scene; the translator
    // must outlive the session (it is the shell's one translator).
    void setLanguage(const Translator& language);
    const Translator& language() const { return *language_; }
    // "g = 9,81 m/s²", or that it is hidden, in the language.
    std::string gravityText() const;

    // --- set-up; refusals return the reason and change nothing.
    // Heights scale with the length; a new gravity is not hidden.
    std::string setParameters(const LabParameters& p);
    std::string setHeights(const std::vector<double>& heights);
    std::string setHeight(std::size_t bob, double height);
    void evenHeights();
    // Gravity drawn from [4, 20] m/s² by unit in [0, 1), hidden until revealed.
    void choosePlanetX(double unit);
    void revealGravity() {
        gravityHidden_ = false;
        ++revision_;
    }
    bool gravityHidden() const { return gravityHidden_; }
    LabSetup setup() const;  // with the hidden gravity, for the link

    // --- the race.
    void release();
    void togglePause();
    void step();   // one tenth of a second of the motion, paused afterwards
    void reset();  // back to the release heights
    bool released() const { return released_; }
    bool running() const { return released_ && !paused_; }
    bool paused() const { return released_ && paused_; }
    void setPace(Pace pace);
    Pace pace() const { return pace_; }

    // A display frame at `seconds` on any steady clock: moves the race on by
    // the time since the last frame times the pace (a stall is not made up).
    // Returns true when something changed.
    bool frame(double seconds);

    // --- selection, keys and pointer (pixels of the view set last).
    void setView(double width, double height);
    const LabLayout& layout() const { return layout_; }
    Selection selection() const { return selection_; }
    void select(Selection s);
    bool key(LabKey key);
    bool pointerDown(double x, double y);  // true: a bob was picked
    bool pointerMove(double x, double y);  // true: the picked bob moved
    void pointerUp() { dragging_ = false; }
    bool dragging() const { return dragging_; }

    const Race& race() const { return race_; }
    const std::vector<MotionSample>& history(Track track, std::size_t bob) const;
    // Changes whenever what is drawn changes.
    std::uint64_t revision() const { return revision_; }

private:
    void record();
    void clearHistory();
    std::string apply(const LabParameters& p, const std::vector<double>& heights);
    double heightStep() const;

    const Translator* language_ = &Translator::english();
    Race race_;
    LabParameters parameters_;
    std::vector<double> heights_;
    bool released_ = false, paused_ = false, gravityHidden_ = false;
    Pace pace_ = Pace::RealTime;
    std::optional<double> lastFrame_;
    Selection selection_;
    bool dragging_ = false;
    LabLayout layout_;
    std::vector<std::vector<MotionSample>> history_[2];
    std::uint64_t revision_ = 1;
};

}  // namespace orvalde
