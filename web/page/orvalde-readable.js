'use strict';
// The key to the drawing and the status line over empty parts of the page.
// What they say, where they go and how often the status changes is decided
// by the program; this only builds the elements.
OrvaldePage.SWATCH_SVG = {
  arrow: (c) => `<line x1="2" y1="10" x2="32" y2="10" stroke="${c}" stroke-width="2"/>` +
    `<polyline points="26,6 32,10 26,14" fill="none" stroke="${c}" stroke-width="2"/>`,
  line: (c) => `<line x1="2" y1="10" x2="32" y2="10" stroke="${c}" stroke-width="2"/>`,
  thin: (c) => `<line x1="2" y1="10" x2="32" y2="10" stroke="${c}" stroke-width="1"/>`,
  dashed: (c) => `<line x1="2" y1="10" x2="32" y2="10" stroke="${c}" stroke-width="1" stroke-dasharray="4 3"/>`,
  dots: (c) => [5, 14, 23, 32].map((x) => `<circle cx="${x}" cy="10" r="2" fill="${c}"/>`).join(''),
  dot: (c) => `<circle cx="17" cy="10" r="4" fill="${c}"/>`,
  ring: (c) => `<circle cx="17" cy="10" r="8" fill="none" stroke="${c}" stroke-width="1"/>`,
  arc: (c) => `<path d="M3 4 Q17 22 31 4" fill="none" stroke="${c}" stroke-width="2"/>`,
};

OrvaldePage.Readable = class {
  constructor(module, act) {
    this.module = module;
    this.act = act;
    this.legend = document.createElement('div');
    this.legend.id = 'legend';
    this.status = document.createElement('pre');
    this.status.id = 'status';
    this.status.setAttribute('aria-live', 'polite');
    document.body.append(this.legend, this.status);
    const raised = document.getElementById('command' + module._orvalde_raised_button());
    if (raised) raised.style.zIndex = 1;
    this.layout = null;
    this.fill();
    // The program follows the page's language first (it listens earlier).
    OrvaldePage.Language.onChange(() => {
      this.fill();
      this.place(this.layout);
      this.show(this.module._orvalde_status_now(performance.now()));
    });
  }

  // The key's entries, in the program's language.
  fill() {
    const key = JSON.parse(this.module.UTF8ToString(this.module._orvalde_legend_json()));
    this.legend.setAttribute('aria-label', key.title);
    this.legend.replaceChildren();
    for (const entry of key.entries) {
      const item = document.createElement('div');
      item.className = 'entry';
      item.innerHTML = '<svg viewBox="0 0 34 20" width="34" height="20">' + OrvaldePage.SWATCH_SVG[entry.swatch](entry.colour) +
        '</svg><span></span>';
      item.lastChild.textContent = entry.label;
      this.legend.appendChild(item);
    }
  }

  // The key goes to the first place the program offers that holds it; the
  // status line where it says (layout: program.layout()).
  place(layout) {
    if (!layout) return;
    this.layout = layout;
    const m = this.module;
    const [sx, sy, sw, sh] = layout.status;
    Object.assign(this.status.style, { left: sx + 'px', top: sy + 'px', width: sw + 'px', height: sh + 'px' });
    this.status.hidden = !(sw > 0 && sh > 0);
    this.fits = false;
    this.legend.hidden = false;
    for (const [x, y, w, h] of layout.legend) {
      Object.assign(this.legend.style, { left: x + 'px', top: y + 'px', width: 'auto', maxWidth: w + 'px',
        height: h + 'px' });
      // Columns fill the height; the box then takes the width of its columns, right-aligned.
      const width = this.legend.scrollWidth + 2;
      if (width <= w && this.legend.scrollHeight <= h) {
        Object.assign(this.legend.style, { left: x + w - width + 'px', width: width + 'px' });
        this.fits = true;
        break;
      }
    }
    this.legend.hidden = !(this.fits && m._orvalde_legend_shown() === 1);
  }

  // Called every animation frame; the program says when the text is due.
  frame(now) { this.show(this.module._orvalde_status(now)); }

  show(p) {
    if (!p) return;
    const text = this.module.UTF8ToString(p);
    if (text !== this.status.textContent) this.status.textContent = text;
  }

  toggleLegend() {
    this.module._orvalde_toggle_legend();
    this.place(this.layout);
  }

  toggleBoldLines() { this.act(() => this.module._orvalde_toggle_bold()); }
};
