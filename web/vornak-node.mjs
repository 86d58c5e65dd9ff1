// Vornak's engine for node (web/vornak-node.mjs, the package's "node"
// condition): the module, whose engines in workers run in node's worker
// threads, so that bundles for browsers never meet a node module.
import { Worker } from 'node:worker_threads';

import { createVornakWorker as createWithWorker, vornakWorkerScript } from './vornak.mjs';

export * from './vornak.mjs';
export { default } from './vornak.mjs';

// An engine that runs in a worker thread: the same functions as
// createVornak's, answering promises.
export function createVornakWorker(options) {
  return createWithWorker(options, () => new Worker(vornakWorkerScript, { eval: true }));
}
// Made by web/build.mjs from web/engine/node.js.
