// ---- The module's interface -------------------------------------------------
// web/vornak.mjs ends with this file, after the function vornakEngineCode
// that holds the engine's classic part (web/engine/api.js); web/build.mjs
// fills in the version from CMakeLists.txt. The types are in web/vornak.d.ts,
// the reference in the README ("The engine's interface"). Nothing here runs
// on import that a bundle needs when it uses only `version`.

const engine = /* @__PURE__ */ vornakEngineCode();

/** The tool's version, as its banner prints it (also the module vornak/version). */
export const version = '{{version}}';

/**
 * The class of every error the engine throws; `code` says which it is. The
 * caller's mistakes are TypeErrors (code "bad-option") that are VornakErrors
 * too.
 */
export const VornakError = /* @__PURE__ */ (() => engine.VornakError)();

/**
 * Creates an engine that runs on the calling thread.
 * @param {{ inputLimit?: number }} [options] `inputLimit`: the most bytes an
 *     input file may hold (default 1 GiB, what the tool allows a pipe).
 * @returns {Promise<import('./vornak').Vornak>}
 */
export function createVornak(options) {
  return engine.createVornak(options);
}

/**
 * Decodes bytes the engine prints or a bank holds by the engine's text rule:
 * one character for each byte, by the windows-1252 table.
 * @param {Uint8Array | ArrayBuffer | ArrayBufferView} bytes
 * @returns {string}
 */
export function bytesToText(bytes) {
  return engine.bytesToText(bytes);
}

/**
 * Gives back the bytes of text made by bytesToText (a RangeError for a
 * character that stands for no byte).
 * @param {string} text
 * @returns {Uint8Array}
 */
export function textToBytes(text) {
  return engine.textToBytes(text);
}

/**
 * Answers the requests of createVornakWorker in a worker: the worker's
 * global scope (self) in a browser, node's parentPort in a worker thread.
 * The package's worker files (vornak/worker) call it.
 * @param {object} port
 */
export function serveVornak(port) {
  engine.serve(port);
}

/**
 * The script that runs an engine in a worker, as a classic script: in a
 * browser's Worker, or in node's worker thread (new Worker(script,
 * { eval: true })).
 * @type {string}
 */
export const vornakWorkerScript = /* @__PURE__ */ workerScript();

function workerScript() {
  return `(${vornakEngineCode})().serve(typeof self !== 'undefined' && typeof self.postMessage === 'function' ? self ` +
    `: require('worker_threads').parentPort);\n`;
}

const hint = 'start it from the package\'s worker file (vornak/worker) and pass it as options.worker, or allow blob: in the ' +
  'worker-src of the Content-Security-Policy';

/**
 * Creates an engine that runs in a worker: the same functions, answering
 * promises, and the calling thread is never blocked. (The package's node
 * entry passes `startWorker`, which starts node's worker thread.)
 * @param {import('./vornak').VornakWorkerOptions} [options]
 * @returns {Promise<import('./vornak').VornakWorker>}
 */
export function createVornakWorker(options, startWorker) {
  // A worker given is the engine's from here on, also when the options fail.
  const given = options !== null && typeof options === 'object' ? options.worker : undefined;
  let worker = given;
  let url;
  // A browser's worker, from a blob: URL.
  const blobWorker = () => {
    if (typeof Worker !== 'function') {
      engine.refuse('there are no Web Workers here: pass options.worker (in node, import the package by its name)');
    }
    url = URL.createObjectURL(new Blob([vornakWorkerScript], { type: 'text/javascript' }));
    try {
      return new Worker(url);
    } catch (error) {
      throw new VornakError('worker-failed', `vornak: the engine's worker could not be started (${error.message}): ${hint}`);
    }
  };
  try {
    const o = engine.engineOptions(options, ['inputLimit', 'worker', 'transfer', 'startTimeout']);
    if (o.transfer !== undefined && typeof o.transfer !== 'boolean') {
      engine.refuse(`transfer must be true or false, not ${typeof o.transfer}`);
    }
    const timeout = o.startTimeout === undefined ? 30_000 : o.startTimeout;
    if (!(timeout === Infinity || (Number.isInteger(timeout) && timeout > 0 && timeout <= 2 ** 31 - 1))) {
      engine.refuse('startTimeout must be a whole number of milliseconds from 1, or Infinity');
    }
    if (given !== undefined && (!given || typeof given.postMessage !== 'function' || typeof given.terminate !== 'function')) {
      engine.refuse('options.worker must be a Worker that serves the engine (vornak/worker, or vornakWorkerScript)');
    }
    worker ??= (startWorker || blobWorker)();
    return connectWorker(worker, { inputLimit: o.inputLimit, transfer: o.transfer === true, timeout })
      .finally(() => url && URL.revokeObjectURL(url));
  } catch (error) {
    if (typeof worker?.terminate === 'function') worker.terminate();
    if (url) URL.revokeObjectURL(url);
    return Promise.reject(error);
  }
}

