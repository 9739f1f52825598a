// Runs the program's own handlers headless and prints the motion as CSV:
// start-up, the scroll bar set to X0, "TIME ON" and N ticks of the cycloidal
// pendulum (with the exact circular one beside it), or with --circular
// "TIME ON", "time on KYKLIKO" and N ticks of the integrated circular pendulum.

#include <cstdio>
#include <string>
#include <vector>

#include "app/HeadlessOrvalde.h"
#include "app/tools/TraceArguments.h"

namespace {

constexpr const char* kUsage =
    "usage: orvalde-trace --start X0 --ticks N [--circular]\n"
    "  X0: start position, an integer from -120 to 0\n"
    "  N:  number of ticks, an integer from 0 to 10000000\n"
    "Prints one CSV row per tick, numbers with 17 significant digits.\n";

void Row(std::initializer_list<double> values) {
    bool first = true;
    for (double v : values) {
        std::printf(first ? "%.17g" : ",%.17g", v);
        first = false;
    }
    std::putchar('\n');
}

}  // namespace

int main(int argc, char** argv) {
    std::string error;
    const auto args = orvalde::ParseTraceArguments(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!args) {
        std::fprintf(stderr, "orvalde-trace: %s\n", error.c_str());
        return 2;
    }
    if (args->help) {
        std::fputs(kUsage, stdout);
        return 0;
    }

    orvalde::HeadlessOrvalde program(1920, 1080, /*keepDrawing=*/false);
    orvalde::OrvaldeForm& form = program.form;
    form.Main();
    program.xthesi.setValue(args->start);
    form.Command1_Click();
    const orvalde::Simulation& sim = form.sim();

    if (args->circular) {
        form.Command5_Click();
        std::puts("tick,t,vx,vy,x,y,theta,Fx,Fy");
    } else {
        std::puts("tick,t,bobVX,bobVY,bobX,bobY,contactX,contactY,bobPathAngle,Fx,Fy,exactX,exactY,exactFx,exactFy");
    }
    for (long long i = 0; i < args->ticks; ++i) {
        if (args->circular) {
            form.Timer2_Timer();
        } else {
            form.Timer1_Timer();
        }
        if (!program.messages.shown.empty()) {
            std::fprintf(stderr, "orvalde-trace: %s\n", program.messages.shown.back().c_str());
            return 1;
        }
        if (args->circular) {
            const auto& r = form.lastCircularTick();
            Row({static_cast<double>(sim.counters.circularTicks), r.t, r.vx, r.vy, r.x, r.y, r.theta, r.fx, r.fy});
        } else {
            const auto& r = form.lastCycloidTick();
            const auto& c = sim.cycloid;
            Row({static_cast<double>(sim.counters.cycloidTicks), r.t, c.bobVX, c.bobVY, c.bobX, c.bobY, c.contactX,
                 c.contactY, r.bobPathAngle, r.fx, r.fy, r.exact.bobX, r.exact.bobY, r.exact.forceX,
                 r.exact.forceY});
        }
    }
    return 0;
}
