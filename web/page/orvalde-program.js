'use strict';
// The page's boundary with the program.
//
// OrvaldePage.Program is the only code that touches the module's exports and
// heap. Its names are stable; other scripts and branches build on them:
//
//   program
//     start(width, height, ratio)  start-up on the window's inner size
//     click(number)                button CommandN (1..9)
//     scrollArrow(direction)       an arrow of the scroll bar (-1 or +1)
//     scrollPage(direction)        the track beside the thumb
//     scrollRelease(value)         a dragged thumb let go at value
//     scrollKey(key) -> bool       a key on the focused scroll bar
//     frame(nowMs) -> ticks        one animation frame
//     tickBoth()                   both timers' handlers once (benchmark)
//     resize(width, height)        the window's inner size changed (the panel's place follows)
//     setPixelRatio(ratio)         devicePixelRatio changed
//     message() -> text            the message waiting, '' for none
//     dismissMessage()             OK on that message
//     image() -> ImageData         the device pixels shown (a view): the drawing, smaller while the panel takes room
//     dirtyRects() -> Int32Array   x, y, w, h per rectangle of image() changed since the last call
//     drawing() -> ImageData       the whole drawing at its own size (a copy), for saving
//     bar() -> {min, max, value, large, left, top, width, height, valueText}
//     buttons() -> [{number, id, caption, help, left, top, width, height}]
//     counters() -> {cycloid, circular}
//   lesson
//     startLesson()                after start(): the meter sees every tick
//     press(id) -> bool            runs a program action; false: the page runs it
//     keyName(key, shift)          the action table's name of a KeyboardEvent.key
//     routeKey(name, focus, repeat) -> '' (the focused control), '-' (taken) or an action id;
//                                  focus is one of Program.FOCUS
//     paused(), paceLabel()
//     menu() -> [{id, label, keys, group, groupTitle, checkable, checked}]
//     help() -> {title, buttonsTitle, buttons, keysTitle, keys, scrollBar, menu, close}
//     drawingName(), describeDrawing()
//     nextLanguage(code) -> code    the menu's next language after code
//     measureRevision(), panel() -> {revision, lines, summary, plots, plotTexts}
//     setPanelShown(shown)         the panel docked beside or below the drawing, or hidden
//     layout() -> {legend, status, panel, below, scale, bobs, buttons}
//                                  rectangles [x, y, w, h] in CSS pixels for the inner size last given
//     legendCorner(which, width, height) -> 0..3: where plot `which` (0, 1) hides the least data
//                                  under a legend that size (fractions of its frame)
//     measurementsCsv()
//     sweepStart(), sweepStep() -> more, sweepCancel(), sweepDone(), sweepTotal()
OrvaldePage.Program = class {
  constructor(module) {
    this.m = module;
    this.view = null;
  }

  static get FOCUS() { return Object.freeze({ elsewhere: 0, button: 1, scrollBar: 2, menu: 3 }); }

  text(address) { return this.m.UTF8ToString(address); }
  json(address) { return JSON.parse(this.text(address)); }
  call(name, type, args) {
    return this.m.ccall(name, type, args.map((a) => (typeof a === 'string' ? 'string' : 'number')), args);
  }

  start(width, height, ratio) { this.m._orvalde_start(width, height, ratio); }
  click(number) { this.m._orvalde_click(number); }
  scrollArrow(direction) { this.m._orvalde_scroll_arrow(direction); }
  scrollPage(direction) { this.m._orvalde_scroll_page(direction); }
  scrollRelease(value) { this.m._orvalde_scroll_release(value); }
  scrollKey(key) { return this.call('orvalde_scroll_key', 'number', [key]) === 1; }
  frame(nowMs) { return this.m._orvalde_frame(nowMs); }
  tickBoth() { this.m._orvalde_tick_both(); }
  resize(width, height) { this.m._orvalde_resize(width, height); }
  setPixelRatio(ratio) { this.m._orvalde_set_pixel_ratio(ratio); }
  message() { return this.text(this.m._orvalde_message()); }
  dismissMessage() { this.m._orvalde_dismiss_message(); }
  imageWidth() { return this.m._orvalde_image_width(); }
  imageHeight() { return this.m._orvalde_image_height(); }

  // A view over wasm memory is detached when the memory grows, and the image
  // moves when it grows: a new one is made whenever either happened.
  image() {
    const buffer = this.m.HEAPU8.buffer;
    const address = this.m._orvalde_image_data();
    const width = this.imageWidth();
    const height = this.imageHeight();
    const v = this.view;
    if (!v || v.buffer !== buffer || v.address !== address || v.width !== width || v.height !== height) {
      const pixels = new Uint8ClampedArray(buffer, address, width * height * 4);
      this.view = { buffer, address, width, height, data: new ImageData(pixels, width, height) };
    }
    return this.view.data;
  }

  drawing() {
    const width = this.m._orvalde_drawing_width();
    const height = this.m._orvalde_drawing_height();
    const address = this.m._orvalde_drawing_data();
    return new ImageData(new Uint8ClampedArray(this.m.HEAPU8.subarray(address, address + width * height * 4)), width,
      height);
  }

  dirtyRects() {
    const count = this.m._orvalde_take_dirty();
    if (count === 0) return new Int32Array(0);
    const first = this.m._orvalde_dirty_rects() >> 2;
    return this.m.HEAP32.slice(first, first + count * 4);
  }

  bar() { return this.json(this.m._orvalde_bar_json()); }
  buttons() { return this.json(this.m._orvalde_buttons_json()); }
  counters() { return Object.freeze({ cycloid: this.m._orvalde_counter(0), circular: this.m._orvalde_counter(1) }); }

  startLesson() { this.m._orvalde_lesson_start(); }
  press(id) { return this.call('orvalde_press', 'number', [id]) === 1; }
  keyName(key, shift) { return this.call('orvalde_key_name', 'string', [key, shift ? 1 : 0]); }
  routeKey(name, focus, repeat) { return this.call('orvalde_route_key', 'string', [name, focus, repeat ? 1 : 0]); }
  paused() { return this.m._orvalde_paused() === 1; }
  paceLabel() { return this.text(this.m._orvalde_pace_label()); }
  menu() { return this.json(this.m._orvalde_menu_json()); }
  help() { return this.json(this.m._orvalde_help_json()); }
  drawingName() { return this.text(this.m._orvalde_drawing_name()); }
  describeDrawing() { return this.text(this.m._orvalde_describe_drawing()); }
  nextLanguage(code) { return this.call('orvalde_next_language', 'string', [code]); }
  measureRevision() { return this.m._orvalde_measure_revision(); }
  panel() { return this.json(this.m._orvalde_panel_json()); }
  setPanelShown(shown) { this.m._orvalde_set_panel_shown(shown ? 1 : 0); }
  layout() { return this.json(this.m._orvalde_layout_json()); }
  legendCorner(which, width, height) { return this.m._orvalde_legend_corner(which, width, height); }
  measurementsCsv() { return this.text(this.m._orvalde_measurements_csv()); }
  sweepStart() { this.m._orvalde_sweep_start(); }
  sweepStep() { return this.m._orvalde_sweep_step() === 1; }
  sweepCancel() { this.m._orvalde_sweep_cancel(); }
  sweepDone() { return this.m._orvalde_sweep_done(); }
  sweepTotal() { return this.m._orvalde_sweep_total(); }
};
