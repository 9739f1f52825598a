#include "web/shell/WebLesson.h"

#include "measure/ReleaseHeightSweep.h"
#include "web/shell/WebOrvalde.h"

namespace orvalde {

WebLesson::WebLesson(WebOrvalde& program) : program_(program) {
    program_.form().setTickObserver(&meter_);
    program_.onClick = [this](int number) {
        view_.buttonPressed(number, program_.timer1(), program_.timer2(), now_);
    };
}

WebLesson::~WebLesson() {
    program_.onClick = nullptr;
    program_.form().setTickObserver(nullptr);
}

void WebLesson::toggleBoldLines() {
    program_.run([this] { view_.toggleBoldLines(program_.surfaceForOptions()); });
}

std::string WebLesson::status(double seconds) const {
    const StatusFacts facts =
        ReadStatus(program_.form().sim(), program_.timer1(), program_.timer2(), program_.scrollBar(), pace());
    return view_.status(facts, seconds);
}

void WebLesson::togglePause() {
    program_.run([this] { pause_.toggle(program_.timer1(), program_.timer2()); });
}

void WebLesson::startAgain(int innerWidth, int innerHeight) {
    if (program_.modal()) return;
    pause_ = PauseSwitch{};
    program_.startAgain(innerWidth, innerHeight);
}

void WebLesson::step() {
    program_.run([this] { program_.form().Command7_Click(); });
}

void WebLesson::setPace(Pace pace) { program_.setPace(pace); }

Pace WebLesson::pace() const { return program_.pace(); }

void WebLesson::startSweep() {
    if (sweeping_) return;
    sweeping_ = true;
    starts_ = SweepStarts(kSweepFirstStart, kSweepLastStart);
    found_.clear();
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
    meter_.data.sweep = found_;
    meter_.data.revision += 1;
}

}  // namespace orvalde
