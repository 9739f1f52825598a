#include "lab/LabSession.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace orvalde {
namespace {

constexpr double kStepSeconds = 0.1;       // one tick of the apparatus
constexpr double kLongestFrame = 0.1;      // real seconds; a stall is not made up
constexpr std::size_t kMaxSamples = 4000;  // per bob, then every other one is dropped

// Heights are kept to three digits of L/2: a dragged bob lands on 13.2 m, not
// on 13.2417…, and the link stays short.
double RoundHeight(double height, double length) {
    const double grid = std::pow(10.0, std::floor(std::log10(length / 2)) - 2);
    const double lowest = grid;
    const double rounded = std::clamp(std::round(height / grid) * grid, lowest, length / 2);
    char text[40];
    std::snprintf(text, sizeof text, "%.12g", rounded);
    return std::min(std::strtod(text, nullptr), length / 2);
}

}  // namespace

double PaceFactor(Pace pace) {
    switch (pace) {
        case Pace::Quarter: return 0.25;
        case Pace::RealTime: return 1;
        case Pace::PerFrame: return 6;
        case Pace::Fast: return 24;
    }
    return 1;
}

std::string GravityPresetLabel(const GravityPreset& preset, const Translator& language) {
    return Fill(language.tr(labtext::kGravityPreset),
                {{"name", language.tr(preset.name)}, {"g", ShortestNumber(preset.gravity, language)}});
}

LabSession::LabSession(const LabSetup& setup) {
    if (apply(setup.parameters, setup.heights).empty()) {
        gravityHidden_ = setup.gravityHidden;
    } else {
        const LabSetup d = DefaultLabSetup();
        apply(d.parameters, d.heights);
    }
    setView(1200, 800);
}

void LabSession::setLanguage(const Translator& language) {
    language_ = &language;
    ++revision_;
}

std::string LabSession::gravityText() const {
    if (gravityHidden_) return language_->tr(labtext::kHiddenGravity);
    return Fill(language_->tr(labtext::kGravityValue), {{"g", language_->number(parameters_.gravity, 2)}});
}

std::string LabSession::apply(const LabParameters& p, const std::vector<double>& heights) {
    if (std::string why = race_.configure(p, heights, *language_); !why.empty()) return why;
    parameters_ = p;
    heights_ = heights;
    released_ = paused_ = false;
    selection_.bob = std::min(selection_.bob, heights_.size() - 1);
    layout_ = LayoutLab(layout_.width, layout_.height, p.length);
    clearHistory();
    ++revision_;
    return {};
}

std::string LabSession::setParameters(const LabParameters& p) {
    if (std::string why = RefuseParameters(p, *language_); !why.empty()) return why;
    std::vector<double> heights = heights_;
    if (p.length != parameters_.length) {
        for (double& h : heights) h = RoundHeight(h * p.length / parameters_.length, p.length);
    }
    const bool newGravity = p.gravity != parameters_.gravity;
    std::string why = apply(p, heights);
    if (why.empty() && newGravity) gravityHidden_ = false;  // a gravity chosen in the open is shown
    return why;
}

std::string LabSession::setHeights(const std::vector<double>& heights) { return apply(parameters_, heights); }

std::string LabSession::setHeight(std::size_t bob, double height) {
    if (bob >= heights_.size()) return {};
    std::vector<double> heights = heights_;
    heights[bob] = height;
    return apply(parameters_, heights);
}

void LabSession::evenHeights() { apply(parameters_, EvenHeights(parameters_.length, heights_.size())); }

void LabSession::choosePlanetX(double unit) {
    LabParameters p = parameters_;
    p.gravity = std::round((4 + 16 * std::clamp(unit, 0.0, 1.0)) * 100) / 100;
    if (!setParameters(p).empty()) {
        p.damping = 0;
        setParameters(p);
    }
    gravityHidden_ = true;
    ++revision_;
}

LabSetup LabSession::setup() const { return {parameters_, heights_, gravityHidden_}; }

void LabSession::release() {
    if (released_) return;
    released_ = true;
    paused_ = false;
    lastFrame_.reset();
    record();
    ++revision_;
}

void LabSession::togglePause() {
    if (!released_) {
        release();
        return;
    }
    paused_ = !paused_;
    lastFrame_.reset();
    ++revision_;
}

