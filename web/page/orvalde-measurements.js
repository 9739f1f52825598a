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

    this.sweepTable = new OrvaldeSweepTable(program.m);
    this.panel.append(this.title, this.readout, this.spoken, this.periodPlot, this.displacementPlot, this.sweepTable.box,
      row);
    parent.appendChild(this.panel);
    this.translate();
    OrvaldeLanguage.onChange(() => this.translate());
  }

  // Every text in the page's language; the program's part follows it too.
  translate() {
    const L = OrvaldeLanguage;
    this.panel.setAttribute('aria-label', L.tr('Measurements'));
    this.title.textContent = L.tr('ORVALDE \u2014 Measurements');
    this.sweepButton.textContent = L.tr('Measure all release heights');
    this.sweepButton.title = L.tr('Runs both pendulums without drawing from 25 release heights across the scroll ' +
      'bar\'s range, two full periods each, and puts the measured periods on the first plot.');
    this.cancelButton.textContent = L.tr('Cancel');
    this.cancelButton.title = L.tr('Stops measuring; the heights already measured stay.');
    if (this.visible()) this.draw(performance.now());
  }

  svg(id) {
    const svg = document.createElementNS('http://www.w3.org/2000/svg', 'svg');
    svg.id = id;
    svg.setAttribute('viewBox', '0 0 760 330');
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

  // Shown below the nine buttons so that it never covers them.
  toggle(buttonsBottom) {
    this.panel.hidden = !this.panel.hidden;
    if (!this.panel.hidden) {
      this.panel.style.top = buttonsBottom + 8 + 'px';
      this.draw(performance.now());
    }
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
    if (this.spoken.textContent !== panel.summary) this.spoken.textContent = panel.summary;
    OrvaldePage.renderPlot(this.periodPlot, panel.plots[0], panel.plotTexts[0]);
    OrvaldePage.renderPlot(this.displacementPlot, panel.plots[1], panel.plotTexts[1]);
    this.sweepTable.update();
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

// A plot model as SVG: frame, ticks with their texts, axis labels, title,
// legend, then lines and markers. Markers carry the class "point". The title
// names the plot for assistive technology, the text gives its data.
OrvaldePage.renderPlot = function (svg, plot, text) {
  const W = 760, H = 330, left = 82, right = 16, top = 36, bottom = 62;
  const x0 = left, x1 = W - right, y0 = H - bottom, y1 = top;
  const sx = (x) => x0 + (x - plot.x.min) / (plot.x.max - plot.x.min || 1) * (x1 - x0);
  const sy = (y) => y0 + (y - plot.y.min) / (plot.y.max - plot.y.min || 1) * (y1 - y0);
  const parts = [`<title>${OrvaldePage.escapeXml(plot.title)}</title><desc>${OrvaldePage.escapeXml(text)}</desc>`];
  svg.setAttribute('aria-label', plot.title);
  const label = (x, y, s, extra) => parts.push(`<text x="${x.toFixed(1)}" y="${y.toFixed(1)}" ${extra || ''}>` +
    OrvaldePage.escapeXml(s) + '</text>');

  parts.push(`<rect class="frame" x="${x0}" y="${y1}" width="${x1 - x0}" height="${y0 - y1}"/>`);
  plot.x.ticks.forEach((t, i) => {
    if (t === null) return;
    const x = sx(t);
    parts.push(`<line class="grid" x1="${x.toFixed(1)}" y1="${y1}" x2="${x.toFixed(1)}" y2="${y0}"/>`);
    label(x, y0 + 22, plot.x.tickTexts[i], 'text-anchor="middle"');
  });
  plot.y.ticks.forEach((t, i) => {
    if (t === null) return;
    const y = sy(t);
    parts.push(`<line class="grid" x1="${x0}" y1="${y.toFixed(1)}" x2="${x1}" y2="${y.toFixed(1)}"/>`);
    label(x0 - 8, y + 6, plot.y.tickTexts[i], 'text-anchor="end"');
  });
  label((x0 + x1) / 2, H - 14, plot.x.label, 'class="label" text-anchor="middle"');
  label(20, (y0 + y1) / 2, plot.y.label,
    `class="label" text-anchor="middle" transform="rotate(-90 20 ${((y0 + y1) / 2).toFixed(1)})"`);
  label(W / 2, 26, plot.title, 'class="title" text-anchor="middle"');

  const inside = (p) => p[0] !== null && p[1] !== null;
  const legend = [];
  for (const s of plot.series) {
    const points = s.points.filter(inside);
    if (s.style === 'line') {
      if (points.length > 1) {
        const d = points.map((p) => sx(p[0]).toFixed(1) + ',' + sy(p[1]).toFixed(1)).join(' ');
        parts.push(`<polyline class="series" points="${d}" stroke="${s.colour}"/>`);
      }
    } else {
      for (const p of points) parts.push(OrvaldePage.plotMarker(s.style, sx(p[0]), sy(p[1]), s.colour));
    }
    if (points.length > 0) legend.push(s);
  }
  legend.forEach((s, i) => {
    const y = y1 + 18 + i * 22, x = x0 + 12;
    if (s.style === 'line') {
      parts.push(`<line class="series" x1="${x}" y1="${y - 5}" x2="${x + 22}" y2="${y - 5}" stroke="${s.colour}"/>`);
    } else {
      parts.push(OrvaldePage.plotMarker(s.style, x + 11, y - 5, s.colour).replace('class="point"', 'class="key"'));
    }
    label(x + 30, y, s.name, 'class="legend"');
  });
  svg.innerHTML = parts.join('');
};

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
class OrvaldeSweepTable {
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
}
