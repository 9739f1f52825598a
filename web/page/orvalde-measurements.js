'use strict';
// The measurements panel: the meter's readout, the two plots drawn as SVG
// from the program's plot data, and "Measure all release heights" run one
// start per slice so that animation frames go on between them. Redraws at
// most ten times a second, and only when something was measured. The visible
// readout changes with every tick; a polite live region beside it carries the
// measured periods only, so a screen reader hears a new text only when a
// measurement changes.
OrvaldePage.Measurements = class {
  constructor(program, parent) {
    this.program = program;
    this.lastDrawn = -Infinity;
    this.shownRevision = -1;
    this.readoutHeight = 0;
    this.panel = document.createElement('section');
    this.panel.id = 'measurements';
    this.panel.hidden = true;
    this.title = document.createElement('h1');
    this.readout = document.createElement('pre');
    this.readout.id = 'readout';
    this.readout.setAttribute('aria-hidden', 'true');
    this.spoken = document.createElement('p');
    this.spoken.id = 'readout-spoken';
    this.spoken.className = 'visually-hidden';
    this.spoken.setAttribute('role', 'status');
    this.spoken.setAttribute('aria-live', 'polite');
    this.periodPlot = this.svg('period-plot');
    this.displacementPlot = this.svg('displacement-plot');

    const row = document.createElement('div');
    row.className = 'sweep';
    this.sweepButton = this.button('sweep');
    this.progress = document.createElement('progress');
    this.progress.id = 'sweep-progress';
    this.progress.max = 25;
    this.progress.value = 0;
    this.cancelButton = this.button('sweep-cancel');
    this.cancelButton.disabled = true;
    row.append(this.sweepButton, this.progress, this.cancelButton);
    this.sweepButton.addEventListener('click', () => this.startSweep());
    this.cancelButton.addEventListener('click', () => this.cancelSweep());

    this.sweepTable = new OrvaldePage.SweepTable(program.m);
    this.heading = document.createElement('div');
    this.heading.className = 'heading';
    this.heading.appendChild(this.title);
    this.panel.append(this.heading, this.readout, this.spoken, this.periodPlot, this.displacementPlot,
      this.sweepTable.box, row);
    parent.appendChild(this.panel);
    this.translate();
    OrvaldePage.Language.onChange(() => this.translate());
  }

  // Every text in the page's language; the program's part follows it too.
  translate() {
    const L = OrvaldePage.Language;
    this.panel.setAttribute('aria-label', L.tr('Measurements'));
    this.title.textContent = L.tr('ORVALDE \u2014 Measurements');
    this.sweepButton.textContent = L.tr('Measure all release heights');
    this.sweepButton.title = L.tr('Runs both pendulums without drawing from 25 release heights across the scroll ' +
      'bar\'s range, two full periods each, and puts the measured periods on the first plot.');
    this.cancelButton.textContent = L.tr('Cancel');
    this.cancelButton.title = L.tr('Stops measuring; the heights already measured stay.');
    this.fitReadout();
    if (this.visible()) this.draw(performance.now());
  }

  svg(id) {
    const svg = document.createElementNS('http://www.w3.org/2000/svg', 'svg');
    svg.id = id;
    svg.setAttribute('role', 'img');
    return svg;
  }

  button(id) {
    const b = document.createElement('button');
    b.type = 'button';
    b.id = id;
    return b;
  }

  visible() { return !this.panel.hidden; }

  // Where the program puts it: layout.panel, [x, y, width, height], beside
  // or (layout.below) under the drawing.
  place(layout) {
    const [x, y, width, height] = layout.panel;
    Object.assign(this.panel.style, { left: x + 'px', top: y + 'px', width: width + 'px', height: height + 'px' });
    this.panel.classList.toggle('below', layout.below);
    this.fitReadout();
    if (this.visible()) this.draw(performance.now());  // the plots' size changed
  }

  // The readout's height from its text again (another width or language).
  fitReadout() {
    this.readoutHeight = 0;
    this.readout.style.minHeight = '';
  }

  // The way to the laboratory keeps to the window's top right corner, which
  // the panel may take: meanwhile it goes to the panel's heading.
  setShown(shown, corner) {
    this.panel.hidden = !shown;
    if (corner) {
      const focused = corner.contains(document.activeElement);
      if (shown) this.heading.appendChild(corner);
      else document.body.appendChild(corner);
      if (focused) corner.querySelector('a').focus();
    }
    if (shown) this.draw(performance.now());
  }

  // Called every animation frame.
  update(now) {
    if (!this.visible() || now - this.lastDrawn < 100) return;
    if (this.program.measureRevision() === this.shownRevision) return;
    this.draw(now);
  }

  draw(now) {
    const p = this.program;
    this.lastDrawn = now;
    this.shownRevision = p.measureRevision();
    const panel = p.panel();
    this.readout.textContent = panel.lines.join('\n');
    // The readout only grows while the panel keeps its width, so that the
    // plots below do not jump (nor have their axes built again) with every
    // line that wraps differently.
    if (this.readout.offsetHeight > this.readoutHeight) {
      this.readoutHeight = this.readout.offsetHeight;
      this.readout.style.minHeight = this.readoutHeight + 'px';
    }
    if (this.spoken.textContent !== panel.summary) this.spoken.textContent = panel.summary;
    // The table first: when it appears, the plots get less room.
    this.sweepTable.update();
    OrvaldePage.renderPlot(this.periodPlot, panel.plots[0], panel.plotTexts[0], (w, h) => p.legendCorner(0, w, h));
    OrvaldePage.renderPlot(this.displacementPlot, panel.plots[1], panel.plotTexts[1],
      (w, h) => p.legendCorner(1, w, h));
  }

  sweeping() { return this.cancelButton.disabled === false; }

  startSweep() {
    const p = this.program;
    if (this.sweeping()) return;
    p.sweepStart();
    this.progress.max = p.sweepTotal();
    this.progress.value = 0;
    this.sweepButton.disabled = true;
    this.cancelButton.disabled = false;
    // One start per slice; a zero timeout lets the animation frames and
    // input run between slices.
    const slice = () => {
      if (!this.sweeping()) return;
      const more = p.sweepStep();
      this.progress.value = p.sweepDone();
      if (more) setTimeout(slice, 0);
      else this.sweepFinished();
    };
    setTimeout(slice, 0);
  }

  cancelSweep() {
    if (!this.sweeping()) return;
    this.program.sweepCancel();
    this.sweepFinished();
  }

  sweepFinished() {
    this.sweepButton.disabled = false;
    this.cancelButton.disabled = true;
    if (this.visible()) this.draw(performance.now());
  }
};

