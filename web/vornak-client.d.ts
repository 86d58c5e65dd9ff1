// Types of vornak/client (web/vornak-client.mjs): the client of an engine in
// a worker, without the engine. The reference is web/vornak.d.ts.
export { bytesToText, createVornakWorker, textToBytes, version, VornakError } from './vornak.js';
export type * from './vornak.js';
