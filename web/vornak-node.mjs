// Vornak's engine for node: web/vornak.mjs, whose engines in workers run in
// node's worker threads. The package's "node" condition names this file, so
// that bundles for browsers never meet a node module.
import { Worker } from 'node:worker_threads';

import { createVornakWorker as createWithWorker, vornakWorkerScript } from './vornak.mjs';

export * from './vornak.mjs';
export { default } from './vornak.mjs';

/**
 * Creates an engine that runs in a worker thread: the same functions as
 * createVornak's, answering promises. See web/vornak.mjs.
 * @param {import('./vornak').VornakWorkerOptions} [options]
 * @returns {Promise<import('./vornak').VornakWorker>}
 */
export function createVornakWorker(options) {
  return createWithWorker(options, () => new Worker(vornakWorkerScript, { eval: true }));
}
