'use strict';
// The page's one namespace, loaded before every other script of the page:
// each script adds itself to OrvaldePage. Nothing else is global but the
// catalogs (ORVALDE_CATALOGS), the module factory createOrvalde and the
// read-only view window.orvalde.
// eslint-disable-next-line no-unused-vars
const OrvaldePage = {};
