#pragma once
// One gate for every handler the window runs (button clicks, scroll changes,
// timer ticks, modal message boxes). While any handler is inside, timer ticks
// wait rather than re-enter, and they are handed on once the gate frees.

#include <QObject>
#include <functional>

namespace orvalde {

class HandlerGate {
public:
    // Holds the gate for its lifetime; scopes nest.
    class Scope {
    public:
        Scope();
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;
    };

    static bool busy();

    // Queues `deliver` on the event loop as soon as the gate is free (at once
    // if it is free now). Dropped if `context` is destroyed first.
    static void whenFree(QObject* context, std::function<void()> deliver);
};

}  // namespace orvalde
