// The worker's side of createVornakWorker: one engine, made by the first
// request; requests are answered one at a time, in order:
//   { id, call: 'start', options }                      -> { id, result: { formats, limits } }
//   { id, call, request, inputs }                       -> { id, result }
//     (run, describe, listing, convert, compose, disk: the request as JSON text,
//     the input bytes in the order it names them)
//   { id, call: 'similar', request, text }              -> { id, result }
//     (text: the sounds, or null for those of the last call)
//   { cancel: id }: a request not yet begun is dropped
// or { id, error: { name, code, message } }. An input above the engine's
// limit comes as { withheld: its length } (the caller keeps its bytes). The
// bytes of an answer are transferred.
import { buffersOf, Withheld } from './bytes.js';
import { createVornak, served } from './engine.js';
import { errorData, refuse, show, VornakError } from './errors.js';

// `port` is the worker's global scope (self), or node's parentPort.
export function serveVornak(port) {
  const listens = port && (typeof port.on === 'function' || typeof port.addEventListener === 'function');
  if (!listens || typeof port.postMessage !== 'function') {
    refuse(`serveVornak needs the worker's global scope (self) or node's parentPort, not ${show(port)}`);
  }
  let engine = null;
  const answer = (id, settle) => {
    try {
      const result = settle();
      port.postMessage({ id, result }, buffersOf(result));
    } catch (error) {
      port.postMessage({ id, error: errorData(error) });
    }
  };
  const perform = (request) => {
    if (!engine) throw new VornakError('worker-failed', `vornak: no such request: ${request.call}`);
    if (request.call === 'formats' || request.call === 'limits') return engine[request.call]();
    const inputs = (request.inputs ?? []).map((bytes) => (bytes instanceof Uint8Array ? bytes : new Withheld(bytes.withheld)));
    return engine[served](request.call, request.request, inputs, request.text ?? null);
  };

  // Requests wait here, and each is begun in a task of its own, so that a
  // cancellation sent after a request, while the one before it ran, is
  // read before it begins. A similar call that hands its sounds over is
  // never dropped: the calls after it search them.
  const waiting = [];
  const tick = new MessageChannel();
  let ticking = false;
  const next = () => {
    ticking = false;
    const request = waiting.shift();
    if (request) answer(request.id, () => perform(request));
    if (waiting.length) schedule();
  };
  const schedule = () => {
    if (ticking) return;
    ticking = true;
    tick.port2.postMessage(null);
  };
  if (typeof tick.port1.on === 'function') {
    tick.port1.on('message', next);
    tick.port1.unref();
  } else {
    tick.port1.onmessage = next;
  }

  const handle = (request) => {
    if (request === null || typeof request !== 'object') return;
    if (typeof request.cancel === 'number') {
      const at = waiting.findIndex((r) => r.id === request.cancel && !(r.call === 'similar' && r.text !== null));
      if (at >= 0) waiting.splice(at, 1);
      return;
    }
    if (typeof request.id !== 'number') return;
    if (request.call === 'start' && !engine) {
      createVornak(request.options).then((made) => {
        engine = made;
        answer(request.id, () => ({ formats: made.formats(), limits: made.limits() }));
      }, (error) => answer(request.id, () => {
        throw error;
      }));
      return;
    }
    waiting.push(request);
    schedule();
  };
  if (typeof port.on === 'function') port.on('message', handle);
  else port.addEventListener('message', (event) => handle(event.data));
}
