'use strict';
// A horizontal scroll bar drawn in HTML: two arrows, a track and a thumb.
// It only reports what the user did; the program decides the value and the
// page passes it back through update(). An arrow moves by one step, a press
// on the track beside the thumb by a page, both repeating while held; a
// dragged thumb reports its value once, when released. It is a slider for
// the keyboard and assistive technology: the program takes the keys of the
// focused bar (arrows, Page Up/Down, Home/End) as the desktop's bar does.
OrvaldePage.ScrollBar = class {
  constructor(parent, actions, name) {
    // { arrow(direction), page(direction), release(value), key(name) -> taken }
    this.actions = actions;
    this.state = { min: 0, max: 0, value: 0, large: 1 };
    this.drag = null;
    this.repeat = null;

    this.element = document.createElement('div');
    this.element.className = 'scrollbar';
    this.element.id = 'xthesi';
    this.element.tabIndex = 0;
    this.element.setAttribute('role', 'slider');
    this.element.setAttribute('aria-orientation', 'horizontal');
    this.element.setAttribute('aria-label', name);
    this.element.addEventListener('keydown', (e) => {
      if (e.ctrlKey || e.altKey || e.metaKey) return;
      if (this.actions.key(e.key)) {
        e.preventDefault();
        e.stopPropagation();
      }
    });
    this.left = this.makeArrow('left', '\u25c0', -1);
    this.track = document.createElement('div');
    this.track.className = 'track';
    this.thumb = document.createElement('div');
    this.thumb.className = 'thumb';
    this.track.appendChild(this.thumb);
    this.right = this.makeArrow('right', '\u25b6', 1);
    this.element.append(this.left, this.track, this.right);
    parent.appendChild(this.element);

    this.track.addEventListener('pointerdown', (e) => this.pressTrack(e));
    this.thumb.addEventListener('pointerdown', (e) => this.pressThumb(e));
    this.thumb.addEventListener('pointermove', (e) => this.moveThumb(e));
    this.thumb.addEventListener('pointerup', (e) => this.releaseThumb(e));
    this.thumb.addEventListener('pointercancel', () => { this.drag = null; this.layoutThumb(); });
  }

  makeArrow(side, text, direction) {
    const arrow = document.createElement('div');
    arrow.className = 'arrow ' + side;
    arrow.textContent = text;
    arrow.setAttribute('aria-hidden', 'true');
    arrow.addEventListener('pointerdown', (e) => {
      if (e.button !== 0) return;
      e.preventDefault();
      arrow.setPointerCapture(e.pointerId);
      this.holdRepeating(() => this.actions.arrow(direction), () => true);
    });
    arrow.addEventListener('pointerup', () => this.stopRepeating());
    arrow.addEventListener('pointercancel', () => this.stopRepeating());
    return arrow;
  }

  // Acts once now, then again and again after a pause while the press lasts.
  holdRepeating(act, stillWanted) {
    this.stopRepeating();
    act();
    const again = () => {
      if (!stillWanted()) return this.stopRepeating();
      act();
      this.repeat = setTimeout(again, 50);
    };
    this.repeat = setTimeout(again, 400);
  }

  stopRepeating() {
    if (this.repeat !== null) clearTimeout(this.repeat);
    this.repeat = null;
  }

  pressTrack(e) {
    if (e.target !== this.track || e.button !== 0) return;
    e.preventDefault();
    this.track.setPointerCapture(e.pointerId);
    const x = e.clientX;
    const towards = () => {
      const r = this.thumb.getBoundingClientRect();
      return x < r.left ? -1 : x > r.right ? 1 : 0;
    };
    const direction = towards();
    if (direction === 0) return;
    this.holdRepeating(() => this.actions.page(direction), () => towards() === direction);
    const stop = () => {
      this.stopRepeating();
      this.track.removeEventListener('pointerup', stop);
      this.track.removeEventListener('pointercancel', stop);
    };
    this.track.addEventListener('pointerup', stop);
    this.track.addEventListener('pointercancel', stop);
  }

  pressThumb(e) {
    if (e.button !== 0) return;
    e.preventDefault();
    this.thumb.setPointerCapture(e.pointerId);
    this.drag = { startX: e.clientX, startLeft: this.thumb.offsetLeft, value: this.state.value };
  }

  moveThumb(e) {
    if (!this.drag) return;
    const room = this.room();
    const left = Math.min(Math.max(this.drag.startLeft + e.clientX - this.drag.startX, 0), room);
    this.thumb.style.left = left + 'px';
    const { min, max } = this.state;
    this.drag.value = room > 0 ? Math.round(min + (left / room) * (max - min)) : min;
  }

  releaseThumb() {
    if (!this.drag) return;
    const value = this.drag.value;
    this.drag = null;
    this.actions.release(value);
    this.layoutThumb();
  }

  // Track length left for the thumb to travel.
  room() {
    return Math.max(0, this.track.clientWidth - this.thumb.offsetWidth);
  }

  // state: { min, max, value, large, left, top, width, height, valueText },
  // placement in CSS pixels.
  update(state) {
    this.state = state;
    const e = this.element;
    e.setAttribute('aria-valuemin', state.min);
    e.setAttribute('aria-valuemax', state.max);
    e.setAttribute('aria-valuenow', state.value);
    e.setAttribute('aria-valuetext', state.valueText);
    const s = this.element.style;
    s.left = state.left + 'px';
    s.top = state.top + 'px';
    s.width = state.width + 'px';
    s.height = state.height + 'px';
    const arrowWidth = Math.min(state.height, Math.floor(state.width / 3));
    this.left.style.width = this.right.style.width = arrowWidth + 'px';
    this.layoutThumb();
  }

  layoutThumb() {
    if (this.drag) return;
    const { min, max, value, large } = this.state;
    const range = max - min;
    const track = this.track.clientWidth;
    const length = range > 0 ? Math.max(8, Math.round((track * large) / (range + large))) : track;
    this.thumb.style.width = Math.min(length, track) + 'px';
    const room = this.room();
    this.thumb.style.left = (range > 0 ? Math.round(((value - min) / range) * room) : 0) + 'px';
  }
};
