// The calling side of an engine in a worker (createVornakWorker): it carries
// no engine. Each call is checked here, by the engine's own rules and facts
// (the worker's formats and limits), before anything is sent; its bytes go
// with their whole buffer, copied or handed over (`transfer`). Node's worker
// threads keep the process alive only while a request waits for its answer.
// The worker's side is serve.js.
import { buffersOf, fileMap, withInputs } from './bytes.js';
import { checkCompose, checkConvert, checkDescribe, checkEngineOptions, checkListing, checkRun, checkSimilar } from './checks.js';
import { errorFrom, refuse, refusal, VornakError } from './errors.js';

const checks = { run: checkRun, describe: checkDescribe, compose: checkCompose, convert: checkConvert, listing: checkListing };

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
    const o = checkEngineOptions(options, ['inputLimit', 'worker', 'transfer', 'startTimeout']);
    if (o.transfer !== undefined && typeof o.transfer !== 'boolean') refuse(`transfer must be true or false, not ${typeof o.transfer}`);
    const timeout = o.startTimeout ?? 30_000;
    if (!(timeout === Infinity || (Number.isInteger(timeout) && timeout > 0 && timeout <= 2 ** 31 - 1))) {
      refuse('startTimeout must be a whole number of milliseconds from 1, or Infinity');
    }
    if (given !== undefined && (!given || typeof given.postMessage !== 'function' || typeof given.terminate !== 'function')) {
      refuse('options.worker must be a Worker that serves the engine (vornak/worker, or vornakWorkerScript)');
    }
    worker ??= start();
    return connectWorker(worker, { inputLimit: o.inputLimit, transfer: o.transfer === true, timeout });
  } catch (error) {
    if (typeof worker?.terminate === 'function') worker.terminate();
    return Promise.reject(error);
  }
}

function connectWorker(worker, { inputLimit, transfer, timeout }) {
  const pending = new Map();
  let next = 0;
  let stopped = null;
  let facts = null;
  const thread = typeof worker.on === 'function' && typeof worker.ref === 'function';
  const hold = (busy) => thread && (busy ? worker.ref() : worker.unref());

  function settle({ id, result, error }) {
    const request = pending.get(id);
    if (!request) return;
    pending.delete(id);
    if (pending.size === 0) hold(false);
    if (error) request.reject(errorFrom(error));
    else request.resolve(result);
  }

  function stop(error) {
    if (stopped) return;
    stopped = error;
    worker.terminate();
    for (const request of pending.values()) request.reject(error);
    pending.clear();
  }

  const failed = (why) => stop(new VornakError('worker-failed', `vornak: the engine's worker stopped: ${why}`));
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

  function send(message) {
    const id = ++next;
    return new Promise((resolve, reject) => {
      pending.set(id, { resolve, reject });
      hold(true);
      try {
        worker.postMessage({ id, ...message }, transfer ? buffersOf(message) : []);
      } catch (error) {
        pending.delete(id);
        if (pending.size === 0) hold(false);
        reject(refusal(`what was given cannot be sent to the worker (${error.message})`));
      }
    });
  }

  // The bytes of a call as they cross: a view of a part of a buffer as a copy
  // of its own bytes, so that nothing beside them is copied or taken from
  // the caller (a node Buffer is often such a view of a shared pool); an
  // input above the engine's limit not at all, only its length, since the
  // engine answers it by that alone.
  const crossing = (message) => withInputs(message, (bytes) => {
    if (bytes.length > facts.limits.inputLimit) return { withheld: bytes.length };
    const whole = bytes.byteOffset === 0 && bytes.byteLength === bytes.buffer.byteLength;
    return whole ? bytes : Uint8Array.prototype.slice.call(bytes);
  });

  // A call checked by the engine's own rules, whether the engine runs or
  // not: the message to send, or a throw.
  const checked = (name, ...args) => {
    const message = { call: name, ...checks[name](facts, ...args).message };
    if (stopped) throw stopped;
    return message;
  };
  const call = (name, ...args) => {
    try {
      return send(crossing(checked(name, ...args)));
    } catch (error) {
      return Promise.reject(error);
    }
  };

  let lastSounds = null;
  const remote = {
    run: (args, files) => call('run', args, files).then((result) => {
      // A worker's answer has lost the files' object without a prototype.
      result.files = fileMap(Object.entries(result.files));
      return result;
    }),
    describe: (name, bytes, options) => call('describe', name, bytes, options),
    listing: (name, bytes, options) => call('listing', name, bytes, options),
    // The worker's formats and limits came with its start: answered here,
    // as copies, without a round trip.
    formats: () => (stopped ? Promise.reject(stopped) : Promise.resolve(structuredClone(facts.formats))),
    limits: () => (stopped ? Promise.reject(stopped) : Promise.resolve(structuredClone(facts.limits))),
    compose: (request) => call('compose', request),
    convert: (bytes, options) => call('convert', bytes, options),
    // The sounds cross to the worker only when they are not those sent last:
    // both sides keep the last list, in the order the calls are sent.
    similar: (sound, sounds, options) => {
      let message;
      try {
        message = { call: 'similar', ...checkSimilar(facts, sound, sounds, options, lastSounds).message };
        if (stopped) throw stopped;
      } catch (error) {
        return Promise.reject(error);
      }
      if (message.sounds !== null) lastSounds = typeof sounds === 'string' ? sounds : sounds.slice();
      // After a failure the next call sends its sounds again, whatever the
      // worker kept.
      return send(message).catch((error) => {
        lastSounds = null;
        throw error;
      });
    },
    dispose: () => stop(new VornakError('disposed', 'vornak: the engine was disposed')),
  };

  let timer = null;
  const started = send({ call: 'start', options: inputLimit === undefined ? {} : { inputLimit } });
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
