#include "lesson/Lesson.h"

#include "lesson/Shown.h"
#include "measure/ReleaseHeightSweep.h"

namespace orvalde {

Lesson::Lesson(LessonDevices devices) : d_(std::move(devices)) { d_.form.setTickObserver(&meter_); }

Lesson::~Lesson() { d_.form.setTickObserver(nullptr); }

bool Lesson::press(Command command) {
    const Action& action = ActionFor(command);
    if (action.handler == Handler::Shell) return shellAction && shellAction(command);
    d_.dispatch([this, command] { runCore(command); });
    return true;
}

bool Lesson::pressId(const std::string& id) {
    const Action* action = ActionWithId(id);
    return action && press(action->command);
}

bool Lesson::pressKey(const std::string& key, Focus focus, bool repeat) {
    const KeyRoute route = RouteKey(key, focus, repeat);
    if (route.kind == KeyRoute::ToFocused) return false;
    if (route.kind == KeyRoute::Run) press(route.command);
    return true;
}

void Lesson::runCore(Command command) {
    switch (command) {
        case Command::Pause: pause_.toggle(d_.cycloidTimer, d_.circularTimer); return;
        case Command::PaceQuarter: setPace(Pace::Quarter); return;
        case Command::PaceRealTime: setPace(Pace::RealTime); return;
        case Command::PacePerFrame: setPace(Pace::PerFrame); return;
        case Command::PaceFast: setPace(Pace::Fast); return;
        default: d_.form.press(ActionFor(command).button); return;
    }
}

void Lesson::setPace(Pace pace) {
    pace_ = pace;
    d_.applyPace(pace);
}

std::string Lesson::label(Command command, const Translator& language) const {
    const Action& action = ActionFor(command);
    return Shown(paused() && action.labelWhenOn ? action.labelWhenOn : action.label, language);
}

namespace {

std::string GroupTitle(MenuPlace place, const Translator& language) {
    return place == MenuPlace::Pace ? language.tr("Pace") : std::string();
}

Pace PaceOf(Command command) {
    switch (command) {
        case Command::PaceQuarter: return Pace::Quarter;
        case Command::PaceRealTime: return Pace::RealTime;
        case Command::PaceFast: return Pace::Fast;
        default: return Pace::PerFrame;
    }
}

}  // namespace

std::vector<MenuEntry> Lesson::contextMenu(const Translator& language) const {
    std::vector<MenuEntry> entries;
    for (MenuPlace place : {MenuPlace::Main, MenuPlace::Pace, MenuPlace::View, MenuPlace::Save, MenuPlace::Info}) {
        for (const Action& a : Actions()) {
            if (a.menu != place) continue;
            const bool pace = place == MenuPlace::Pace;
            entries.push_back({a.command, a.id, label(a.command, language), Shown(a.keysText, language), place,
                               GroupTitle(place, language), pace, pace && PaceOf(a.command) == pace_});
        }
    }
    return entries;
}

std::vector<int> Lesson::sweepStarts() const { return SweepStarts(d_.bar.minimum(), d_.bar.maximum()); }

}  // namespace orvalde
