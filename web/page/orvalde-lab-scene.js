'use strict';
// Draws the laboratory's scene, the core's shapes in CSS pixels, on a canvas
// 2D context: rectangles, then lines, discs and texts, antialiased. With
// `points`, the lines' points are there (a line [colour, width, first,
// count]), not in the scene.
OrvaldePage.LAB_ALIGN = ['left', 'center', 'right'];

OrvaldePage.drawLabScene = function (ctx, scene, points) {
  // Every state a shape is drawn with is set here, not left from an earlier
  // scene on the canvas: mitred rectangles are stroked another way.
  ctx.lineJoin = 'miter';
  for (const [x, y, w, h, fill, stroke, strokeWidth] of scene.rects) {
    if (fill) {
      ctx.fillStyle = fill;
      ctx.fillRect(x, y, w, h);
    }
    if (stroke) {
      ctx.strokeStyle = stroke;
      ctx.lineWidth = strokeWidth;
      ctx.strokeRect(x, y, w, h);
    }
  }
  // Bevelled joins and flat ends as on the desktop; round ones cost the
  // software canvas several times as much on these smooth curves.
  ctx.lineJoin = 'bevel';
  ctx.lineCap = 'butt';
  for (const [colour, width, inline, count] of scene.lines) {
    const p = points || inline;
    const first = points ? inline : 0;
    const end = first + (points ? count : p.length);
    if (end - first < 4) continue;
    ctx.beginPath();
    ctx.moveTo(p[first], p[first + 1]);
    for (let i = first + 2; i < end; i += 2) ctx.lineTo(p[i], p[i + 1]);
    ctx.strokeStyle = colour;
    ctx.lineWidth = width;
    ctx.stroke();
  }
  for (const [x, y, r, fill, outline, outlineWidth] of scene.discs) {
    ctx.beginPath();
    ctx.arc(x, y, r, 0, 2 * Math.PI);
    ctx.fillStyle = fill;
    ctx.fill();
    if (outlineWidth > 0) {
      ctx.strokeStyle = outline;
      ctx.lineWidth = outlineWidth;
      ctx.stroke();
    }
  }
  ctx.textBaseline = 'middle';
  for (const [x, y, text, size, colour, align, bold, vertical] of scene.texts) {
    ctx.font = (bold ? 'bold ' : '') + Math.round(size) + 'px "DejaVu Sans", sans-serif';
    ctx.fillStyle = colour;
    ctx.textAlign = OrvaldePage.LAB_ALIGN[align];
    if (vertical) {
      ctx.save();
      ctx.translate(x, y);
      ctx.rotate(-Math.PI / 2);
      ctx.fillText(text, 0, 0);
      ctx.restore();
    } else {
      ctx.fillText(text, x, y);
    }
  }
};

// The laboratory on two canvases of one size, one over the other: the still
// layer on `back`, drawn again only when the core's revision of it changed or
// the canvases were resized (which clears them); the moving layer on the
// transparent `front`, cleared and drawn every time.
OrvaldePage.LabLayersView = class {
  constructor(m, back, front) {
    this.m = m;
    this.back = back.getContext('2d');
    this.front = front.getContext('2d');
    this.width = back.width;
    this.height = back.height;
    this.shown = -1;
  }

  // Both canvases at width x height CSS pixels, ratio device pixels to one.
  fit(width, height, ratio) {
    for (const ctx of [this.back, this.front]) {
      ctx.canvas.width = Math.round(width * ratio);
      ctx.canvas.height = Math.round(height * ratio);
      ctx.setTransform(ratio, 0, 0, ratio, 0, 0);
    }
    this.width = width;
    this.height = height;
    this.shown = -1;
  }

  draw() {
    const m = this.m;
    const revision = m._orvalde_lab_layers();
    if (revision !== this.shown) {
      this.shown = revision;
      this.back.fillStyle = '#ffffff';
      this.back.fillRect(0, 0, this.width, this.height);
      OrvaldePage.drawLabScene(this.back, JSON.parse(m.UTF8ToString(m._orvalde_lab_still())));
    }
    const [moving, points] = this.moving();
    this.front.clearRect(0, 0, this.width, this.height);
    OrvaldePage.drawLabScene(this.front, moving, points);
  }

  // The moving layer of the last draw, its lines' points read in place.
  moving() {
    const m = this.m;
    const scene = JSON.parse(m.UTF8ToString(m._orvalde_lab_moving()));
    return [scene, new Float32Array(m.HEAPU8.buffer, m._orvalde_lab_moving_points(), scene.points)];
  }

  // How far the picture shown is from the layers it was drawn from, drawn
  // anew on one canvas: the largest difference of a colour channel, and how
  // many pixels differ by more than the roundings of compositing two layers.
  differenceFromRedraw() {
    const w = this.back.canvas.width, h = this.back.canvas.height;
    const canvas = (draw) => {
      const c = document.createElement('canvas');
      c.width = w;
      c.height = h;
      const ctx = c.getContext('2d', { willReadFrequently: true });
      draw(ctx);
      return ctx.getImageData(0, 0, w, h).data;
    };
    const shown = canvas((ctx) => {
      ctx.drawImage(this.back.canvas, 0, 0);
      ctx.drawImage(this.front.canvas, 0, 0);
    });
    const m = this.m;
    const still = JSON.parse(m.UTF8ToString(m._orvalde_lab_still()));
    const [moving, points] = this.moving();
    const anew = canvas((ctx) => {
      ctx.setTransform(w / this.width, 0, 0, h / this.height, 0, 0);
      ctx.fillStyle = '#ffffff';
      ctx.fillRect(0, 0, this.width, this.height);
      OrvaldePage.drawLabScene(ctx, still);
      OrvaldePage.drawLabScene(ctx, moving, points);
    });
    let largest = 0, pixels = 0;
    for (let i = 0; i < shown.length; i += 4) {
      let d = 0;
      for (let c = 0; c < 3; c++) d = Math.max(d, Math.abs(shown[i + c] - anew[i + c]));
      largest = Math.max(largest, d);
      if (d > 6) pixels++;
    }
    return { largest, pixels };
  }
};
