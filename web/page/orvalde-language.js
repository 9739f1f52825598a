'use strict';
// The page's language, held here and nowhere else: chosen from ?lang= (kept
// in the page's links) or the browser's languages, English otherwise. Texts
// are looked up by their English text in the catalogs the build generates
// from po/*.po (orvalde-catalog.js). Switching re-translates at once: the
// static texts marked data-msgid here, everything else through onChange.
OrvaldePage.Language = (() => {
  const catalogs = typeof ORVALDE_CATALOGS === 'object' ? ORVALDE_CATALOGS : {};
  const listeners = [];
  let code = 'en';

  function spoken(tag) {
    const primary = String(tag || '').toLowerCase().split(/[-_]/)[0];
    return primary === 'en' || primary in catalogs ? primary : null;
  }

  function choose() {
    const asked = spoken(new URLSearchParams(location.search).get('lang'));
    if (asked) return asked;
    for (const tag of navigator.languages || [navigator.language]) {
      const found = spoken(tag);
      if (found) return found;
    }
    return 'en';
  }

  function forms(key) {
    const catalog = catalogs[code];
    return catalog ? catalog.messages[key] : undefined;
  }

  // "{name}" replaced by values.name; unknown placeholders stay.
  function fill(text, values) {
    if (!values) return text;
    return text.replace(/\{([A-Za-z_][A-Za-z0-9_]*)\}/g, (whole, name) => (name in values ? String(values[name]) : whole));
  }

  function tr(msgid, values) {
    const found = forms(msgid);
    return fill(found ? found[0] : msgid, values);
  }

  function trc(context, msgid, values) {
    const found = forms(context + '\u0004' + msgid);
    return fill(found ? found[0] : msgid, values);
  }

  function trn(singular, plural, n, values) {
    const found = forms(singular);
    const text = found ? found[catalogs[code].plural(n)] || found[0] : (n === 1 ? singular : plural);
    return fill(text, Object.assign({ n }, values));
  }

  function keepInLinks() {
    for (const a of document.querySelectorAll('a[href]')) {
      const url = new URL(a.getAttribute('href'), location.href);
      if (url.origin !== location.origin && url.protocol !== 'file:') continue;
      url.searchParams.set('lang', code);
      a.href = url.href;
    }
  }

  function apply() {
    document.documentElement.lang = code;
    for (const element of document.querySelectorAll('[data-msgid]')) {
      if (!element.closest('noscript')) element.textContent = tr(element.dataset.msgid);
    }
    keepInLinks();
  }

  function switchTo(wanted) {
    const found = spoken(wanted);
    if (!found) return false;
    code = found;
    const url = new URL(location.href);
    if (url.searchParams.get('lang') !== code) {
      url.searchParams.set('lang', code);
      try {
        history.replaceState(history.state, '', url.href);
      } catch {
        // A page opened from a file may not change its address; links still carry it.
      }
    }
    apply();
    for (const listener of listeners) listener(code);
    return true;
  }

  code = choose();
  if (document.readyState === 'loading') document.addEventListener('DOMContentLoaded', apply);
  else apply();

  return Object.freeze({
    code: () => code,
    // The language's own name ("Ελληνικά"), for a choice of languages.
    name: (which) => {
      const catalog = catalogs[which];
      const found = catalog && catalog.messages['the language\'s own name\u0004English'];
      return found ? found[0] : 'English';
    },
    tr, trc, trn, fill, switchTo, keepInLinks,
    // listener(code) after every switch, to re-translate what it shows.
    onChange: (listener) => listeners.push(listener),
  });
})();