// Bytes go to a worker with their whole buffer (copied, or handed over with
// `transfer`): a view of a part of a buffer goes as a copy of its own bytes,
// so that no bytes beside it are copied or taken from the caller.
function copied(request) {
  const copy = (bytes) => (bytes.byteOffset === 0 && bytes.byteLength === bytes.buffer.byteLength ? bytes : bytes.slice());
  for (const key of ['bytes', 'files']) {
    if (request[key] instanceof Map) for (const [name, bytes] of request[key]) request[key].set(name, copy(bytes));
    else if (request[key]) request[key] = copy(request[key]);
  }
  if (request.request) for (const [name, bytes] of request.request.banks) request.request.banks.set(name, copy(bytes));
  return request;
}

// The calling side of a worker that serves the engine (see vornakServe in
// web/engine/api.js for its requests). Node's worker threads keep the
// process alive only while a request waits for its answer.
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
    if (error) request.reject(engine.errorFrom(error));
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
      failed(`${event.message || 'its script could not be run'} (${hint})`);
    });
    worker.addEventListener('messageerror', () => failed('an answer could not be read'));
  }

  function send(message) {
    const id = ++next;
    return new Promise((resolve, reject) => {
      pending.set(id, { resolve, reject });
      hold(true);
      try {
        worker.postMessage({ id, ...message }, transfer ? engine.buffersOf(message) : []);
      } catch (error) {
        pending.delete(id);
        if (pending.size === 0) hold(false);
        reject(engine.refusal(`what was given cannot be sent to the worker (${error.message})`));
      }
    });
  }

  // Each call is checked here, by the engine's own rules, before anything is
  // sent, whether the engine runs or not: the message to send, or a throw.
  const checked = (name, ...args) => {
    const message = { call: name, ...engine.requests[name](facts, ...args) };
    if (stopped) throw stopped;
    return message;
  };
  const call = (name, ...args) => {
    try {
      return send(copied(checked(name, ...args)));
    } catch (error) {
      return Promise.reject(error);
    }
  };

  let lastSounds = null;
  const remote = {
    run: (args, files) => call('run', args, files).then((result) => {
      // A worker's answer has lost the files' object without a prototype.
      result.files = engine.fileMap(Object.entries(result.files).map(([name, bytes]) => ({ name, bytes })));
      return result;
    }),
    describe: (name, bytes, options) => call('describe', name, bytes, options),
    listing: (name, bytes, options) => call('listing', name, bytes, options),
    formats: () => call('formats'),
    limits: () => call('limits'),
    compose: (request) => call('compose', request),
    convert: (bytes, options) => call('convert', bytes, options),
    // The sounds cross to the worker only when they are not those sent last:
    // both sides keep the last list, in the order the calls are sent.
    similar: (sound, sounds, options) => {
      let message;
      try {
        message = checked('similar', sound, sounds, options, lastSounds);
      } catch (error) {
        return Promise.reject(error);
      }
      if (message.sounds !== null) lastSounds = sounds.slice();
      // After a failure the next call sends its sounds again, whatever the
      // worker kept.
      return send(copied(message)).catch((error) => {
        lastSounds = null;
        throw error;
      });
    },
    dispose: () => stop(new VornakError('disposed', 'vornak: the engine was disposed')),
  };

  let timer = null;
  const started = send({ call: 'start', options: inputLimit === undefined ? {} : { inputLimit } });
  if (timeout !== Infinity) {
    timer = setTimeout(() => stop(new VornakError('worker-timeout', `vornak: the engine's worker did not start within ` +
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

export default createVornak;