// A plot model as SVG in the element's own CSS pixels, so that its text shows
// at the size it is set in. The axes (frame, grid, ticks with their texts,
// axis labels and title) and the legend are built again only when they
// change; a refresh replaces the group of lines and markers alone. Markers
// carry the class "point", the legend's "key". The title names the plot for
// assistive technology, the text gives its data. The legend goes to the
// corner that corner(width, height) names (0 top left … 3 bottom left) for
// its size in fractions of the frame.
OrvaldePage.renderPlot = function (svg, plot, text, corner) {
  const NS = 'http://www.w3.org/2000/svg';
  let parts = OrvaldePage.plotParts.get(svg);
  if (!parts) {
    const make = (tag, className) => {
      const e = document.createElementNS(NS, tag);
      if (className) e.setAttribute('class', className);
      return e;
    };
    parts = { title: make('title'), desc: make('desc'), axes: make('g', 'axes'), data: make('g', 'data'),
      legend: make('g', 'legend-group'), axesKey: '', legendKey: '', legendBox: null, legendShift: '' };
    svg.replaceChildren(parts.title, parts.desc, parts.axes, parts.data, parts.legend);
    OrvaldePage.plotParts.set(svg, parts);
  }
  if (parts.title.textContent !== plot.title) parts.title.textContent = plot.title;
  if (parts.desc.textContent !== text) parts.desc.textContent = text;
  if (svg.getAttribute('aria-label') !== plot.title) svg.setAttribute('aria-label', plot.title);

  // Text of 13 to 16 px, larger on a wider plot; margins for it.
  const box = svg.getBoundingClientRect();
  const W = Math.max(240, Math.round(box.width)), H = Math.max(150, Math.round(box.height));
  const font = Math.min(16, Math.max(13, Math.round(W / 34)));
  const x0 = Math.round(font * 5), x1 = W - font, y0 = H - Math.round(font * 3.3), y1 = Math.round(font * 2.3);
  const sx = (x) => x0 + (x - plot.x.min) / (plot.x.max - plot.x.min || 1) * (x1 - x0);
  const sy = (y) => y0 + (y - plot.y.min) / (plot.y.max - plot.y.min || 1) * (y1 - y0);
  const f = (v) => v.toFixed(1);
  const label = (x, y, s, extra) => `<text x="${f(x)}" y="${f(y)}" ${extra || ''}>${OrvaldePage.escapeXml(s)}</text>`;

  const axesKey = JSON.stringify([W, H, plot.title, plot.x, plot.y]);
  if (axesKey !== parts.axesKey) {
    parts.axesKey = axesKey;
    svg.setAttribute('viewBox', `0 0 ${W} ${H}`);
    svg.style.fontSize = font + 'px';
    const axes = [`<rect class="frame" x="${x0}" y="${y1}" width="${x1 - x0}" height="${y0 - y1}"/>`];
    plot.x.ticks.forEach((t, i) => {
      if (t === null) return;
      const x = f(sx(t));
      axes.push(`<line class="grid" x1="${x}" y1="${y1}" x2="${x}" y2="${y0}"/>`);
      axes.push(label(sx(t), y0 + font * 1.4, plot.x.tickTexts[i], 'text-anchor="middle"'));
    });
    plot.y.ticks.forEach((t, i) => {
      if (t === null) return;
      const y = f(sy(t));
      axes.push(`<line class="grid" x1="${x0}" y1="${y}" x2="${x1}" y2="${y}"/>`);
      axes.push(label(x0 - 6, sy(t) + font * 0.35, plot.y.tickTexts[i], 'text-anchor="end"'));
    });
    const middle = (y0 + y1) / 2, side = font * 1.1;
    axes.push(label((x0 + x1) / 2, H - font * 0.6, plot.x.label, 'class="label" text-anchor="middle"'));
    axes.push(label(side, middle, plot.y.label,
      `class="label" text-anchor="middle" transform="rotate(-90 ${f(side)} ${f(middle)})"`));
    axes.push(label(W / 2, font * 1.4, plot.title, 'class="title" text-anchor="middle"'));
    parts.axes.innerHTML = axes.join('');
    parts.legendKey = '';  // placed by the same margins
  }

  const inside = (p) => p[0] !== null && p[1] !== null;
  const data = [];
  const legend = [];
  for (const s of plot.series) {
    const points = s.points.filter(inside);
    if (s.style === 'line') {
      if (points.length > 1) {
        const d = points.map((p) => f(sx(p[0])) + ',' + f(sy(p[1]))).join(' ');
        data.push(`<polyline class="series" points="${d}" stroke="${s.colour}"/>`);
      }
    } else {
      for (const p of points) data.push(OrvaldePage.plotMarker(s.style, sx(p[0]), sy(p[1]), s.colour));
    }
    if (points.length > 0) legend.push(s);
  }
  parts.data.innerHTML = data.join('');

  const legendKey = JSON.stringify(legend.map((s) => [s.name, s.style, s.colour]));
  if (legendKey !== parts.legendKey) {
    parts.legendKey = legendKey;
    const keys = [];
    legend.forEach((s, i) => {
      const y = y1 + font * 1.4 + i * font * 1.6, x = x0 + 12;
      if (s.style === 'line') {
        keys.push(`<line class="series" x1="${x}" y1="${f(y - font * 0.35)}" x2="${x + 22}" y2="${f(y - font * 0.35)}" ` +
          `stroke="${s.colour}"/>`);
      } else {
        keys.push(OrvaldePage.plotMarker(s.style, x + 11, y - font * 0.35, s.colour).replace('class="point"',
          'class="key"'));
      }
      keys.push(label(x + 30, y, s.name, 'class="legend"'));
    });
    parts.legend.innerHTML = keys.join('');
    parts.legendBox = null;
    // On a pale ground, so that the lines behind do not cross its text.
    if (legend.length > 0) {
      const b = parts.legend.getBBox();
      parts.legendBox = { x: b.x - 6, y: b.y - 4, width: b.width + 12, height: b.height + 8 };
      parts.legend.insertAdjacentHTML('afterbegin', `<rect class="legend-box" x="${f(b.x - 6)}" y="${f(b.y - 4)}" ` +
        `width="${f(b.width + 12)}" height="${f(b.height + 8)}"/>`);
    }
  }

  // Built in the top left; moved to the corner where it hides the least.
  const lb = parts.legendBox;
  let shift = '';
  if (lb && corner) {
    const where = corner((lb.width + 20) / (x1 - x0), (lb.height + 20) / (y0 - y1));
    const dx = where === 1 || where === 2 ? x1 - 10 - lb.width - lb.x : 0;
    const dy = where === 2 || where === 3 ? y0 - 10 - lb.height - lb.y : 0;
    if (dx !== 0 || dy !== 0) shift = `translate(${f(dx)} ${f(dy)})`;
  }
  if (shift !== parts.legendShift) {
    parts.legendShift = shift;
    if (shift) parts.legend.setAttribute('transform', shift);
    else parts.legend.removeAttribute('transform');
  }
};

