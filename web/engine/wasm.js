// The WebAssembly of the engine, compiled: the module's own (inline in the
// bundles, the file web/vornak.wasm in the sources), or one given to
// createVornak as its bytes, a URL or a compiled module. Each URL, and the
// module's own, is compiled once for all engines made here; a URL is
// compiled as it streams in where the platform can.
import { defaultWasm } from './wasm-default.js';

import { VornakError } from './errors.js';

// The bytes of a file: URL, read by node.
async function fileBytes(url) {
  const fs = globalThis.process?.getBuiltinModule?.('fs');
  if (!fs) throw new Error(`${url} cannot be read here: pass the WebAssembly's bytes`);
  return fs.promises.readFile(url);
}

async function compileUrl(url) {
  if (url.protocol === 'file:' && globalThis.process?.getBuiltinModule) return WebAssembly.compile(await fileBytes(url));
  const response = await fetch(url);
  if (!response.ok) throw new Error(`${url} answered ${response.status}`);
  // Streaming compilation needs the type a server gives WebAssembly.
  const streams = typeof WebAssembly.compileStreaming === 'function' &&
    /^application\/wasm\b/.test(response.headers.get('content-type') ?? '');
  return streams ? WebAssembly.compileStreaming(response) : WebAssembly.compile(await response.arrayBuffer());
}

const urlOf = (wasm) => (wasm instanceof URL ? wasm : new URL(wasm, globalThis.location?.href));

function compile(wasm) {
  if (wasm instanceof WebAssembly.Module) return Promise.resolve(wasm);
  if (wasm instanceof URL || typeof wasm === 'string') return compileUrl(urlOf(wasm));
  if (typeof wasm === 'function') return wasm().then(compile);
  const bytes = ArrayBuffer.isView(wasm) ? new Uint8Array(wasm.buffer, wasm.byteOffset, wasm.byteLength) : wasm;
  return WebAssembly.compile(bytes);
}

// A compiler that refuses bytes that are valid is forbidden to compile them
// (a Content-Security-Policy without 'wasm-unsafe-eval').
const compiled = new Map();
export function compileEngine(wasm) {
  if (typeof WebAssembly !== 'object') return Promise.reject(new VornakError('wasm-blocked', 'vornak: there is no WebAssembly here'));
  const key = wasm === undefined ? 'own' : wasm instanceof URL || typeof wasm === 'string' ? urlOf(wasm).href : null;
  if (key !== null && compiled.has(key)) return compiled.get(key);
  const made = compile(wasm === undefined ? defaultWasm : wasm).catch((error) => {
    compiled.delete(key);
    // The module's own WebAssembly is valid: it fails to compile only where
    // compiling is forbidden. One given may be no WebAssembly at all.
    const forbidden = error instanceof EvalError || (error instanceof WebAssembly.CompileError &&
      (wasm === undefined || /refused|blocked|unsafe-eval|security polic/i.test(error.message)));
    if (!forbidden) throw error;
    throw new VornakError('wasm-blocked', `vornak: WebAssembly may not be compiled here (${error.message}); a page with a ` +
      "Content-Security-Policy needs 'wasm-unsafe-eval' in script-src (and a worker's script, in its own policy)");
  });
  if (key !== null) compiled.set(key, made);
  return made;
}
