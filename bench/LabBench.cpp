// The laboratory: the physics of a display frame, and a whole frame drawn at
// 1920x1080 (the session's frame, the scene, and painting it).

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "app/window/LabPainter.h"
#include "lab/LabScene.h"
#include "lab/LabSession.h"
#include "lab/Race.h"
#include "surface/qt/Application.h"

namespace orvalde {
namespace {

// Twelve bobs (six a track) for 1/60 s of motion at 1x pace.
void BM_LabPhysicsFrame(benchmark::State& state) {
    Race race;
    race.configure({9.81, 80, 1, state.range(0) ? 0.05 : 0}, {2, 8, 14, 20, 30, 40});
    race.advance(1);  // past the start, where the steps are short
    for (auto _ : state) {
        race.advance(1.0 / 60);
        benchmark::DoNotOptimize(race.bobs(Track::Circle).back().state);
    }
}
BENCHMARK(BM_LabPhysicsFrame)->Name("Lab/physics frame, 12 bobs")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_LabDrawnFrame(benchmark::State& state) {
    EnsureQtApplication();
    LabSession session({{9.81, 80, 1, 0}, {2, 8, 14, 20, 30, 40}});
    session.setView(1920, 1080);
    session.release();
    double now = 0;
    for (int i = 0; i < 1200; ++i) session.frame(now += 1.0 / 60);  // 20 s of history on the plots
    QImage image(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    LabPainter painter;
    for (auto _ : state) {
        session.frame(now += 1.0 / 60);
        QPainter on(&image);
        painter.paint(on, BuildLabScene(session));
    }
}
BENCHMARK(BM_LabDrawnFrame)->Name("Lab/frame drawn at 1920x1080")->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace orvalde
