// The worker's side of createVornakWorker: one engine, made by the first
// request; requests are answered in order:
//   { id, call: 'start', options }                    -> { id, result: { formats, limits } }
//   { id, call: 'run', args, files }                  -> { id, result }
//   { id, call: 'describe', name, bytes, options }    -> { id, result }
//   { id, call: 'formats' } and { id, call: 'limits' } -> { id, result }
//   { id, call: 'compose', request }                  -> { id, result }
//   { id, call: 'convert', bytes, options }           -> { id, result }
//   { id, call: 'listing', name, bytes, options }     -> { id, result }
//   { id, call: 'similar', sound, sounds, options }   -> { id, result }
//     (sounds null: those of the last call)
// or { id, error: { name, code, message } }. An input above the engine's
// limit comes as { withheld: its length } (the caller keeps its bytes). The
// bytes of an answer are transferred.
import { buffersOf, withInputs, Withheld } from './bytes.js';
import { createVornak } from './engine.js';
import { errorData, refuse, show, VornakError } from './errors.js';

// `port` is the worker's global scope (self), or node's parentPort.
export function serveVornak(port) {
  const listens = port && (typeof port.on === 'function' || typeof port.addEventListener === 'function');
  if (!listens || typeof port.postMessage !== 'function') {
    refuse(`serveVornak needs the worker's global scope (self) or node's parentPort, not ${show(port)}`);
  }
  let engine = null;
  let lastSounds = [];
  const answer = (id, settle) => {
    try {
      const result = settle();
      port.postMessage({ id, result }, buffersOf(result));
    } catch (error) {
      port.postMessage({ id, error: errorData(error) });
    }
  };
  const calls = {
    run: (r) => engine.run(r.args, r.files),
    describe: (r) => engine.describe(r.name, r.bytes, r.options),
    formats: () => engine.formats(),
    limits: () => engine.limits(),
    compose: (r) => engine.compose(r.request),
    convert: (r) => engine.convert(r.bytes, r.options),
    listing: (r) => engine.listing(r.name, r.bytes, r.options),
    similar: (r) => {
      if (r.sounds !== null) lastSounds = r.sounds;
      return engine.similar(r.sound, lastSounds, r.options);
    },
  };
  const handle = (request) => {
    if (request === null || typeof request !== 'object' || typeof request.id !== 'number') return;
    if (request.call === 'start' && !engine) {
      createVornak(request.options).then((made) => {
        engine = made;
        answer(request.id, () => ({ formats: made.formats(), limits: made.limits() }));
      }, (error) => answer(request.id, () => {
        throw error;
      }));
      return;
    }
    answer(request.id, () => {
      if (!engine || !Object.hasOwn(calls, request.call)) throw new VornakError('worker-failed', `vornak: no such request: ${request.call}`);
      return calls[request.call](withInputs(request, (bytes) => (bytes instanceof Uint8Array ? bytes : new Withheld(bytes.withheld))));
    });
  };
  if (typeof port.on === 'function') port.on('message', handle);
  else port.addEventListener('message', (event) => handle(event.data));
}