void LabSession::step() {
    if (!released_) release();
    paused_ = true;
    race_.advance(kStepSeconds);
    record();
    ++revision_;
}

void LabSession::reset() {
    race_.reset();
    released_ = paused_ = false;
    clearHistory();
    ++revision_;
}

void LabSession::setPace(Pace pace) {
    pace_ = pace;
    ++revision_;
}

bool LabSession::frame(double seconds) {
    if (!running()) {
        lastFrame_.reset();
        return false;
    }
    if (!lastFrame_) {
        lastFrame_ = seconds;
        return false;
    }
    const double elapsed = std::clamp(seconds - *lastFrame_, 0.0, kLongestFrame);
    lastFrame_ = seconds;
    if (elapsed <= 0) return false;
    race_.advance(elapsed * PaceFactor(pace_));
    record();
    ++revision_;
    return true;
}

void LabSession::setView(double width, double height) {
    layout_ = LayoutLab(width, height, parameters_.length);
    ++revision_;
}

void LabSession::select(Selection s) {
    if (s.bob >= heights_.size()) return;
    selection_ = s;
    ++revision_;
}

double LabSession::heightStep() const { return parameters_.length / 2 / 40; }

bool LabSession::key(LabKey key) {
    const std::size_t n = heights_.size();
    switch (key) {
        case LabKey::Up:
        case LabKey::Down: {
            const double delta = key == LabKey::Up ? heightStep() : -heightStep();
            if (released_) reset();
            setHeight(selection_.bob, RoundHeight(heights_[selection_.bob] + delta, parameters_.length));
            return true;
        }
        case LabKey::Left: select({selection_.track, (selection_.bob + n - 1) % n}); return true;
        case LabKey::Right: select({selection_.track, (selection_.bob + 1) % n}); return true;
        case LabKey::Space: togglePause(); return true;
        case LabKey::Step: step(); return true;
        case LabKey::Reset: reset(); return true;
        case LabKey::EvenHeights: evenHeights(); return true;
        case LabKey::Pace1: setPace(Pace::Quarter); return true;
        case LabKey::Pace2: setPace(Pace::RealTime); return true;
        case LabKey::Pace3: setPace(Pace::PerFrame); return true;
        case LabKey::Pace4: setPace(Pace::Fast); return true;
    }
    return false;
}

bool LabSession::pointerDown(double x, double y) {
    const double reach = layout_.bobRadius * 1.6;
    double best = reach;
    std::optional<Selection> picked;
    for (Track track : kTracks) {
        const TrackView& view = layout_.track(track);
        const auto& bobs = race_.bobs(track);
        for (std::size_t i = 0; i < bobs.size(); ++i) {
            const PathPoint p = view.toPixels(PositionOn(track, parameters_.length, bobs[i].coordinate()));
            const double d = std::hypot(p.x - x, p.y - y);
            if (d <= best) {
                best = d;
                picked = Selection{track, i};
            }
        }
    }
    if (!picked) return false;
    select(*picked);
    dragging_ = true;
    return true;
}

bool LabSession::pointerMove(double x, double y) {
    if (!dragging_) return false;
    const double q = NearestCoordinate(layout_, selection_.track, parameters_.length, x, y);
    const double h = RoundHeight(HeightOn(selection_.track, parameters_.length, q), parameters_.length);
    if (released_) reset();
    if (h == heights_[selection_.bob]) return false;
    return setHeight(selection_.bob, h).empty();
}

const std::vector<MotionSample>& LabSession::history(Track track, std::size_t bob) const {
    return history_[track == Track::Cycloid ? 0 : 1][bob];
}

void LabSession::clearHistory() {
    for (auto& track : history_) track.assign(heights_.size(), {});
}

void LabSession::record() {
    for (Track track : kTracks) {
        auto& samples = history_[track == Track::Cycloid ? 0 : 1];
        const auto& bobs = race_.bobs(track);
        for (std::size_t i = 0; i < bobs.size() && i < samples.size(); ++i) {
            auto& s = samples[i];
            if (s.size() >= kMaxSamples) {
                std::size_t kept = 0;
                for (std::size_t j = 0; j < s.size(); j += 2) s[kept++] = s[j];
                s.resize(kept);
            }
            s.push_back({race_.time(), ArcOn(track, parameters_.length, bobs[i].coordinate()), bobs[i].speed()});
        }
    }
}

}  // namespace orvalde
