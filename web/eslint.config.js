// ESLint over the page's scripts (scripts/check-quick.sh runs it). They are
// classic scripts sharing one namespace, OrvaldePage, declared by
// orvalde-namespace.js.
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
    // The catalogs the build generates from po/*.po.
    files: ['page/**/*.js'],
    languageOptions: { globals: { ORVALDE_CATALOGS: 'readonly' } },
  },
  {
    files: ['eslint.config.js', 'tests/**/*.js'],
    languageOptions: { sourceType: 'commonjs', globals: globals.node },
  },
];
