'use strict';
// Draws the laboratory's scene, the core's shapes in CSS pixels, on a canvas
// 2D context: rectangles, then lines, discs and texts, antialiased.
const LAB_ALIGN = ['left', 'center', 'right'];

function drawLabScene(ctx, scene) {
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
  for (const [colour, width, p] of scene.lines) {
    if (p.length < 4) continue;
    ctx.beginPath();
    ctx.moveTo(p[0], p[1]);
    for (let i = 2; i < p.length; i += 2) ctx.lineTo(p[i], p[i + 1]);
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
    ctx.textAlign = LAB_ALIGN[align];
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
}
