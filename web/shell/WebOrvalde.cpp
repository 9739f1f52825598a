#include "web/shell/WebOrvalde.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <optional>
#include <string>

#include "lesson/KeyRouting.h"

namespace orvalde {
namespace {

int Pixels(double size) { return std::max(1, static_cast<int>(std::lround(size))); }

}  // namespace

WebOrvalde::WebOrvalde(int innerWidth, int innerHeight, double devicePixelRatio, const Translator* language)
    : surface_(std::max(1, innerWidth), std::max(1, innerHeight), devicePixelRatio),
      xthesi_(surface_),
      window_(std::max(1, innerWidth), std::max(1, innerHeight),
              [this](double w, double h) { surface_.ensureSize(Pixels(w), Pixels(h)); }),
      form_(FormDevices{window_, surface_, xthesi_, timer1_, timer2_, messages_, language}) {
    // Inside a handler already, so no gate of its own: the change event is
    // part of whatever moved the value.
    xthesi_.onChange = [this] { form_.xthesi_Change(); };
}

void WebOrvalde::dispatch(const std::function<void()>& handler) {
    if (depth_ > 0 || modal()) return;
    // A handler that throws leaves the gate open and is told as a message:
    // the page stays usable rather than dead behind a stuck gate.
    struct Depth {
        int& depth;
        explicit Depth(int& d) : depth(d) { ++depth; }
        ~Depth() { --depth; }
    } inside(depth_);
    try {
        handler();
    } catch (const std::exception& error) {
        messages_.show(std::string("Internal error: ") + error.what());
    } catch (...) {
        messages_.show("Internal error.");
    }
}

void WebOrvalde::start() {
    dispatch([this] { form_.Main(); });
}

void WebOrvalde::startAgain(int innerWidth, int innerHeight) {
    dispatch([this, w = std::max(1, innerWidth), h = std::max(1, innerHeight)] {
        surface_.reset(w, h);
        window_.setScreen(w, h);
        form_.StartAgain();
    });
}

void WebOrvalde::click(int number) {
    if (onClick && number >= 1 && number <= 9 && depth_ == 0 && !modal()) onClick(number);
    dispatch([this, number] { form_.press(number); });
}

void WebOrvalde::scrollArrow(int direction) {
    dispatch([this, direction] { xthesi_.arrowStep(direction); });
}

void WebOrvalde::scrollPage(int direction) {
    dispatch([this, direction] { xthesi_.pageStep(direction); });
}

void WebOrvalde::scrollDragReleased(int value) {
    dispatch([this, value] { xthesi_.dragReleasedAt(value); });
}

bool WebOrvalde::scrollKey(const std::string& key) {
    const std::optional<ScrollMove> move = ScrollKey(key);
    if (!move) return false;
    switch (move->kind) {
        case ScrollMove::Step: scrollArrow(move->direction); break;
        case ScrollMove::Page: scrollPage(move->direction); break;
        case ScrollMove::ToMinimum: scrollDragReleased(xthesi_.minimum()); break;
        case ScrollMove::ToMaximum: scrollDragReleased(xthesi_.maximum()); break;
    }
    return true;
}

int WebOrvalde::frame(double nowMs) {
    int ticks = 0;
    // Each timer is asked only when its turn comes: the first tick may stop
    // the second timer or open a message. At the faster paces the two take
    // turns, and a tick that stops its own timer ends that timer's share.
    const auto runnable = [this](const FrameTimer& t) { return t.running() && !modal() && depth_ == 0; };
    const int due1 = timer1_.ticksDue(nowMs);
    int due2 = 0;
    for (int i = 0;; ++i) {
        if (i < due1 && runnable(timer1_)) {
            dispatch([this] { form_.Timer1_Timer(); });
            ++ticks;
        }
        if (i == 0) due2 = timer2_.ticksDue(nowMs);
        if (i < due2 && runnable(timer2_)) {
            dispatch([this] { form_.Timer2_Timer(); });
            ++ticks;
        }
        if (i + 1 >= std::max(due1, due2)) break;
    }
    return ticks;
}

void WebOrvalde::setPace(Pace pace) {
    timer1_.setPace(pace);
    timer2_.setPace(pace);
}

void WebOrvalde::tickBoth() {
    dispatch([this] { form_.Timer1_Timer(); });
    dispatch([this] { form_.Timer2_Timer(); });
}

void WebOrvalde::resize(int innerWidth, int innerHeight) {
    surface_.ensureSize(std::max(1, innerWidth), std::max(1, innerHeight));
}

}  // namespace orvalde
