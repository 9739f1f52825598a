'use strict';
// The controls of a lesson around the picture: keys, pace, pause, the
// buttons' tooltips, the help dialog, the drawing's context menu with saving,
// and the measurements panel. None of it changes the buttons, their captions
// or the picture.
const PACE_KEYS = { Digit1: 0, Digit2: 1, Digit3: 2, Digit4: 3, Numpad1: 0, Numpad2: 1, Numpad3: 2, Numpad4: 3 };

class OrvaldeLesson {
  // act(call) runs a call into the program unless a message is up, then
  // brings the page up to date.
  constructor(module, { act, canvas, controls, message }) {
    this.module = module;
    this.act = act;
    this.canvas = canvas;
    this.controls = controls;
    this.message = message;
    this.lastSave = null;
    module._orvalde_lesson_start();

    const help = [];
    for (let i = 0; i < module._orvalde_help_count(); i++) {
      const number = module._orvalde_help_number(i);
      const text = module.UTF8ToString(module._orvalde_help_text(i));
      help.push({ number, text });
      const button = document.getElementById('command' + number);
      if (button) button.title = text;
    }
    this.helpDialog = this.buildHelp(help, module.UTF8ToString(module._orvalde_keys_help()));
    this.panel = new OrvaldeMeasurements(module, document.body);
    this.menu = this.buildMenu();
    this.readable = new OrvaldeReadable(module, act);
    this.notice = document.createElement('p');
    this.notice.id = 'notice';
    this.notice.setAttribute('role', 'alert');
    this.notice.hidden = true;
    document.body.appendChild(this.notice);

    window.addEventListener('keydown', (e) => this.keyDown(e));
    // A focused button would take Space as a click when it is let go.
    window.addEventListener('keyup', (e) => { if (e.code === 'Space') e.preventDefault(); });
    canvas.addEventListener('contextmenu', (e) => {
      e.preventDefault();
      this.openMenu(e.clientX, e.clientY);
    });
    document.addEventListener('pointerdown', (e) => { if (!this.menu.contains(e.target)) this.closeMenu(); });
  }

  // Called every animation frame.
  frame(now) {
    this.panel.update(now);
    this.readable.frame(now);
  }

  // The key to the drawing (shown at first) and bold lines (off at first).
  toggleLegend() { this.readable.toggleLegend(); }
  toggleBoldLines() { this.readable.toggleBoldLines(); }

  togglePause() { this.act(() => this.module._orvalde_toggle_pause()); }
  step() { this.act(() => this.module._orvalde_step()); }
  // The program's start-up again for the window's size now.
  startAgain() { this.act(() => this.module._orvalde_start_again(window.innerWidth, window.innerHeight)); }
  setPace(pace) { this.module._orvalde_set_pace(pace); }
  pace() { return this.module.UTF8ToString(this.module._orvalde_pace_label(this.module._orvalde_pace())); }
  toggleMeasurements() {
    let bottom = 0;
    for (const b of this.controls.querySelectorAll('button')) bottom = Math.max(bottom, b.getBoundingClientRect().bottom);
    this.panel.toggle(bottom);
  }
  showHelp() { if (!this.helpDialog.open) this.helpDialog.show(); }

  keyDown(e) {
    if (this.message.open || e.ctrlKey || e.altKey || e.metaKey) return;
    if (e.code === 'Escape') {
      this.closeMenu();
      if (this.helpDialog.open) this.helpDialog.close();
      return;
    }
    const stepKey = e.code === 'KeyS' || e.code === 'ArrowRight';
    if (e.repeat && !stepKey) {
      if (e.code === 'Space') e.preventDefault();
      return;
    }
    if (e.code === 'Space') this.togglePause();
    else if (stepKey) this.step();
    else if (e.code === 'KeyM') this.toggleMeasurements();
    else if (e.code === 'F1') this.showHelp();
    else if (e.code in PACE_KEYS) this.setPace(PACE_KEYS[e.code]);
    else return;
    e.preventDefault();
  }

