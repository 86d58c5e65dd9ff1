// The engine's WebAssembly as the bundles keep it: gzipped in base64,
// inflated by the platform's DecompressionStream (browsers, workers and node
// alike).
function fromBase64(base64) {
  if (typeof Uint8Array.fromBase64 === 'function') return Uint8Array.fromBase64(base64);
  const text = atob(base64);
  const bytes = new Uint8Array(text.length);
  for (let i = 0; i < text.length; i++) bytes[i] = text.charCodeAt(i);
  return bytes;
}

export function inflated(base64) {
  const bytes = fromBase64(base64);
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
