'use strict';
// Both pendulums on a 1920x1080 surface in the page: the ticks alone, and the
// ticks plus copying their dirty rectangles into the canvas; then the
// laboratory's frames. Writes a JSON object into #bench.
(function () {
  const kTicks = 1000;
  const kWarmUp = 50;
  const out = document.getElementById('bench');

  function median(values) {
    const sorted = values.slice().sort((a, b) => a - b);
    const middle = sorted.length >> 1;
    return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
  }

  createOrvalde({ printErr: (text) => console.error(text) }).then((module) => {
    const program = new OrvaldePage.Program(module);
    const picture = new OrvaldePage.Canvas(program, document.getElementById('drawing'));
    program.start(1920, 1080, 1);
    picture.fit(1);
    picture.copyAll();
    // "TIME ON", "time on KYKLIKO", then both together.
    for (const button of [1, 5, 9]) program.click(button);
    picture.flush();

    for (let i = 0; i < kWarmUp; i++) {
      program.tickBoth();
      picture.flush();
    }
    const ticks = [];
    const withUpload = [];
    let rects = 0;
    const started = performance.now();
    for (let i = 0; i < kTicks; i++) {
      const t0 = performance.now();
      program.tickBoth();
      const t1 = performance.now();
      rects += picture.flush();
      const t2 = performance.now();
      ticks.push(t1 - t0);
      withUpload.push(t2 - t0);
    }
    const total = performance.now() - started;

    // The laboratory: six bobs a track racing at 1x, a frame being the
    // physics of 1/60 s, the scene's layers from the core and drawing them at
    // 1920x1080 as the page does (the still layer only when it changed); and
    // as before, every shape of the scene drawn anew each frame.
    const labFront = document.getElementById('lab-canvas');
    const labBack = document.getElementById('lab-background');
    const labView = new OrvaldePage.LabLayersView(program.m, labBack, labFront);
    labView.fit(1920, 1080, 1);
    const m = program.m;
    m._orvalde_lab_input(0);
    m._orvalde_lab_start(1920, 1080);
    m._orvalde_lab_action(0);
    let now = 0;
    const labFrame = () => {
      m._orvalde_lab_frame(now += 1 / 60);
      labView.draw();
      // The canvases draw lazily: make them draw now.
      labBack.getContext('2d').getImageData(0, 0, 1, 1);
      labFront.getContext('2d').getImageData(0, 0, 1, 1);
    };
    const labAnew = labBack.getContext('2d');
    const labFrameAnew = () => {
      m._orvalde_lab_frame(now += 1 / 60);
      OrvaldePage.drawLabScene(labAnew, JSON.parse(m.UTF8ToString(m._orvalde_lab_scene())));
      labAnew.getImageData(0, 0, 1, 1);
    };
    for (let i = 0; i < 600; i++) m._orvalde_lab_frame(now += 1 / 60);  // ten seconds on the plots
    const timed = (frame) => {
      for (let i = 0; i < kWarmUp; i++) frame();
      const times = [];
      for (let i = 0; i < 300; i++) {
        const t0 = performance.now();
        frame();
        times.push(performance.now() - t0);
      }
      return times;
    };
    const labAnewFrames = timed(labFrameAnew);
    const labFrames = timed(labFrame);
    const labDrawn = labView.shown;
    out.textContent = JSON.stringify({
      ticks: kTicks,
      width: 1920,
      height: 1080,
      tick_both_ms: median(ticks),
      tick_upload_ms: median(withUpload),
      mean_tick_upload_ms: total / kTicks,
      rects_per_tick: rects / kTicks,
      cycloid_ticks: program.counters().cycloid,
      circular_ticks: program.counters().circular,
      lab_frame_ms: median(labFrames),
      lab_frame_mean_ms: labFrames.reduce((a, b) => a + b, 0) / labFrames.length,
      lab_still_revision: labDrawn,
      lab_frame_anew_ms: median(labAnewFrames),
    });
  }, (error) => { out.textContent = JSON.stringify({ error: String(error) }); });
})();
