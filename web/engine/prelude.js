// Vornak's engine: lists PPG Wave banks and converts them between formats,
// with the same code and the same results as the vornak command-line tool.
// An ES module with the WebAssembly inside; see createVornak at the end.
//
// Under node an ES module has neither `require` nor `__dirname`, which the
// loader below looks for there; browsers never reach those lines.
let require, __dirname;
if (typeof process === 'object' && typeof process.versions === 'object' && process.versions.node) {
  const { createRequire } = await import('node:module');
  require = createRequire(import.meta.url);
  __dirname = new URL('.', import.meta.url).pathname;
}
/* engine-begin: a classic script from here to engine-end */
