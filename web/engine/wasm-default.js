// The engine's own WebAssembly: in the sources, the file web/vornak.wasm
// beside them (a URL, or a function that answers its bytes); web/build.mjs
// puts the bytes themselves, gzipped, in its place in the bundles.
export const defaultWasm = /* @__PURE__ */ new URL('../vornak.wasm', import.meta.url);
