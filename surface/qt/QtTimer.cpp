#include "surface/qt/QtTimer.h"

#include <algorithm>

#include "surface/qt/HandlerGate.h"

namespace orvalde {
namespace {

// One display frame; shorter intervals would only draw frames nobody sees.
constexpr int kFrameMilliseconds = 16;

}  // namespace

QtTimer::QtTimer(QObject* parent) : QObject(parent) {
    timer_.setTimerType(Qt::PreciseTimer);
    clock_.start();
    QObject::connect(&timer_, &QTimer::timeout, this, [this] { tick(); });
}

void QtTimer::setInterval(int milliseconds) {
    interval_ = std::max(0, milliseconds);
    schedule();
}

void QtTimer::setEnabled(bool enabled) {
    enabled_ = enabled;
    schedule();
}

void QtTimer::schedule() {
    if (!running()) {
        timer_.stop();
        return;
    }
    const int period = std::max(interval_, kFrameMilliseconds);
    if (!timer_.isActive()) pacer_.restart();
    if (!timer_.isActive() || timer_.interval() != period) timer_.start(period);
}

void QtTimer::tick() {
    if (!running()) return;  // also drops a pending tick after the timer was stopped
    if (HandlerGate::busy()) {
        if (!pending_) {
            pending_ = true;
            HandlerGate::whenFree(this, [this] {
                if (!pending_) return;  // a regular tick has already taken its place
                pending_ = false;
                tick();
            });
        }
        return;
    }
    pending_ = false;
    HandlerGate::Scope scope;
    const int due = pacer_.ticksDue(static_cast<double>(clock_.nsecsElapsed()) * 1e-9);
    // A tick may stop the timer (a fault, a button): the rest are then dropped.
    for (int i = 0; i < due && running(); ++i) {
        if (onTick) onTick();
    }
}

}  // namespace orvalde
