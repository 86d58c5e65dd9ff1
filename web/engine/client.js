// The calling side of an engine in a worker (createVornakWorker): it carries
// no engine. Each call is packaged here as the engine on the calling thread
// packages it (request.js), then the worker's engine reads and checks it;
// its bytes go with their whole buffer, copied or handed over (`transfer`).
// A call whose signal is aborted is rejected at once, and the worker drops
// it if it has not begun it. Node's worker threads keep the process alive
// only while a request waits for its answer. The worker's side is
// serve.js.
import { buffersOf, fileMap } from './bytes.js';
import { aborted, errorFrom, refuse, refusal, VornakError } from './errors.js';
import { calls, checkEngineOptions, similarCall } from './request.js';

// What a worker's failure to start says to try.
export const workerHint = 'start it from the package\'s worker file (vornak/worker) and pass it as options.worker, or ' +
  'allow blob: in the worker-src of the Content-Security-Policy';

// An engine in a worker: the worker given in the options, or the one
// `start` starts. A worker given is the engine's from then on, also when the
// options are refused.
export function connect(options, start) {
  const given = options !== null && typeof options === 'object' ? options.worker : undefined;
  let worker = given;
  try {
    const o = checkEngineOptions(options, ['inputLimit', 'wasm', 'worker', 'transfer', 'startTimeout']);
    if (o.transfer !== undefined && typeof o.transfer !== 'boolean') refuse(`transfer must be true or false, not ${typeof o.transfer}`);
    const timeout = o.startTimeout ?? 30_000;
    if (!(timeout === Infinity || (Number.isInteger(timeout) && timeout > 0 && timeout <= 2 ** 31 - 1))) {
      refuse('startTimeout must be a whole number of milliseconds from 1, or Infinity');
    }
    if (given !== undefined && (!given || typeof given.postMessage !== 'function' || typeof given.terminate !== 'function')) {
      refuse('options.worker must be a Worker that serves the engine (vornak/worker, or vornakWorkerScript)');
    }
    worker ??= start();
    // A URL crosses to the worker as its text, resolved here.
    const wasm = o.wasm instanceof URL || typeof o.wasm === 'string' ? new URL(o.wasm, globalThis.location?.href).href : o.wasm;
    const engineOptions = Object.fromEntries(Object.entries({ inputLimit: o.inputLimit, wasm }).filter(([, v]) => v !== undefined));
    return connectWorker(worker, { engineOptions, transfer: o.transfer === true, timeout });
  } catch (error) {
    if (typeof worker?.terminate === 'function') worker.terminate();
    return Promise.reject(error);
  }
}

