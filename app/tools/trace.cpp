// Runs the program's own handlers headless and prints the motion as CSV:
// start-up, the scroll bar set to X0, "TIME ON" and N ticks of the cycloidal
// pendulum (with the exact circular one beside it), or with --circular
// "TIME ON", "time on KYKLIKO" and N ticks of the integrated circular pendulum.
// With --periods both run together and the full periods the meter measured
// are printed instead.

#include <cstdio>
#include <string>
#include <vector>

#include "app/HeadlessOrvalde.h"
#include "app/tools/TraceArguments.h"
#include "measure/ProgramMeter.h"

namespace {

constexpr const char* kUsage =
    "usage: orvalde-trace --start X0 --ticks N [--circular | --periods]\n"
    "  X0: start position, an integer from -120 to 0\n"
    "  N:  number of ticks, an integer from 0 to 10000000\n"
    "Prints one CSV row per tick, numbers with 17 significant digits.\n"
    "--circular: the integrated circular pendulum instead of the cycloidal one.\n"
    "--periods: \"TIME ON\" then \"time on KYKLIKO\", then N ticks of each timer\n"
    "  (the cycloidal pendulum with the exact circular one, and the integrated\n"
    "  circular pendulum); prints pendulum,swing,period,theory, one row per full\n"
    "  period in the order measured: pendulum is cycloid, exact or circular,\n"
    "  swing the pass through the lowest point that completed the period,\n"
    "  period and theory in simulated seconds.\n";

void Row(std::initializer_list<double> values) {
    bool first = true;
    for (double v : values) {
        std::printf(first ? "%.17g" : ",%.17g", v);
        first = false;
    }
    std::putchar('\n');
}

bool Failed(const orvalde::HeadlessOrvalde& program) {
    if (program.messages.shown.empty()) return false;
    std::fprintf(stderr, "orvalde-trace: %s\n", program.messages.shown.back().c_str());
    return true;
}

// Every full period is printed as soon as it is measured.
int TracePeriods(orvalde::HeadlessOrvalde& program, long long ticks) {
    orvalde::OrvaldeForm& form = program.form;
    orvalde::ProgramMeter meter;
    form.setTickObserver(&meter);
    form.Command1_Click();
    form.Command5_Click();
    std::puts("pendulum,swing,period,theory");
    std::size_t printed = 0;
    for (long long i = 0; i < ticks; ++i) {
        form.Timer1_Timer();
        form.Timer2_Timer();
        if (Failed(program)) return 1;
        const auto& log = meter.data.passLog;
        for (; printed < log.size(); ++printed) {
            const orvalde::PassLogEntry& e = log[printed];
            if (e.pass.swing < 3) continue;
            std::printf("%s,%d,%.17g,%.17g\n", orvalde::BobName(e.bob), e.pass.swing, e.pass.period, e.theory);
        }
    }
    form.setTickObserver(nullptr);
    return 0;
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
    if (args->periods) return TracePeriods(program, args->ticks);
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
        if (Failed(program)) return 1;
        if (args->circular) {
            const auto& r = form.lastCircularTick();
            Row({static_cast<double>(sim.counters.circularTicks), r.t, r.vx, r.vy, r.x, r.y, r.theta, r.fx, r.fy});
        } else {
            const auto& r = form.lastCycloidTick();
            const auto& c = sim.cycloid;
            Row({static_cast<double>(sim.counters.cycloidTicks), r.t, c.bobVX, c.bobVY, c.bobX, c.bobY, c.contactX,
                 c.contactY, r.bobPathAngle, r.fx, r.fy, r.exact.bobX, r.exact.bobY, r.exact.forceX, r.exact.forceY});
        }
    }
    return 0;
}
