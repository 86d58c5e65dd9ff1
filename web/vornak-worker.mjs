// A worker that runs Vornak's engine for createVornakWorker, for hosts that
// serve their workers as files (a Content-Security-Policy without blob: in
// worker-src), and the worker that vornak/client starts beside it. Start it
// as a module worker, with web/vornak.mjs served beside it, and hand it over:
//   createVornakWorker({ worker: new Worker(url, { type: 'module' }) })
import { serveVornak } from './vornak.mjs';

serveVornak(self);
