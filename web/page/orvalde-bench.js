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
    });
  }, (error) => { out.textContent = JSON.stringify({ error: String(error) }); });
})();