// Each plot's groups and what they were built for.
OrvaldePage.plotParts = new WeakMap();

OrvaldePage.plotMarker = function (style, x, y, colour) {
  const r = 5;
  if (style === 'squares') {
    return `<rect class="point" x="${(x - r).toFixed(1)}" y="${(y - r).toFixed(1)}" width="${2 * r}" ` +
      `height="${2 * r}" fill="${colour}"/>`;
  }
  if (style === 'triangles') {
    const p = [[x, y - r - 1], [x - r - 1, y + r], [x + r + 1, y + r]];
    return `<polygon class="point" points="${p.map((q) => q[0].toFixed(1) + ',' + q[1].toFixed(1)).join(' ')}" ` +
      `fill="${colour}"/>`;
  }
  return `<circle class="point" cx="${x.toFixed(1)}" cy="${y.toFixed(1)}" r="${r}" fill="${colour}"/>`;
};

OrvaldePage.escapeXml = function (s) {
  return String(s).replace(/[&<>"]/g, (c) => ({ '&': '&amp;', '<': '&lt;', '>': '&gt;', '"': '&quot;' })[c]);
};

// The sweep's starts as a table, rounded for reading by the program; hidden
// until a sweep has measured something.
OrvaldePage.SweepTable = class {
  constructor(module) {
    this.module = module;
    this.shown = '';
    this.box = document.createElement('div');
    this.box.id = 'sweep-table-box';
    this.box.hidden = true;
    this.table = document.createElement('table');
    this.table.id = 'sweep-table';
    this.box.appendChild(this.table);
  }

  update() {
    const json = this.module.UTF8ToString(this.module._orvalde_sweep_table_json());
    if (json === this.shown) return;
    this.shown = json;
    const sweep = JSON.parse(json);
    this.table.replaceChildren();
    const head = this.table.createTHead().insertRow();
    for (const h of sweep.headings) {
      const th = document.createElement('th');
      th.textContent = h;
      head.appendChild(th);
    }
    const body = this.table.createTBody();
    for (const cells of sweep.rows) {
      const row = body.insertRow();
      for (const c of cells) row.insertCell().textContent = c;
    }
    this.box.hidden = sweep.rows.length === 0;
  }
};
