'use strict';
// Copies the program's image into a canvas: only the rectangles the last
// handlers changed, through an ImageData view over the module's memory.
class OrvaldeCanvas {
  constructor(module, canvas) {
    this.module = module;
    this.canvas = canvas;
    this.context = canvas.getContext('2d');
    this.view = null;
  }

  // A view over wasm memory is detached when the memory grows, and the image
  // moves when it grows: make a new one whenever either happened.
  imageData() {
    const m = this.module;
    const buffer = m.HEAPU8.buffer;
    const address = m._orvalde_image_data();
    const width = m._orvalde_image_width();
    const height = m._orvalde_image_height();
    const v = this.view;
    if (!v || v.buffer !== buffer || v.address !== address || v.width !== width || v.height !== height) {
      const pixels = new Uint8ClampedArray(buffer, address, width * height * 4);
      this.view = { buffer, address, width, height, data: new ImageData(pixels, width, height) };
    }
    return this.view.data;
  }

  // Gives the canvas one pixel per image pixel, shown at the device pixel
  // ratio. Returns whether the canvas was resized (and so cleared).
  fit(devicePixelRatio) {
    const m = this.module;
    const width = m._orvalde_image_width();
    const height = m._orvalde_image_height();
    if (this.canvas.width === width && this.canvas.height === height) return false;
    this.canvas.width = width;
    this.canvas.height = height;
    this.canvas.style.width = width / devicePixelRatio + 'px';
    this.canvas.style.height = height / devicePixelRatio + 'px';
    return true;
  }

  // Copies what changed since the last copy.
  flush() {
    const m = this.module;
    const count = m._orvalde_take_dirty();
    if (count === 0) return 0;
    const image = this.imageData();
    const first = m._orvalde_dirty_rects() >> 2;
    const rects = m.HEAP32.subarray(first, first + count * 4);
    for (let i = 0; i < rects.length; i += 4) {
      this.context.putImageData(image, 0, 0, rects[i], rects[i + 1], rects[i + 2], rects[i + 3]);
    }
    return count;
  }

  // Copies the whole image (after the canvas was resized).
  copyAll() {
    this.module._orvalde_take_dirty();
    this.context.putImageData(this.imageData(), 0, 0);
  }
}
