// The laboratory: the physics of a display frame, and a whole frame drawn at
// 1920x1080 (the session's frame, the scene's layers, and painting them):
// the still layer kept as the window does, and every shape drawn anew.

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <memory>

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

// A session 20 s into a race at 1920x1080, its plots full; `now` its clock.
std::unique_ptr<LabSession> RacingSession(double& now) {
    auto session = std::make_unique<LabSession>(LabSetup{{9.81, 80, 1, 0}, {2, 8, 14, 20, 30, 40}});
    session->setView(1920, 1080);
    session->release();
    now = 0;
    for (int i = 0; i < 1200; ++i) session->frame(now += 1.0 / 60);
    return session;
}

// Frames of a running race drawn at 1920x1080 by `draw`.
template <typename Draw>
void DrawFrames(benchmark::State& state, Draw draw) {
    EnsureQtApplication();
    double now = 0;
    const std::unique_ptr<LabSession> racing = RacingSession(now);
    LabSession& session = *racing;
    QImage image(1920, 1080, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        session.frame(now += 1.0 / 60);
        QPainter on(&image);
        draw(on, session);
    }
}

// What the window does: the still layer kept, drawn again only when it changes.
void BM_LabDrawnFrame(benchmark::State& state) {
    LabPainter painter;
    DrawFrames(state, [&](QPainter& on, LabSession& session) { painter.paintFrame(on, session); });
    state.counters["still drawn"] = painter.stillDrawn();
}
BENCHMARK(BM_LabDrawnFrame)->Name("Lab/frame drawn at 1920x1080")->Unit(benchmark::kMillisecond);

// Every shape of both layers drawn each frame, as before the still layer was kept.
void BM_LabFrameDrawnAnew(benchmark::State& state) {
    LabPainter painter;
    DrawFrames(state, [&](QPainter& on, LabSession& session) { painter.paintLayers(on, BuildLabLayers(session)); });
}
BENCHMARK(BM_LabFrameDrawnAnew)->Name("Lab/frame drawn anew at 1920x1080")->Unit(benchmark::kMillisecond);

// The core's part of a frame: both layers built and the still one compared.
void BM_LabLayers(benchmark::State& state) {
    double now = 0;
    const std::unique_ptr<LabSession> racing = RacingSession(now);
    LabSession& session = *racing;
    LabLayerCache layers;
    for (auto _ : state) {
        session.frame(now += 1.0 / 60);
        layers.update(session);
        benchmark::DoNotOptimize(layers.stillRevision());
    }
}
BENCHMARK(BM_LabLayers)->Name("Lab/layers built")->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace orvalde
