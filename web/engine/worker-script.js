// The script of the engine's worker (vornakWorkerScript): a browser's worker
// serves its global scope, node's worker thread its parentPort. web/build.mjs
// bundles it into one classic script, which the module keeps as text.
import { serveVornak } from './serve.js';

// In node, the module is asked of the process itself, so that the script
// runs alike as CommonJS and as an ES module (node --input-type=module).
if (typeof self !== 'undefined' && typeof self.postMessage === 'function') serveVornak(self);
else serveVornak(process.getBuiltinModule('worker_threads').parentPort);
