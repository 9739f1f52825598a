'use strict';
// Wires the page to the program: builds the buttons and the scroll bar, runs
// start-up on the window's inner size, paces the timers by animation frames
// and shows the program's messages as a modal dialog. After every call into
// the program the changed part of its image is copied into the canvas.
(function () {
  function fail(text) {
    const p = document.getElementById('failure');
    p.textContent = text;
    p.hidden = false;
  }

  if (typeof WebAssembly !== 'object' || typeof WebAssembly.instantiate !== 'function') {
    fail(OrvaldeLanguage.tr('Orvalde needs a browser that runs WebAssembly. Please open this page in a current ' +
      'browser, or allow WebAssembly for it.'));
    return;
  }
  if (typeof createOrvalde !== 'function') {
    fail(OrvaldeLanguage.tr('The program file orvalde.js could not be loaded. Keep it in the same folder as this ' +
      'page.'));
    return;
  }

  createOrvalde({
    print: (text) => console.log(text),
    printErr: (text) => console.error(text),
  }).then(run, (error) => fail(OrvaldeLanguage.tr('Orvalde could not start: {error}', { error })));

  function run(m) {
    const devicePixelRatio = window.devicePixelRatio || 1;
    const picture = new OrvaldeCanvas(m, document.getElementById('drawing'));
    const controls = document.getElementById('controls');
    const dialog = document.getElementById('message');
    const dialogText = document.getElementById('message-text');

    // Every user action and every frame goes through here; nothing acts while
    // the message dialog is open.
    function act(call) {
      if (dialog.open) return;
      call();
      refresh();
    }

    function refresh() {
      if (picture.fit(devicePixelRatio)) picture.copyAll();
      else picture.flush();
      bar.update({
        min: m._orvalde_bar(0), max: m._orvalde_bar(1), value: m._orvalde_bar(2), large: m._orvalde_bar(3),
        left: m._orvalde_bar(4), top: m._orvalde_bar(5), width: m._orvalde_bar(6), height: m._orvalde_bar(7),
      });
      const text = m.UTF8ToString(m._orvalde_message());
      if (text && !dialog.open) {
        dialogText.textContent = text;
        dialog.showModal();
      }
    }

    for (let i = 0; i < m._orvalde_button_count(); i++) {
      const number = m._orvalde_button(i, 0);
      const button = document.createElement('button');
      button.type = 'button';
      button.id = 'command' + number;
      button.textContent = m.UTF8ToString(m._orvalde_button_caption(i));
      button.style.left = m._orvalde_button(i, 1) + 'px';
      button.style.top = m._orvalde_button(i, 2) + 'px';
      button.style.width = m._orvalde_button(i, 3) + 'px';
      button.style.height = m._orvalde_button(i, 4) + 'px';
      button.addEventListener('click', () => act(() => m._orvalde_click(number)));
      controls.appendChild(button);
    }

    const bar = new OrvaldeScrollBar(controls, {
      arrow: (direction) => act(() => m._orvalde_scroll_arrow(direction)),
      page: (direction) => act(() => m._orvalde_scroll_page(direction)),
      release: (value) => act(() => m._orvalde_scroll_release(value)),
    });

    // OK, Escape or closing otherwise: the message has been seen.
    dialog.addEventListener('close', () => {
      m._orvalde_dismiss_message();
      refresh();
    });

    // The program speaks the page's language: its messages and the panel.
    function followLanguage(code) {
      for (let i = 0; i < m._orvalde_language_count(); i++) {
        if (m.UTF8ToString(m._orvalde_language_code(i)) === code) m._orvalde_set_language(i);
      }
    }
    followLanguage(OrvaldeLanguage.code());
    OrvaldeLanguage.onChange(followLanguage);

    m._orvalde_start(window.innerWidth, window.innerHeight, devicePixelRatio);
    refresh();
    const lesson = new OrvaldeLesson(m, { act, canvas: picture.canvas, controls, message: dialog });
    // "About Orvalde": about.show() is the action.
    const about = new OrvaldeAbout(m);

    window.addEventListener('resize', () => {
      m._orvalde_resize(window.innerWidth, window.innerHeight);
      refresh();
    });

    function frame(now) {
      if (!dialog.open && m._orvalde_frame(now) > 0) refresh();
      lesson.frame(now);
      requestAnimationFrame(frame);
    }
    requestAnimationFrame(frame);

    // Read-only view for tests and curious users.
    window.orvalde = Object.freeze({
      counters: () => Object.freeze({ cycloid: m._orvalde_counter(0), circular: m._orvalde_counter(1) }),
      language: () => OrvaldeLanguage.code(),
      // Switches the whole page at once; false for a language it does not speak.
      setLanguage: (code) => OrvaldeLanguage.switchTo(code),
      ...lesson.view(),
      showAbout: () => about.show(),
    });
  }
})();
