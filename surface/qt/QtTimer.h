#pragma once
// The window's timer: wakes on the UI thread at most once per display frame,
// never re-entering a running handler and never piling up behind one. At each
// wake its pacer decides how many ticks are due (one by default).

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>

#include "measure/TickPacer.h"
#include "surface/Controls.h"

namespace orvalde {

class QtTimer : public QObject, public TimerControl {
public:
    explicit QtTimer(QObject* parent = nullptr);

    std::function<void()> onTick;

    void setInterval(int milliseconds) override;
    int interval() const override { return interval_; }
    void setEnabled(bool enabled) override;
    bool enabled() const override { return enabled_; }

    void setPace(Pace pace) { pacer_.setPace(pace); }
    Pace pace() const { return pacer_.pace(); }

    // Raises a tick now as if the period had elapsed, through the same gate.
    void fireForTest() { tick(); }
    // Whether the underlying Qt timer is counting.
    bool counting() const { return timer_.isActive(); }

private:
    void tick();
    void schedule();

    QTimer timer_;
    int interval_ = 0;
    bool enabled_ = true;
    bool pending_ = false;  // a tick fell due while the gate was busy
    TickPacer pacer_;
    QElapsedTimer clock_;
};

}  // namespace orvalde
