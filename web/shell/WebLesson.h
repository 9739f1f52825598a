#pragma once
// The lesson (lesson/Lesson.h) bound to the page's program, and "Measure all
// release heights" run one start at a time so that the page's animation
// frames go on between them.

#include <string>
#include <vector>

#include "display/ReadableView.h"
#include "lesson/Lesson.h"
#include "measure/Measurements.h"

namespace orvalde {

class WebOrvalde;

class WebLesson {
public:
    // Attaches the meter to the program, which must outlive the lesson.
    explicit WebLesson(WebOrvalde& program);
    ~WebLesson();
    WebLesson(const WebLesson&) = delete;
    WebLesson& operator=(const WebLesson&) = delete;

    Lesson& lesson() { return lesson_; }
    const Lesson& lesson() const { return lesson_; }

    void togglePause() { lesson_.press(Command::Pause); }
    bool paused() const { return lesson_.paused(); }
    void step() { lesson_.press(Command::Step); }
    void setPace(Pace pace) { lesson_.setPace(pace); }
    Pace pace() const { return lesson_.pace(); }
    // The program's start-up again at the window's inner size
    // (WebOrvalde::startAgain), forgetting what the pause stopped.
    void startAgain(int innerWidth, int innerHeight);

    // The sweep: start it, then call sweepStep() once per slice of time until
    // it returns false. Cancelling keeps the starts already measured, as the
    // desktop does. Starting while a sweep runs does nothing.
    void startSweep();
    bool sweepStep();
    void cancelSweep();
    bool sweeping() const { return sweeping_; }
    int sweepDone() const { return static_cast<int>(found_.size()); }
    int sweepTotal() const { return static_cast<int>(starts_.size()); }

    const Measurements& measurements() const { return lesson_.measurements(); }

    // The key, bold lines and the status line; the clock is the page's, in seconds.
    void toggleLegend() { view_.toggleLegend(); }
    bool legendShown() const { return view_.legendShown(); }
    void toggleBoldLines();
    bool boldLines() const { return view_.boldLines(); }
    void setClock(double seconds) { now_ = seconds; }
    // The status line's text when an update is due at `seconds`, else nothing.
    bool statusDue(double seconds) { return view_.statusDue(seconds); }
    std::string status(double seconds) const;

private:
    void finishSweep();

    WebOrvalde& program_;
    Lesson lesson_;
    bool sweeping_ = false;
    std::vector<int> starts_;
    std::vector<SweepPoint> found_;
    ReadableView view_;
    double now_ = 0;  // the page's clock at its last frame
};

}  // namespace orvalde
