'use strict';
// Both pendulums on a 1920x1080 surface in the page: the ticks alone, and the
// ticks plus copying their dirty rectangles into the canvas. Writes a JSON
// object into #bench.
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
    // physics of 1/60 s, the scene from the core and drawing it at 1920x1080.
    const labContext = document.getElementById('lab-canvas').getContext('2d');
    const m = program.m;
    m._orvalde_lab_input(0);
    m._orvalde_lab_start(1920, 1080);
    m._orvalde_lab_action(0);
    let now = 0;
    const labFrame = () => {
      m._orvalde_lab_frame(now += 1 / 60);
      drawLabScene(labContext, JSON.parse(m.UTF8ToString(m._orvalde_lab_scene())));
      labContext.getImageData(0, 0, 1, 1);  // the canvas draws lazily: make it draw now
    };
    for (let i = 0; i < 600; i++) m._orvalde_lab_frame(now += 1 / 60);  // ten seconds on the plots
    for (let i = 0; i < kWarmUp; i++) labFrame();
    const labFrames = [];
    for (let i = 0; i < 300; i++) {
      const t0 = performance.now();
      labFrame();
      labFrames.push(performance.now() - t0);
    }
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
    });
  }, (error) => { out.textContent = JSON.stringify({ error: String(error) }); });
})();
