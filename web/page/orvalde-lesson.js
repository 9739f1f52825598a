'use strict';
// The lesson's controls around the picture, bound to the program's one
// action table: keys, the buttons' tooltips, the help dialog and the
// drawing's context menu are all built from what the program says. The page
// runs only the actions that need it (panel, help, saving, the menu).
OrvaldePage.Lesson = class {
  // act(call) runs a call into the program unless a message is up, then
  // brings the page up to date.
  constructor(program, { act, canvas, controls, message, about }) {
    this.program = program;
    this.act = act;
    this.canvas = canvas;
    this.controls = controls;
    this.message = message;
    this.lastSave = null;
    this.menuReturn = null;
    program.startLesson();

    // The actions the page runs itself, by id.
    this.shellActions = {
      measurements: () => this.toggleMeasurements(),
      help: () => this.showHelp(),
      'save-picture': () => this.savePicture(),
      'save-measurements': () => this.saveMeasurements(),
      'context-menu': () => this.openMenuFromKeyboard(),
      about: () => about.show(),
      'start-again': () => this.startAgain(),
      legend: () => this.toggleLegend(),
      'bold-lines': () => this.toggleBoldLines(),
      language: () => OrvaldePage.Language.switchTo(program.nextLanguage(OrvaldePage.Language.code())),
      'full-screen': () => {
        if (document.fullscreenElement) document.exitFullscreen();
        else if (document.documentElement.requestFullscreen) document.documentElement.requestFullscreen();
      },
      laboratory: () => {
        const url = new URL('lab.html', location.href);
        url.searchParams.set('lang', OrvaldePage.Language.code());
        location.href = url.href;
      },
    };

    this.helpDialog = this.buildHelp();
    this.panel = new OrvaldePage.Measurements(program, document.body);
    this.menu = this.buildMenu();
    this.readable = new OrvaldePage.Readable(program.m, act);
    this.notice = document.createElement('p');
    this.notice.id = 'notice';
    this.notice.setAttribute('role', 'alert');
    this.notice.hidden = true;
    document.body.appendChild(this.notice);
    this.layOut();

    window.addEventListener('keydown', (e) => this.keyDown(e));
    canvas.addEventListener('contextmenu', (e) => {
      e.preventDefault();
      this.openMenu(e.clientX, e.clientY);
    });
    document.addEventListener('pointerdown', (e) => { if (!this.menu.contains(e.target)) this.closeMenu(); });
    // The program already speaks the new language (its listener came first).
    OrvaldePage.Language.onChange(() => this.translate());
  }

  // The help, the menu's name and an open menu in the page's language.
  translate() {
    this.fillHelp(this.helpDialog, this.program.help());
    this.menu.setAttribute('aria-label', OrvaldePage.Language.tr('Menu'));
    if (!this.menu.hidden) {
      this.fillMenu();
      this.menuItems()[0].focus();
    }
  }

  // Called every animation frame.
  frame(now) {
    this.panel.update(now);
    this.readable.frame(now);
  }

  // The key to the drawing (shown at first) and bold lines (off at first).
  toggleLegend() { this.readable.toggleLegend(); }
  toggleBoldLines() { this.readable.toggleBoldLines(); }

  // Any action of the table, by id.
  press(id) {
    let ran = false;
    this.act(() => { ran = this.program.press(id); });
    if (!ran && !this.message.open && id in this.shellActions) this.shellActions[id]();
  }

  togglePause() { this.press('pause'); }
  step() { this.press('step'); }
  // The program's start-up again for the window's size now.
  startAgain() {
    this.act(() => this.program.m._orvalde_start_again(window.innerWidth, window.innerHeight));
    this.layOut();
  }

  // The panel beside or below the drawing, as the program places it; the
  // drawing, its scroll bar, the key and the status line make room for it.
  toggleMeasurements() {
    const shown = !this.panel.visible();
    this.act(() => this.program.setPanelShown(shown));
    this.layOut();
    this.panel.setShown(shown, document.querySelector('.switch'));
  }

  // Everything placed again where the program says (after a resize, too).
  layOut() {
    const layout = this.program.layout();
    this.panel.place(layout);
    this.readable.place(layout);
  }
  showHelp() { if (!this.helpDialog.open) this.helpDialog.show(); }

  focusKind() {
    const focus = OrvaldePage.Program.FOCUS;
    const e = document.activeElement;
    if (!e || e === document.body) return focus.elsewhere;
    if (e.getAttribute('role') === 'slider') return focus.scrollBar;
    if (this.menu.contains(e)) return focus.menu;
    if (e.tagName === 'BUTTON') return focus.button;
    return focus.elsewhere;
  }

  keyDown(e) {
    if (this.message.open || e.ctrlKey || e.altKey || e.metaKey) return;
    if (!this.menu.hidden) {
      this.menuKey(e);
      return;
    }
    if (e.key === 'Escape') {
      if (this.helpDialog.open) this.helpDialog.close();
      return;
    }
    const name = this.program.keyName(e.key, e.shiftKey);
    const route = this.program.routeKey(name, this.focusKind(), e.repeat);
    if (route === '') return;
    e.preventDefault();
    if (route !== '-') this.press(route);
  }

  buildHelp() {
    const dialog = document.createElement('dialog');
    dialog.id = 'help';
    dialog.setAttribute('aria-labelledby', 'help-title');
    this.fillHelp(dialog, this.program.help());
    document.body.appendChild(dialog);
    return dialog;
  }

  fillHelp(dialog, help) {
    const title = document.createElement('h1');
    title.id = 'help-title';
    title.textContent = help.title;
    const heading = document.createElement('h2');
    heading.textContent = help.buttonsTitle;
    const table = document.createElement('table');
    for (const { title: caption, text } of help.buttons) {
      const row = table.insertRow();
      row.insertCell().textContent = caption;
      row.insertCell().textContent = text;
    }
    const bar = document.createElement('p');
    bar.textContent = help.scrollBar;
    const keysHeading = document.createElement('h2');
    keysHeading.textContent = help.keysTitle;
    const keysText = document.createElement('p');
    keysText.className = 'keys';
    keysText.textContent = help.keys.map((k) => k.title + ': ' + k.text).concat(help.menu).join('\n');
    const form = document.createElement('form');
    form.method = 'dialog';
    const close = document.createElement('button');
    close.textContent = help.close;
    form.appendChild(close);
    dialog.replaceChildren(title, heading, table, bar, keysHeading, keysText, form);
  }

  buildMenu() {
    const menu = document.createElement('div');
    menu.id = 'context-menu';
    menu.setAttribute('role', 'menu');
    menu.setAttribute('aria-label', OrvaldePage.Language.tr('Menu'));
    menu.hidden = true;
    document.body.appendChild(menu);
    return menu;
  }

  // Over the drawing below the buttons, as the Menu key and Shift+F10 open it.
  openMenuFromKeyboard() {
    let bottom = 0;
    for (const b of this.controls.querySelectorAll('button')) bottom = Math.max(bottom, b.getBoundingClientRect().bottom);
    this.openMenu(window.innerWidth / 4, bottom + 40);
  }

  openMenu(x, y) {
    this.menuReturn = document.activeElement;
    this.fillMenu();
    this.menu.hidden = false;
    // Kept inside the window.
    const r = this.menu.getBoundingClientRect();
    this.menu.style.left = Math.max(0, Math.min(x, window.innerWidth - r.width)) + 'px';
    this.menu.style.top = Math.max(0, Math.min(y, window.innerHeight - r.height)) + 'px';
    this.menuItems()[0].focus();
  }

  fillMenu() {
    this.menu.replaceChildren();
    let group = null;
    for (const entry of this.program.menu()) {
      if (group !== null && entry.group !== group) {
        const line = document.createElement('hr');
        line.setAttribute('role', 'separator');
        this.menu.appendChild(line);
      }
      group = entry.group;
      const b = document.createElement('button');
      b.type = 'button';
      b.tabIndex = -1;
      b.setAttribute('role', entry.checkable ? 'menuitemradio' : 'menuitem');
      if (entry.checkable) b.setAttribute('aria-checked', String(entry.checked));
      b.innerHTML = '<span></span><kbd></kbd>';
      const label = entry.groupTitle ? entry.groupTitle + ' ' + entry.label : entry.label;
      b.firstChild.textContent = (entry.checkable ? (entry.checked ? '\u2713 ' : '\u2003') : '') + label;
      b.lastChild.textContent = entry.keys;
      b.addEventListener('click', () => {
        this.closeMenu();
        this.press(entry.id);
      });
      this.menu.appendChild(b);
    }
  }

  menuItems() { return [...this.menu.querySelectorAll('[role^="menuitem"]')]; }

  // The open menu takes every key: arrows move, Home and End go to the ends,
  // Enter or Space choose (the focused item's own click), Escape or Tab close.
  menuKey(e) {
    const items = this.menuItems();
    const at = items.indexOf(document.activeElement);
    const moves = { ArrowDown: at + 1, ArrowUp: at - 1, Home: 0, End: items.length - 1 };
    if (e.key in moves) {
      e.preventDefault();
      items[(moves[e.key] + items.length) % items.length].focus();
    } else if (e.key === 'Escape' || e.key === 'Tab') {
      e.preventDefault();
      this.closeMenu();
    } else if ((e.key === 'Enter' || e.key === ' ') && at < 0) {
      e.preventDefault();
    }
  }

  closeMenu() {
    if (this.menu.hidden) return;
    this.menu.hidden = true;
    const back = this.menuReturn;
    this.menuReturn = null;
    if (back && back !== document.body && document.contains(back)) back.focus();
  }

  // The whole drawing at device resolution: the canvas as it is, or, while
  // it shows the drawing smaller, the drawing copied at its own size.
  savePicture() {
    try {
      let source = this.canvas;
      if (this.program.layout().scale !== 1) {
        const image = this.program.drawing();
        source = document.createElement('canvas');
        source.width = image.width;
        source.height = image.height;
        source.getContext('2d').putImageData(image, 0, 0);
      }
      source.toBlob((blob) => {
        if (blob) this.download(blob, 'orvalde.png');
        else this.fail(OrvaldePage.Language.tr('Could not save the picture: the browser gave no PNG for the drawing.'));
      }, 'image/png');
    } catch (error) {
      this.fail(OrvaldePage.Language.tr('Could not save the picture: {error}', { error: error.message }));
    }
  }

  saveMeasurements() {
    try {
      const csv = this.program.measurementsCsv();
      this.download(new Blob([csv], { type: 'text/csv' }), 'orvalde-measurements.csv', csv.split('\n', 1)[0]);
    } catch (error) {
      this.fail(OrvaldePage.Language.tr('Could not save the measurements: {error}', { error: error.message }));
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
      pace: () => this.program.paceLabel(),
      paused: () => this.program.paused(),
      panelVisible: () => this.panel.visible(),
      // The program's rectangles for the page: panel, bobs, buttons, key, status.
      layout: () => this.program.layout(),
      sweeping: () => this.panel.sweeping(),
      lastSave: () => this.lastSave,
      legendShown: () => !this.readable.legend.hidden,
      boldLines: () => this.program.m._orvalde_bold() === 1,
      status: () => this.readable.status.textContent,
    };
  }
};
