// Painting each plot of the panel on its own, at the panel's plot size.

#include <benchmark/benchmark.h>

#include <QImage>

#include "app/HeadlessOrvalde.h"
#include "app/window/PlotPainter.h"
#include "measure/MeasurementPlots.h"
#include "measure/ProgramMeter.h"
#include "surface/qt/Application.h"

namespace orvalde {
namespace {

Measurements MeasuredSession() {
    HeadlessOrvalde program(1920, 1080, false);
    ProgramMeter meter;
    program.form.Main();
    program.xthesi.setValue(-100);
    program.form.setTickObserver(&meter);
    program.form.Command1_Click();
    program.form.Command5_Click();
    for (int i = 0; i < 1500; ++i) {
        program.form.Timer1_Timer();
        program.form.Timer2_Timer();
    }
    return meter.data;
}

void PaintInto(benchmark::State& state, const PlotModel& plot) {
    QImage image(690, 560, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&image);
        PaintPlot(painter, QRectF(image.rect()), plot);
    }
}

void BM_PaintPeriodPlot(benchmark::State& state) {
    EnsureQtApplication();
    PaintInto(state, PeriodPlot(MeasuredSession()));
}
BENCHMARK(BM_PaintPeriodPlot)->Name("PaintPlot/period")->Unit(benchmark::kMillisecond);

void BM_PaintDisplacementPlot(benchmark::State& state) {
    EnsureQtApplication();
    PaintInto(state, DisplacementPlot(MeasuredSession()));
}
BENCHMARK(BM_PaintDisplacementPlot)->Name("PaintPlot/displacement")->Unit(benchmark::kMillisecond);

void BM_BuildPlots(benchmark::State& state) {
    const Measurements m = MeasuredSession();
    for (auto _ : state) {
        benchmark::DoNotOptimize(PeriodPlot(m));
        benchmark::DoNotOptimize(DisplacementPlot(m));
        benchmark::DoNotOptimize(ReadoutLines(m));
    }
}
BENCHMARK(BM_BuildPlots)->Name("BuildPlots")->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace orvalde
