#pragma once
// The lesson around the program, without Qt: the period meter fed by every
// tick, pause, pace, the sweep's starts and the context menu, all run
// through press(command). Each edition holds one Lesson and binds it to its
// own widgets or page elements; the shell runs the shell actions itself.

#include <functional>
#include <string>
#include <vector>

#include "app/OrvaldeForm.h"
#include "lesson/Actions.h"
#include "lesson/KeyRouting.h"
#include "measure/Measurements.h"
#include "measure/PauseSwitch.h"
#include "measure/ProgramMeter.h"
#include "measure/TickPacer.h"

namespace orvalde {

struct LessonDevices {
    OrvaldeForm& form;
    TimerControl& cycloidTimer;
    TimerControl& circularTimer;
    ScrollBarControl& bar;
    // Gives both timers the pace.
    std::function<void(Pace)> applyPace;
    // Runs a handler through the shell's one gate, as a button click does.
    std::function<void(const std::function<void()>&)> dispatch;
};

// One entry of the context menu, as the shell shows it.
struct MenuEntry {
    Command command;
    std::string id;
    std::string label;
    std::string keys;
    MenuPlace group;
    std::string groupTitle;  // "" for the main group
    bool checkable = false;
    bool checked = false;
};

class Lesson {
public:
    // Attaches the meter to the form; the devices must outlive the lesson.
    explicit Lesson(LessonDevices devices);
    ~Lesson();
    Lesson(const Lesson&) = delete;
    Lesson& operator=(const Lesson&) = delete;

    // Runs a command. A shell action goes to `shellAction`; returns false
    // when there is none to take it.
    bool press(Command command);
    bool pressId(const std::string& id);
    std::function<bool(Command)> shellAction;

    // A key press with the focus where it is; returns whether it was taken.
    bool pressKey(const std::string& key, Focus focus, bool repeat);

    bool paused() const { return pause_.paused(); }
    Pace pace() const { return pace_; }
    void setPace(Pace pace);
    // After a fresh start nothing is left for Space to resume.
    void forgetPause() { pause_ = PauseSwitch{}; }

    // The label a menu shows for the command now (Pause or Resume).
    std::string label(Command command, const Translator& language = Translator::english()) const;
    std::vector<MenuEntry> contextMenu(const Translator& language = Translator::english()) const;

    // "Measure all release heights": every start the scroll bar offers.
    std::vector<int> sweepStarts() const;

    const Measurements& measurements() const { return meter_.data; }
    Measurements& measurements() { return meter_.data; }
    const OrvaldeForm& form() const { return d_.form; }
    bool cycloidRunning() const { return d_.cycloidTimer.running(); }
    bool circularRunning() const { return d_.circularTimer.running(); }
    int barValue() const { return d_.bar.value(); }

private:
    void runCore(Command command);

    LessonDevices d_;
    ProgramMeter meter_;
    PauseSwitch pause_;
    Pace pace_ = kDefaultPace;
};

}  // namespace orvalde
