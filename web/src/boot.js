// The page's first script, in its head: it starts the engine's worker while
// the rest of the page is read, so that the engine is ready sooner. Its
// script (vornakWorkerScript, the engine and the WebAssembly inside) comes
// in this script alone; the page's modules take the worker started here
// and start the others they need (the second engine, or one after a failure)
// from the same script.
import script from 'vornak:worker-script';

globalThis.vornakWorkers = (() => {
  const url = URL.createObjectURL(new Blob([script], { type: 'text/javascript' }));
  let first = null;
  try {
    first = new Worker(url);
  } catch {
    // Said when the page asks for it (take), as the engine's client says it.
  }
  return {
    take() {
      const worker = first ?? new Worker(url);
      first = null;
      return worker;
    },
  };
})();
