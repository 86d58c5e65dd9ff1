// ---- The module's interface -------------------------------------------------
// web/vornak.mjs ends with this file, after the function vornakEngineCode
// that holds the engine's classic part (web/engine/api.js); web/build.mjs
// fills in the version from CMakeLists.txt. The types are in web/vornak.d.ts,
// the reference in the README ("The engine's interface").

const engine = vornakEngineCode();

/** The tool's version, as its banner prints it. */
export const version = '{{version}}';

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
 * The script that runs an engine in a worker (a classic script). A host that
 * starts its workers itself (for a Content-Security-Policy without blob:)
 * serves this text as a file and passes the worker to createVornakWorker.
 * @type {string}
 */
export const vornakWorkerScript = `(${vornakEngineCode})().serve(typeof vornakPort !== 'undefined' ? vornakPort : self);\n`;

/**
 * Creates an engine that runs in a worker: the same functions, answering
 * promises, and the calling thread is never blocked.
 * @param {{ inputLimit?: number, worker?: object }} [options] `worker`: a
 *     Worker that runs vornakWorkerScript; by default one is started from a
 *     blob: URL (in node, the package's node entry starts a worker thread).
 *     The engine owns the worker: dispose() ends it.
 * @returns {Promise<import('./vornak').VornakWorker>}
 */
export function createVornakWorker(options) {
  // A worker given is the engine's from here on, also when the options fail.
  let worker = options !== null && typeof options === 'object' ? options.worker : undefined;
  let url;
  try {
    if (options !== undefined && options !== null && typeof options !== 'object') {
      throw new TypeError(`vornak: the options of the engine must be an object, not ${typeof options}`);
    }
    const inputLimit = engine.inputLimit(options);
    if (worker === undefined) {
      if (typeof Worker !== 'function') {
        throw new TypeError('vornak: there are no Web Workers here: pass options.worker (in node, import the package by its name)');
      }
      url = URL.createObjectURL(new Blob([vornakWorkerScript], { type: 'text/javascript' }));
      worker = new Worker(url);
    } else if (!worker || typeof worker.postMessage !== 'function' || typeof worker.terminate !== 'function') {
      throw new TypeError('vornak: options.worker must be a Worker that runs vornakWorkerScript');
    }
    return connectWorker(worker, inputLimit).finally(() => url && URL.revokeObjectURL(url));
  } catch (error) {
    if (typeof worker?.terminate === 'function') worker.terminate();
    return Promise.reject(error);
  }
}

// Bytes sent to a worker are copied with their whole buffer: a view of a
// larger buffer is sent as a copy of its own bytes.
function sendable(bytes) {
  return bytes.byteOffset === 0 && bytes.byteLength === bytes.buffer.byteLength ? bytes : bytes.slice();
}

const errorTypes = { TypeError, RangeError };

// The calling side of a worker that runs vornakWorkerScript (see vornakServe
// in web/engine/api.js for its requests). Node's worker threads keep the
// process alive only while a request waits for its answer.
function connectWorker(worker, inputLimit) {
  const pending = new Map();
  let next = 0;
  let stopped = null;
  const thread = typeof worker.on === 'function' && typeof worker.ref === 'function';
  const hold = (busy) => thread && (busy ? worker.ref() : worker.unref());

  function settle({ id, result, error }) {
    const request = pending.get(id);
    if (!request) return;
    pending.delete(id);
    if (pending.size === 0) hold(false);
    if (error) request.reject(new (errorTypes[error.name] || Error)(error.message));
    else request.resolve(result);
  }

  function stop(error) {
    if (stopped) return;
    stopped = error;
    worker.terminate();
    for (const request of pending.values()) request.reject(error);
    pending.clear();
  }

  const failed = (why) => stop(new Error(`vornak: the engine's worker stopped: ${why}`));
  if (thread) {
    worker.on('message', settle);
    worker.on('error', (error) => failed(error.message));
    worker.on('exit', (code) => failed(`it ended with code ${code}`));
    hold(false);
  } else {
    worker.addEventListener('message', (event) => settle(event.data));
    worker.addEventListener('error', (event) => {
      event.preventDefault();
      failed(event.message || 'an error in the worker');
    });
    worker.addEventListener('messageerror', () => failed('an answer could not be read'));
  }

  function call(request) {
    if (stopped) return Promise.reject(stopped);
    const id = ++next;
    return new Promise((resolve, reject) => {
      pending.set(id, { resolve, reject });
      hold(true);
      try {
        worker.postMessage({ id, ...request });
      } catch (error) {
        settle({ id, error });
      }
    });
  }

  // The caller's mistakes are found here, before anything is sent.
  const checked = (make) => {
    try {
      return call(make());
    } catch (error) {
      return Promise.reject(error);
    }
  };

  const remote = {
    run: (args, files) => checked(() => {
      const request = engine.runRequest(args, files);
      return { call: 'run', args: request.args, files: new Map(request.files.map((f) => [f.name, sendable(f.bytes)])) };
    }),
    describe: (name, bytes, options) => checked(() => {
      const request = engine.describeRequest(name, bytes, options);
      return { call: 'describe', name: request.name, bytes: sendable(request.bytes), options: request.options };
    }),
    formats: () => checked(() => ({ call: 'formats' })),
    compose: (request) => checked(() => ({ call: 'compose', request: engine.composeRequest(request) })),
    convert: (bytes, options) => checked(() => {
      const request = engine.convertRequest(bytes, options);
      return { call: 'convert', bytes: sendable(request.bytes), options: request.options };
    }),
    dispose: () => stop(new Error('vornak: the engine was disposed')),
  };
  return call({ call: 'start', options: { inputLimit } }).then(
    () => remote,
    (error) => {
      stop(error);
      throw error;
    },
  );
}

export default createVornak;