function connectWorker(worker, { engineOptions, transfer, timeout }) {
  const pending = new Map();
  let next = 0;
  let stopped = null;
  let facts = null;
  const thread = typeof worker.on === 'function' && typeof worker.ref === 'function';
  const hold = (busy) => thread && (busy ? worker.ref() : worker.unref());

  const done = (id) => {
    const request = pending.get(id);
    if (!request) return null;
    pending.delete(id);
    request.signal?.removeEventListener('abort', request.onAbort);
    if (pending.size === 0) hold(false);
    return request;
  };

  function settle({ id, result, error }) {
    const request = done(id);
    if (!request) return;
    if (error) request.reject(errorFrom(error));
    else request.resolve(result);
  }

  // The worker itself ends (here, or by whoever holds it: a page ending it
  // with terminate() learns nothing from the browser).
  const terminate = worker.terminate;
  function stop(error) {
    if (stopped) return;
    stopped = error;
    terminate.call(worker);
    for (const id of [...pending.keys()]) done(id).reject(error);
  }
  const failed = (why) => stop(new VornakError('worker-failed', `vornak: the engine's worker stopped: ${why}`));
  try {
    worker.terminate = function terminated(...args) {
      const ended = terminate.apply(this, args);
      failed('it was terminated');
      return ended;
    };
  } catch {
    // A worker that cannot be watched so is still watched for its end by node.
  }
  if (thread) {
    worker.on('message', settle);
    worker.on('error', (error) => failed(error.message));
    worker.on('exit', (code) => failed(`it ended with code ${code}`));
    hold(false);
  } else {
    worker.addEventListener('message', (event) => settle(event.data));
    worker.addEventListener('error', (event) => {
      event.preventDefault();
      failed(`${event.message || 'its script could not be run'} (${workerHint})`);
    });
    worker.addEventListener('messageerror', () => failed('an answer could not be read'));
  }

  function send(message, signal = null) {
    if (stopped) return Promise.reject(stopped);
    if (signal?.aborted) return Promise.reject(aborted(signal));
    const id = ++next;
    return new Promise((resolve, reject) => {
      const onAbort = () => {
        if (!done(id)) return;
        reject(aborted(signal));
        worker.postMessage({ cancel: id });
      };
      pending.set(id, { resolve, reject, signal, onAbort });
      signal?.addEventListener('abort', onAbort, { once: true });
      hold(true);
      try {
        worker.postMessage({ id, ...message }, transfer ? buffersOf(message) : []);
      } catch (error) {
        done(id);
        reject(refusal(`what was given cannot be sent to the worker (${error.message})`));
      }
    });
  }

  // The bytes of a call as they cross: a view of a part of a buffer as a copy
  // of its own bytes, so that nothing beside them is copied or taken from
  // the caller (a node Buffer is often such a view of a shared pool); an
  // input above the engine's limit not at all, only its length, since the
  // engine answers it by that alone.
  const crossing = (inputs) => inputs.map((bytes) => {
    if (bytes.length > facts.limits.inputLimit) return { withheld: bytes.length };
    const whole = bytes.byteOffset === 0 && bytes.byteLength === bytes.buffer.byteLength;
    return whole ? bytes : Uint8Array.prototype.slice.call(bytes);
  });

  // A call packaged as the engine packages it, whether the engine runs or
  // not; its mistakes are rejected before anything is sent.
  const call = (name, ...args) => {
    try {
      if (stopped) throw stopped;
      const c = calls[name](...args);
      return send({ call: name, request: c.request, inputs: crossing(c.inputs) }, c.signal);
    } catch (error) {
      return Promise.reject(error);
    }
  };
  // The worker's formats and limits came with its start: answered here,
  // as copies, without a round trip.
  const fact = (name, options) => {
    try {
      if (stopped) throw stopped;
      const { signal } = calls[name](options);
      if (signal?.aborted) throw aborted(signal);
      return Promise.resolve(structuredClone(facts[name]));
    } catch (error) {
      return Promise.reject(error);
    }
  };

  let lastSounds = null;
  const remote = {
    run: (...args) => call('run', ...args).then((result) => {
      // A worker's answer has lost the files' object without a prototype.
      result.files = fileMap(Object.entries(result.files));
      return result;
    }),
    describe: (...args) => call('describe', ...args),
    listing: (...args) => call('listing', ...args),
    formats: (options) => fact('formats', options),
    limits: (options) => fact('limits', options),
    compose: (...args) => call('compose', ...args),
    convert: (...args) => call('convert', ...args),
    disk: (...args) => call('disk', ...args),
    // The sounds cross to the worker only when they are not those sent last:
    // both sides keep the last list, in the order the calls are sent.
    similar: (sound, sounds, options) => {
      let c;
      try {
        if (stopped) throw stopped;
        c = similarCall(sound, sounds, options, lastSounds);
      } catch (error) {
        return Promise.reject(error);
      }
      if (c.text !== null) lastSounds = c.keep;
      // After a failure the next call sends its sounds again, whatever the
      // worker kept.
      return send({ call: 'similar', request: c.request, text: c.text }, c.signal).catch((error) => {
        lastSounds = null;
        throw error;
      });
    },
    dispose: () => stop(new VornakError('disposed', 'vornak: the engine was disposed')),
  };

  let timer = null;
  const started = send({ call: 'start', options: engineOptions });
  if (timeout !== Infinity) {
    timer = setTimeout(() => stop(new VornakError('worker-timeout', 'vornak: the engine\'s worker did not start within ' +
      `${timeout} ms: is it a worker that serves the engine (vornak/worker, or vornakWorkerScript)?`)), timeout);
  }
  return started.then(
    (answer) => {
      clearTimeout(timer);
      facts = answer;
      return remote;
    },
    (error) => {
      clearTimeout(timer);
      stop(error);
      throw error;
    },
  );
}
