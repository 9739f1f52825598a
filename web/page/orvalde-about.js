'use strict';
// "About Orvalde" in the page: name and version, copyright, licence and home
// page above the licence's text and the third-party notices, all read from
// the program. The dialog is built on first use.
class OrvaldeAbout {
  constructor(module) {
    this.module = module;
    this.dialog = null;
  }

  // 0 name, 1 version, 2 copyright, 3 licence's name, 4 licence's text,
  // 5 notices, 6 home page (as orvalde_about).
  field(n) { return this.module.UTF8ToString(this.module._orvalde_about(n)); }

  show() {
    if (!this.dialog) this.dialog = this.build();
    if (!this.dialog.open) this.dialog.showModal();
  }

  close() { if (this.dialog && this.dialog.open) this.dialog.close(); }

  build() {
    const element = (tag, text, props = {}) => Object.assign(document.createElement(tag), { textContent: text }, props);
    const dialog = document.createElement('dialog');
    dialog.id = 'about';
    dialog.setAttribute('aria-label', 'About ' + this.field(0));
    const homepage = this.field(6);
    const facts = document.createElement('p');
    facts.append(this.field(2), document.createElement('br'),
      'Released under the ' + this.field(3) + ' licence.', document.createElement('br'),
      element('a', homepage, { href: homepage, target: '_blank', rel: 'noopener' }));
    const close = document.createElement('form');
    close.method = 'dialog';
    close.appendChild(element('button', 'Close', { value: 'close' }));
    dialog.append(
      element('h1', this.field(0) + ' ' + this.field(1), { id: 'about-title' }), facts,
      element('h2', 'Licence'), element('pre', this.field(4)),
      element('h2', 'Third-party notices'), element('pre', this.field(5)), close);
    document.body.appendChild(dialog);
    return dialog;
  }
}
