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
    files: ['eslint.config.js', 'tests/**/*.js'],
    languageOptions: { sourceType: 'commonjs', globals: globals.node },
  },
];
