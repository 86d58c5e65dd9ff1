// The client of an engine in a worker (web/vornak-client.mjs, the package's
// vornak/client), for pages that run the engine only in a worker: it carries
// no engine. Without options.worker it starts the package's worker file
// beside it (vornak-worker.mjs, a module worker that imports vornak.mjs).
// The types are web/vornak-client.d.ts.
import { connect, workerHint } from './client.js';
import { refuse, VornakError } from './errors.js';

export { version } from './version.js';
export { VornakError } from './errors.js';
export { bytesToText, textToBytes } from './text.js';

function fileWorker() {
  if (typeof Worker !== 'function') refuse('there are no Web Workers here: pass options.worker');
  try {
    return new Worker(new URL('./vornak-worker.mjs', import.meta.url), { type: 'module' });
  } catch (error) {
    throw new VornakError('worker-failed', `vornak: the engine's worker could not be started (${error.message}): ${workerHint}`);
  }
}

export function createVornakWorker(options) {
  return connect(options, fileWorker);
}
