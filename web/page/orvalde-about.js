'use strict';
// "About Orvalde" in the page: name and version, copyright, licence and home
// page above the licence's text and the third-party notices, all read from
// the program. The dialog is built on first use; its own words follow the
// language, the legal texts (class "as-written") stay as written.
OrvaldePage.About = class {
  constructor(module) {
    this.module = module;
    this.dialog = null;
    OrvaldePage.Language.onChange(() => this.translate());
  }

  // 0 name, 1 version, 2 copyright, 3 licence's name, 4 licence's text,
  // 5 notices, 6 home page (as orvalde_about).
  field(n) { return this.module.UTF8ToString(this.module._orvalde_about(n)); }

  // 0 title, 1 "Released under…", 2 licence heading, 3 notices heading,
  // 4 close, in the program's language (as orvalde_about_words).
  word(n) { return this.module.UTF8ToString(this.module._orvalde_about_words(n)); }

  show() {
    if (!this.dialog) this.dialog = this.build();
    if (!this.dialog.open) this.dialog.showModal();
  }

  close() { if (this.dialog && this.dialog.open) this.dialog.close(); }

  build() {
    const element = (tag, text, props = {}) => Object.assign(document.createElement(tag), { textContent: text }, props);
    const dialog = document.createElement('dialog');
    dialog.id = 'about';
    const homepage = this.field(6);
    const facts = document.createElement('p');
    this.released = document.createElement('span');
    facts.append(element('span', this.field(2), { className: 'as-written' }), document.createElement('br'),
      this.released, document.createElement('br'),
      element('a', homepage, { href: homepage, target: '_blank', rel: 'noopener', className: 'as-written' }));
    const close = document.createElement('form');
    close.method = 'dialog';
    this.closeButton = element('button', '', { value: 'close' });
    close.appendChild(this.closeButton);
    this.licenceHeading = document.createElement('h2');
    this.noticesHeading = document.createElement('h2');
    dialog.append(
      element('h1', this.field(0) + ' ' + this.field(1), { id: 'about-title' }), facts,
      this.licenceHeading, element('pre', this.field(4), { className: 'as-written' }),
      this.noticesHeading, element('pre', this.field(5), { className: 'as-written' }), close);
    document.body.appendChild(dialog);
    this.dialog = dialog;
    this.translate();
    return dialog;
  }

  translate() {
    if (!this.dialog) return;
    this.dialog.setAttribute('aria-label', this.word(0));
    this.released.textContent = this.word(1);
    this.licenceHeading.textContent = this.word(2);
    this.noticesHeading.textContent = this.word(3);
    this.closeButton.textContent = this.word(4);
  }
};
