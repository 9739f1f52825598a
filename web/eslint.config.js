// ESLint over the page's scripts (scripts/check-quick.sh runs it). They are
// classic scripts sharing one namespace, OrvaldePage, declared by
// orvalde-program.js.
'use strict';
const js = require('@eslint/js');
const globals = require('globals');

module.exports = [
  js.configs.recommended,
  {
    files: ['page/**/*.js'],
    languageOptions: {
      ecmaVersion: 2022,
      sourceType: 'script',
      globals: { ...globals.browser, createOrvalde: 'readonly', OrvaldePage: 'writable' },
    },
    rules: {
      'no-var': 'error',
      'prefer-const': 'error',
      eqeqeq: 'error',
      'no-implicit-globals': 'error',
      'no-redeclare': ['error', { builtinGlobals: false }],
    },
  },
  {
    // The translations, the key and status line, About and the laboratory
    // still define globals of their own beside OrvaldePage.
    files: ['page/**/*.js'],
    languageOptions: {
      globals: {
        ORVALDE_CATALOGS: 'readonly', OrvaldeLanguage: 'writable', OrvaldeReadable: 'writable',
        OrvaldeAbout: 'writable', OrvaldeSweepTable: 'writable', drawLabScene: 'writable',
        LabLayersView: 'writable',
      },
    },
    rules: { 'no-implicit-globals': 'off', 'no-unused-vars': ['error', { vars: 'local', caughtErrors: 'none' }] },
  },
  {
    files: ['eslint.config.js', 'tests/**/*.js'],
    languageOptions: { sourceType: 'commonjs', globals: globals.node },
  },
];
