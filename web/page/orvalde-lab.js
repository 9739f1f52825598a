'use strict';
// Binds lab.html to the laboratory in the program: the set-up from the URL,
// the canvases drawn from the core's scene whenever it changed (the still
// layer only when it did), the pointer and keys, the controls and the
// arrival table. Every decision is the core's.
(function () {
  const $ = (id) => document.getElementById(id);
  function fail(text) {
    $('failure').textContent = text;
    $('failure').hidden = false;
  }
  const language = OrvaldePage.Language;
  if (typeof WebAssembly !== 'object' || typeof createOrvalde !== 'function') {
    fail(language.tr('Orvalde needs a browser that runs WebAssembly. Please open this page in a current ' +
      'browser, or allow WebAssembly for it.'));
    return;
  }
  createOrvalde({ print: (t) => console.log(t), printErr: (t) => console.error(t) })
    .then(run, (error) => fail(language.tr('Orvalde could not start: {error}', { error })));

  // Keys in the core's order.
  const KEYS = { ArrowUp: 0, ArrowDown: 1, ArrowLeft: 2, ArrowRight: 3, ' ': 4, s: 5, S: 5, r: 6, R: 6, e: 7, E: 7,
    1: 8, 2: 9, 3: 10, 4: 11 };

  function run(m) {
    const text = (pointer) => m.UTF8ToString(pointer);
    const canvas = $('lab-canvas');
    // The program speaks the page's language: the texts below, the scene, the table.
    function followLanguage(code) {
      for (let i = 0; i < m._orvalde_language_count(); i++) {
        if (text(m._orvalde_language_code(i)) === code) m._orvalde_set_language(i);
      }
    }
    followLanguage(language.code());
    let t = null;
    let state = null;
    let shown = -1;

    const query = new TextEncoder().encode(location.search.replace(/^\?/, ''));
    m.HEAPU8.set(query, m._orvalde_lab_input(query.length));
    const messages = text(m._orvalde_lab_start(canvas.clientWidth, canvas.clientHeight));
    const view = new OrvaldePage.LabLayersView(m, $('lab-background'), canvas);
    say(messages);

    function say(message) {
      $('lab-message').textContent = message;
      $('lab-message').hidden = !message;
    }

    // Texts, presets and paces from the core, again after a switch.
    function showTexts() {
      t = JSON.parse(text(m._orvalde_lab_texts()));
      document.title = t.title;
      for (const [id, key] of [['release', 'release'], ['step', 'step'], ['reset', 'reset'], ['even', 'even'],
        ['reveal', 'reveal'], ['copy-link', 'copyLink'], ['pace-label', 'pace'], ['gravity-label', 'gravity'],
        ['length-label', 'length'], ['mass-label', 'mass'], ['damping-label', 'damping'], ['lab-help', 'help'],
        ['to-apparatus', 'toApparatus']]) {
        $(id).textContent = t[key];
      }
      $('link').setAttribute('aria-label', t.link);
      $('pace').length = 0;
      t.paces.forEach((label, i) => $('pace').add(new Option(label, i)));
      $('gravity').length = 0;
      t.presets.forEach(([name, g]) => $('gravity').add(new Option(name, g)));
      $('gravity').add(new Option(t.planetX, 'x'));
      $('gravity').selectedIndex = -1;
      const head = $('arrivals').tHead.rows[0];
      head.textContent = '';
      for (const key of ['track', 'bob', 'height', 'arrival', 'theory']) {
        const th = document.createElement('th');
        th.textContent = t[key];
        head.appendChild(th);
      }
    }
    showTexts();
    language.onChange((code) => {
      followLanguage(code);
      m._orvalde_lab_language_changed();
      showTexts();
      say('');
      shown = -1;
      update();
    });

    function fit() {
      const ratio = window.devicePixelRatio || 1;
      const w = canvas.clientWidth, h = canvas.clientHeight;
      view.fit(w, h, ratio);
      m._orvalde_lab_view(w, h);
    }

    function update() {
      const revision = m._orvalde_lab_revision();
      if (revision === shown) return;
      shown = revision;
      view.draw();
      state = JSON.parse(text(m._orvalde_lab_state()));
      $('release').disabled = state.released;
      $('pause').textContent = state.paused ? t.resume : t.pause;
      $('pace').value = String(state.pace);
      $('reveal').hidden = !state.gravityHidden;
      $('gravity-value').textContent = state.gravityText;
      const preset = t.presets.findIndex(([, g]) => g === state.g);
      $('gravity').selectedIndex = state.gravityHidden ? t.presets.length : preset;
      for (const id of ['length', 'mass', 'damping']) {
        if (document.activeElement !== $(id)) $(id).value = state[id];
      }
      const body = $('arrivals').tBodies[0];
      while (body.rows.length > state.rows.length) body.deleteRow(-1);
      state.rows.forEach((cells, r) => {
        const row = body.rows[r] || body.insertRow();
        cells.forEach((cell, c) => {
          const td = row.cells[c] || row.insertCell();
          if (td.textContent !== cell) td.textContent = cell;
        });
      });
      $('spread').textContent = state.spread.length ? state.spread.join('\n') : state.status;
    }

    // Buttons act, then give the keys back to the race.
    function button(id, action) {
      $(id).addEventListener('click', () => {
        action();
        update();
        canvas.focus();
      });
    }
    button('release', () => m._orvalde_lab_action(0));
    button('pause', () => m._orvalde_lab_action(1));
    button('step', () => m._orvalde_lab_action(2));
    button('reset', () => m._orvalde_lab_action(3));
    button('even', () => m._orvalde_lab_action(4));
    button('reveal', () => m._orvalde_lab_action(5));
    button('copy-link', () => {
      // The set-up, and the language if the page was asked for one.
      const asked = new URLSearchParams(location.search).get('lang');
      const link = location.href.replace(/[?#].*$/, '') + '?' + state.query +
        (asked ? '&lang=' + encodeURIComponent(language.code()) : '');
      $('link').value = link;
      const done = () => say(t.copied);
      if (navigator.clipboard && window.isSecureContext) navigator.clipboard.writeText(link).then(done, () => {});
      else {
        $('link').select();
        if (document.execCommand('copy')) done();
      }
    });
    $('pace').addEventListener('change', () => {
      m._orvalde_lab_set_pace(Number($('pace').value));
      update();
    });
    $('gravity').addEventListener('change', () => {
      const value = $('gravity').value;
      if (value === 'x') {
        m._orvalde_lab_planet_x(Math.random());
        say('');
      } else {
        say(text(m._orvalde_lab_set(Number(value), NaN, NaN, NaN)));
      }
      update();
    });
    for (const [id, index] of [['length', 1], ['mass', 2], ['damping', 3]]) {
      $(id).addEventListener('change', () => {
        const v = [NaN, NaN, NaN, NaN];
        v[index] = $(id).value === '' ? -1 : Number($(id).value);
        say(text(m._orvalde_lab_set(...v)));
        update();
      });
    }

    document.addEventListener('keydown', (e) => {
      const tag = e.target.tagName;
      if (tag === 'INPUT' || tag === 'SELECT' || e.ctrlKey || e.altKey || e.metaKey) return;
      const key = KEYS[e.key];
      if (key === undefined) return;
      e.preventDefault();
      m._orvalde_lab_key(key);
      update();
    });

    canvas.addEventListener('pointerdown', (e) => {
      canvas.focus();
      if (m._orvalde_lab_pointer(0, e.offsetX, e.offsetY)) {
        canvas.setPointerCapture(e.pointerId);
        update();
      }
    });
    canvas.addEventListener('pointermove', (e) => {
      if (m._orvalde_lab_pointer(1, e.offsetX, e.offsetY)) update();
    });
    for (const type of ['pointerup', 'pointercancel']) {
      canvas.addEventListener(type, () => {
        m._orvalde_lab_pointer(2, 0, 0);
        update();
      });
    }

    window.addEventListener('resize', () => {
      fit();
      update();
    });
    fit();
    update();
    function frame(now) {
      m._orvalde_lab_frame(now / 1000);
      update();
      requestAnimationFrame(frame);
    }
    requestAnimationFrame(frame);

    // Read-only view for tests and curious users.
    window.orvaldeLab = Object.freeze({
      state: () => JSON.parse(text(m._orvalde_lab_state())),
      scene: () => JSON.parse(text(m._orvalde_lab_scene())),
      differenceFromRedraw: () => view.differenceFromRedraw(),
    });
  }
})();