  buildHelp(help, keys) {
    const dialog = document.createElement('dialog');
    dialog.id = 'help';
    const title = document.createElement('h1');
    title.textContent = 'ORVALDE \u2014 Help';
    const heading = document.createElement('h2');
    heading.textContent = 'The buttons';
    const table = document.createElement('table');
    for (const { number, text } of help) {
      const row = table.insertRow();
      const caption = document.getElementById('command' + number);
      row.insertCell().textContent = caption ? caption.textContent : 'Command' + number;
      row.insertCell().textContent = text;
    }
    const bar = document.createElement('p');
    bar.textContent = 'The scroll bar at the bottom left chooses where the bob starts.';
    const keysHeading = document.createElement('h2');
    keysHeading.textContent = 'Keys';
    const keysText = document.createElement('p');
    keysText.className = 'keys';
    keysText.textContent = keys;
    const form = document.createElement('form');
    form.method = 'dialog';
    const close = document.createElement('button');
    close.textContent = 'Close';
    form.appendChild(close);
    dialog.append(title, heading, table, bar, keysHeading, keysText, form);
    document.body.appendChild(dialog);
    return dialog;
  }

  buildMenu() {
    const menu = document.createElement('div');
    menu.id = 'context-menu';
    menu.setAttribute('role', 'menu');
    menu.hidden = true;
    document.body.appendChild(menu);
    return menu;
  }

  openMenu(x, y) {
    const m = this.module;
    const items = [
      [m._orvalde_paused() ? 'Resume' : 'Pause', 'Space', () => this.togglePause()],
      ['Step the cycloidal pendulum', 'S', () => this.step()],
      ['Show or hide the measurements', 'M', () => this.toggleMeasurements()],
      ['Help', 'F1', () => this.showHelp()],
      null,
    ];
    for (let pace = 0; pace < 4; pace++) {
      const label = 'Pace ' + m.UTF8ToString(m._orvalde_pace_label(pace));
      items.push([(pace === m._orvalde_pace() ? '\u2713 ' : '\u2003') + label, String(pace + 1),
        () => this.setPace(pace)]);
    }
    items.push(null, ['Save picture\u2026', '', () => this.savePicture()],
      ['Save measurements\u2026', '', () => this.saveMeasurements()]);

    this.menu.replaceChildren();
    for (const item of items) {
      if (!item) {
        this.menu.appendChild(document.createElement('hr'));
        continue;
      }
      const [text, key, action] = item;
      const b = document.createElement('button');
      b.type = 'button';
      b.setAttribute('role', 'menuitem');
      b.innerHTML = '<span></span><kbd></kbd>';
      b.firstChild.textContent = text;
      b.lastChild.textContent = key;
      b.addEventListener('click', () => {
        this.closeMenu();
        action();
      });
      this.menu.appendChild(b);
    }
    this.menu.hidden = false;
    // Kept inside the window.
    const r = this.menu.getBoundingClientRect();
    this.menu.style.left = Math.max(0, Math.min(x, window.innerWidth - r.width)) + 'px';
    this.menu.style.top = Math.max(0, Math.min(y, window.innerHeight - r.height)) + 'px';
  }

  closeMenu() { this.menu.hidden = true; }

  // The canvas holds the image at device resolution: saved as it is.
  savePicture() {
    try {
      this.canvas.toBlob((blob) => {
        if (blob) this.download(blob, 'orvalde.png');
        else this.fail('Could not save the picture: the browser gave no PNG for the drawing.');
      }, 'image/png');
    } catch (error) {
      this.fail('Could not save the picture: ' + error.message);
    }
  }

  saveMeasurements() {
    try {
      const m = this.module;
      const csv = m.UTF8ToString(m._orvalde_measurements_csv());
      this.download(new Blob([csv], { type: 'text/csv' }), 'orvalde-measurements.csv', csv.split('\n', 1)[0]);
    } catch (error) {
      this.fail('Could not save the measurements: ' + error.message);
    }
  }

  download(blob, name, firstLine) {
    const url = URL.createObjectURL(blob);
    const a = document.createElement('a');
    a.href = url;
    a.download = name;
    document.body.appendChild(a);
    a.click();
    a.remove();
    setTimeout(() => URL.revokeObjectURL(url), 10000);
    this.lastSave = Object.freeze({ name, type: blob.type, size: blob.size, firstLine: firstLine || '' });
  }

  // Told without a modal dialog: the animation goes on.
  fail(text) {
    this.notice.textContent = text;
    this.notice.hidden = false;
    clearTimeout(this.noticeTimer);
    this.noticeTimer = setTimeout(() => { this.notice.hidden = true; }, 8000);
  }

  // Read-only view for tests and curious users.
  view() {
    return {
      pace: () => this.pace(),
      paused: () => this.module._orvalde_paused() === 1,
      panelVisible: () => this.panel.visible(),
      sweeping: () => this.panel.sweeping(),
      lastSave: () => this.lastSave,
      legendShown: () => !this.readable.legend.hidden,
      boldLines: () => this.module._orvalde_bold() === 1,
      status: () => this.readable.status.textContent,
    };
  }
}
