'use strict';
// Wires the page to the program: builds the buttons and the scroll bar, runs
// start-up on the window's inner size, paces the timers by animation frames,
// follows the device pixel ratio and shows the program's messages as a modal
// dialog. After every call into the program the changed part of its image is
// copied into the canvas.
(function () {
  function fail(text) {
    const p = document.getElementById('failure');
    p.textContent = text;
    p.hidden = false;
  }

  if (typeof WebAssembly !== 'object' || typeof WebAssembly.instantiate !== 'function') {
    fail(OrvaldePage.Language.tr('Orvalde needs a browser that runs WebAssembly. Please open this page in a current ' +
      'browser, or allow WebAssembly for it.'));
    return;
  }
  if (typeof createOrvalde !== 'function') {
    fail(OrvaldePage.Language.tr('The program file orvalde.js could not be loaded. Keep it in the same folder as this ' +
      'page.'));
    return;
  }

  createOrvalde({
    print: (text) => console.log(text),
    printErr: (text) => console.error(text),
  }).then(run, (error) => fail(OrvaldePage.Language.tr('Orvalde could not start: {error}', { error })));

  function run(module) {
    const program = new OrvaldePage.Program(module);
    const canvas = document.getElementById('drawing');
    const picture = new OrvaldePage.Canvas(program, canvas);
    const controls = document.getElementById('controls');
    const dialog = document.getElementById('message');
    const dialogText = document.getElementById('message-text');
    const description = document.getElementById('drawing-description');
    let ratio = window.devicePixelRatio || 1;

    // Every user action and every frame goes through here; nothing acts while
    // the message dialog is open.
    function act(call) {
      if (dialog.open) return;
      call();
      refresh();
    }

    function refresh() {
      if (picture.fit(ratio)) picture.copyAll();
      else picture.flush();
      bar.update(program.bar());
      const text = program.message();
      if (text && !dialog.open) {
        dialogText.textContent = text;
        dialog.showModal();
      }
    }

    for (const b of program.buttons()) {
      const button = document.createElement('button');
      button.type = 'button';
      button.id = 'command' + b.number;
      button.textContent = b.caption;
      button.style.left = b.left + 'px';
      button.style.top = b.top + 'px';
      button.style.width = b.width + 'px';
      button.style.height = b.height + 'px';
      button.addEventListener('click', () => act(() => program.click(b.number)));
      // As on the desktop, a click leaves the focus where the keyboard left it.
      button.addEventListener('mousedown', (e) => e.preventDefault());
      controls.appendChild(button);
    }

    const bar = new OrvaldePage.ScrollBar(controls, {
      arrow: (direction) => act(() => program.scrollArrow(direction)),
      page: (direction) => act(() => program.scrollPage(direction)),
      release: (value) => act(() => program.scrollRelease(value)),
      key: (key) => {
        let taken = false;
        act(() => { taken = program.scrollKey(key); });
        return taken;
      },
    }, OrvaldePage.Language.tr('Start position'));

    // OK, Escape or closing otherwise: the message has been seen.
    dialog.addEventListener('close', () => {
      program.dismissMessage();
      refresh();
    });

    // The program speaks the page's language: its messages and the panel.
    function followLanguage(code) {
      for (let i = 0; i < module._orvalde_language_count(); i++) {
        if (module.UTF8ToString(module._orvalde_language_code(i)) === code) module._orvalde_set_language(i);
      }
    }
    followLanguage(OrvaldePage.Language.code());
    OrvaldePage.Language.onChange(followLanguage);

    program.start(window.innerWidth, window.innerHeight, ratio);
    refresh();
    // "About Orvalde": about.show() is the action.
    const about = new OrvaldePage.About(module);
    const lesson = new OrvaldePage.Lesson(program, { act, canvas, controls, message: dialog, about });
    // The buttons' tooltips and the drawing's name, in the page's language;
    // registered after followLanguage, so that the program speaks it already.
    function translateControls() {
      for (const b of program.buttons()) document.getElementById('command' + b.number).title = b.help;
      bar.element.setAttribute('aria-label', OrvaldePage.Language.tr('Start position'));
      bar.update(program.bar());
      canvas.setAttribute('aria-label', program.drawingName());
    }
    translateControls();
    OrvaldePage.Language.onChange(translateControls);

    // The program places the panel for the new size; the page follows.
    window.addEventListener('resize', () => {
      program.resize(window.innerWidth, window.innerHeight);
      refresh();
      lesson.layOut();
    });

    // Zoom or another screen: one canvas pixel per device pixel again. The
    // media query tells most browsers at once; the frames catch the rest.
    function followPixelRatio() {
      const now = window.devicePixelRatio || 1;
      if (now === ratio) return;
      ratio = now;
      program.setPixelRatio(ratio);
      refresh();
    }
    function watchPixelRatio() {
      matchMedia('(resolution: ' + ratio + 'dppx)').addEventListener('change', () => {
        followPixelRatio();
        watchPixelRatio();
      }, { once: true });
    }
    watchPixelRatio();

    // Where the bobs are, for assistive technology: at most once a second,
    // and only a changed text.
    let described = -Infinity;
    function describe(now) {
      if (now - described < 1000) return;
      described = now;
      const text = program.describeDrawing();
      if (description.textContent !== text) description.textContent = text;
    }

    function frame(now) {
      followPixelRatio();
      if (!dialog.open && program.frame(now) > 0) refresh();
      lesson.frame(now);
      describe(now);
      requestAnimationFrame(frame);
    }
    requestAnimationFrame(frame);

    // Read-only view for tests and curious users.
    window.orvalde = Object.freeze({
      counters: () => program.counters(),
      language: () => OrvaldePage.Language.code(),
      // Switches the whole page at once; false for a language it does not speak.
      setLanguage: (code) => OrvaldePage.Language.switchTo(code),
      ...lesson.view(),
      showAbout: () => about.show(),
    });
  }
})();
