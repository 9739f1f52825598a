#include "web/shell/WebLesson.h"

#include "measure/ReleaseHeightSweep.h"
#include "web/shell/WebOrvalde.h"

namespace orvalde {

WebLesson::WebLesson(WebOrvalde& program)
    : program_(program),
      lesson_(LessonDevices{program.form(), program.timer1(), program.timer2(), program.xthesi(),
                            [&program](Pace pace) { program.setPace(pace); },
                            [&program](const std::function<void()>& handler) { program.dispatch(handler); }}) {
    program_.onClick = [this](int number) { view_.buttonPressed(number, program_.timer1(), program_.timer2(), now_); };
}

WebLesson::~WebLesson() { program_.onClick = nullptr; }

void WebLesson::toggleBoldLines() {
    program_.run([this] { view_.toggleBoldLines(program_.surfaceForOptions()); });
}

std::string WebLesson::status(double seconds) const {
    const StatusFacts facts =
        ReadStatus(program_.form().sim(), program_.timer1(), program_.timer2(), program_.scrollBar(), pace());
    return view_.status(facts, seconds);
}

void WebLesson::startAgain(int innerWidth, int innerHeight) {
    if (program_.modal()) return;
    lesson_.forgetPause();
    program_.startAgain(innerWidth, innerHeight);
}

void WebLesson::startSweep() {
    if (sweeping_) return;
    starts_ = lesson_.sweepStarts();
    found_.clear();
    sweeping_ = !starts_.empty();
}

bool WebLesson::sweepStep() {
    if (!sweeping_) return false;
    // Each start runs in a program instance of its own, so the one on the
    // page is not disturbed.
    found_.push_back(MeasureStart(starts_[found_.size()]));
    if (found_.size() == starts_.size()) {
        finishSweep();
        return false;
    }
    return true;
}

void WebLesson::cancelSweep() {
    if (sweeping_) finishSweep();
}

void WebLesson::finishSweep() {
    sweeping_ = false;
    if (found_.empty()) return;
    Measurements& m = lesson_.measurements();
    m.sweep = found_;
    m.revision += 1;
}

}  // namespace orvalde
