// The WebAssembly of the engine: kept gzipped in base64, inflated by the
// platform's DecompressionStream (browsers, workers and node alike), and
// compiled once for all engines made here.
import { wasmGzipBase64 } from 'vornak:wasm';

import { VornakError } from './errors.js';

function fromBase64(base64) {
  if (typeof Uint8Array.fromBase64 === 'function') return Uint8Array.fromBase64(base64);
  const text = atob(base64);
  const bytes = new Uint8Array(text.length);
  for (let i = 0; i < text.length; i++) bytes[i] = text.charCodeAt(i);
  return bytes;
}

async function wasmBytes() {
  const bytes = fromBase64(wasmGzipBase64);
  // A stream of the bytes themselves: a Blob's stream would read them back
  // from the browser's store of blobs, in another process.
  const gzipped = new ReadableStream({
    start(controller) {
      controller.enqueue(bytes);
      controller.close();
    },
  });
  return new Response(gzipped.pipeThrough(new DecompressionStream('gzip'))).arrayBuffer();
}

// A compiler that refuses bytes that are valid is forbidden to compile them
// (a Content-Security-Policy without 'wasm-unsafe-eval').
let compiled = null;
export function compileEngine() {
  compiled ??= (async () => {
    if (typeof WebAssembly !== 'object') throw new EvalError('there is no WebAssembly');
    return WebAssembly.compile(await wasmBytes());
  })().catch((error) => {
    compiled = null;
    const refused = error instanceof EvalError || (typeof WebAssembly === 'object' && error instanceof WebAssembly.CompileError);
    if (!refused) throw error;
    throw new VornakError('wasm-blocked', `vornak: WebAssembly may not be compiled here (${error.message}); a page with a ` +
      "Content-Security-Policy needs 'wasm-unsafe-eval' in script-src (and a worker's script, in its own policy)");
  });
  return compiled;
}
