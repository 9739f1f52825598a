#include "surface/qt/HandlerGate.h"

#include <QPointer>
#include <QTimer>
#include <utility>
#include <vector>

namespace orvalde {
namespace {

struct Waiter {
    QPointer<QObject> context;
    std::function<void()> deliver;
};

// The gate belongs to the UI thread, the only thread that runs handlers.
struct GateState {
    int depth = 0;
    std::vector<Waiter> waiting;
};

GateState& state() {
    static GateState gate;
    return gate;
}

void post(Waiter waiter) {
    if (waiter.context) QTimer::singleShot(0, waiter.context.data(), std::move(waiter.deliver));
}

}  // namespace

HandlerGate::Scope::Scope() { ++state().depth; }

HandlerGate::Scope::~Scope() {
    GateState& gate = state();
    if (--gate.depth > 0) return;
    // Posted rather than called: the handler that just ended is still on the stack.
    std::vector<Waiter> ready;
    ready.swap(gate.waiting);
    for (Waiter& waiter : ready) post(std::move(waiter));
}

bool HandlerGate::busy() { return state().depth > 0; }

void HandlerGate::whenFree(QObject* context, std::function<void()> deliver) {
    Waiter waiter{context, std::move(deliver)};
    if (busy())
        state().waiting.push_back(std::move(waiter));
    else
        post(std::move(waiter));
}

}  // namespace orvalde
