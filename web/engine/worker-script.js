// The script of the engine's worker (vornakWorkerScript): a browser's worker
// serves its global scope, node's worker thread its parentPort. web/build.mjs
// bundles it into one classic script, which the module keeps as text.
import { serveVornak } from './serve.js';

if (typeof self !== 'undefined' && typeof self.postMessage === 'function') serveVornak(self);
else import('node:worker_threads').then(({ parentPort }) => serveVornak(parentPort));
