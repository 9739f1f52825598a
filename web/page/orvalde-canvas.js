'use strict';
// Copies the program's image into a canvas: only the rectangles the last
// handlers changed.
OrvaldePage.Canvas = class {
  constructor(program, canvas) {
    this.program = program;
    this.canvas = canvas;
    this.context = canvas.getContext('2d');
    this.ratio = 0;
  }

  // Gives the canvas one pixel per image pixel, shown at the device pixel
  // ratio. Returns whether the canvas was resized (and so cleared).
  fit(devicePixelRatio) {
    const width = this.program.imageWidth();
    const height = this.program.imageHeight();
    const same = this.canvas.width === width && this.canvas.height === height;
    if (same && this.ratio === devicePixelRatio) return false;
    this.ratio = devicePixelRatio;
    this.canvas.style.width = width / devicePixelRatio + 'px';
    this.canvas.style.height = height / devicePixelRatio + 'px';
    if (same) return false;
    this.canvas.width = width;
    this.canvas.height = height;
    return true;
  }

  // Copies what changed since the last copy.
  flush() {
    const rects = this.program.dirtyRects();
    if (rects.length === 0) return 0;
    const image = this.program.image();
    for (let i = 0; i < rects.length; i += 4) {
      this.context.putImageData(image, 0, 0, rects[i], rects[i + 1], rects[i + 2], rects[i + 3]);
    }
    return rects.length / 4;
  }

  // Copies the whole image (after the canvas was resized).
  copyAll() {
    this.program.dirtyRects();
    this.context.putImageData(this.program.image(), 0, 0);
  }
};
