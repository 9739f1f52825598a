#include "measure/ReleaseHeightSweep.h"

#include <exception>

#include "app/HeadlessOrvalde.h"
#include "measure/ProgramMeter.h"
#include "surface/NullSurface.h"

namespace orvalde {
namespace {

// The client size the trace tool uses; the scroll range does not depend on it.
constexpr double kClientWidth = 1920, kClientHeight = 1080;

bool Done(const ProgramMeter& meter, BobKind bob, int periods) { return meter.data.run(bob).periods >= periods; }

}  // namespace

std::vector<int> SweepStarts(int minimum, int maximum, int count) {
    std::vector<int> starts;
    if (maximum < minimum || count <= 0) return starts;
    if (count == 1 || maximum == minimum) return {minimum};
    const double step = static_cast<double>(maximum - minimum) / (count - 1);
    for (int i = 0; i < count; ++i) {
        const int v = minimum + static_cast<int>(step * i + 0.5);
        if (starts.empty() || v != starts.back()) starts.push_back(v);
    }
    return starts;
}

SweepPoint MeasureStart(int start, int periods) {
    NullSurface surface;
    HeadlessProgram program(surface, kClientWidth, kClientHeight);
    ProgramMeter meter;
    OrvaldeForm& form = program.form;
    form.Main();
    program.xthesi.setValue(start);
    form.setTickObserver(&meter);
    form.Command1_Click();
    form.Command5_Click();
    for (int tick = 0; tick < kSweepTickLimit; ++tick) {
        const bool cycloidDone = Done(meter, BobKind::Cycloid, periods) && Done(meter, BobKind::Exact, periods);
        const bool circularDone = Done(meter, BobKind::Circular, periods);
        if (cycloidDone && circularDone) break;
        if (!cycloidDone && program.timer1.enabled()) form.Timer1_Timer();
        if (!circularDone && program.timer2.enabled()) form.Timer2_Timer();
    }
    form.setTickObserver(nullptr);

    SweepPoint point;
    point.start = start;
    for (int i = 0; i < kBobCount; ++i) {
        const BobRun& run = meter.data.runs[static_cast<std::size_t>(i)];
        point.release[static_cast<std::size_t>(i)] = run.release;
        point.periods[static_cast<std::size_t>(i)] = run.periods;
        point.meanPeriod[static_cast<std::size_t>(i)] = run.meanPeriod();
    }
    return point;
}

std::vector<SweepPoint> MeasureReleaseHeights(const std::vector<int>& starts, const std::atomic<bool>& cancel,
                                              const std::function<void(int, int)>& progress) {
    std::vector<SweepPoint> points;
    const int total = static_cast<int>(starts.size());
    for (int start : starts) {
        if (cancel.load()) break;
        points.push_back(MeasureStart(start));
        if (progress) progress(static_cast<int>(points.size()), total);
    }
    return points;
}

SweepOutcome RunSweep(const std::vector<int>& starts, const std::function<bool()>& cancelled,
                      const std::function<void(int, int)>& progress, const std::function<SweepPoint(int)>& measure) {
    SweepOutcome outcome;
    const int total = static_cast<int>(starts.size());
    for (int start : starts) {
        if (cancelled && cancelled()) break;
        try {
            outcome.points.push_back(measure ? measure(start) : MeasureStart(start));
        } catch (const std::exception& e) {
            outcome.error = "Measuring from the start " + std::to_string(start) + " failed: " + e.what();
            break;
        } catch (...) {
            outcome.error = "Measuring from the start " + std::to_string(start) + " failed.";
            break;
        }
        if (progress) progress(static_cast<int>(outcome.points.size()), total);
    }
    return outcome;
}

}  // namespace orvalde
