// A worker thread that runs Vornak's engine for createVornakWorker in node:
//   createVornakWorker({ worker: new Worker(new URL(import.meta.resolve('vornak/worker'))) })
import { parentPort } from 'node:worker_threads';

import { serveVornak } from './vornak.mjs';

serveVornak(parentPort);
