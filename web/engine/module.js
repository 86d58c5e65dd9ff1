// The module's interface (web/vornak.mjs): the engine on the calling thread,
// and in a worker that runs vornakWorkerScript. The types and their
// documentation are web/vornak.d.ts. Nothing here runs on import that a
// bundle needs when it uses only `version`.
import { connect, workerHint } from './client.js';
import { refuse, VornakError } from './errors.js';
import { vornakWorkerScript } from './worker-code.js';

export { version } from './version.js';
export { createVornak } from './engine.js';
export { VornakError } from './errors.js';
export { serveVornak } from './serve.js';
export { bytesToText, textToBytes } from './text.js';
export { vornakWorkerScript } from './worker-code.js';
export { createVornak as default } from './engine.js';

// (The node entry, node.js, passes `start`, which starts node's worker
// thread.) A browser's worker starts from a blob: URL of the script, given
// up once the worker has started or failed.
export function createVornakWorker(options, start) {
  let url = null;
  const blobWorker = () => {
    if (typeof Worker !== 'function') refuse('there are no Web Workers here: pass options.worker (in node, import the package by its name)');
    url = URL.createObjectURL(new Blob([vornakWorkerScript], { type: 'text/javascript' }));
    try {
      return new Worker(url);
    } catch (error) {
      throw new VornakError('worker-failed', `vornak: the engine's worker could not be started (${error.message}): ${workerHint}`);
    }
  };
  return connect(options, start ?? blobWorker).finally(() => url && URL.revokeObjectURL(url));
}
