// The client of Vornak's engine in a worker, without the engine: lists PPG Wave banks and converts them between formats,
// with the same code and the same results as the vornak command-line tool.
// Made by web/build.mjs from web/engine/; the types and their documentation
// are web/vornak.d.ts.
// web/engine/errors.js
var mark = /* @__PURE__ */ Symbol.for("vornak.error");
function marked(error, code) {
  error.code = code;
  Object.defineProperty(error, mark, { value: true });
  return error;
}
var VornakError = /* @__PURE__ */ (() => {
  class VornakError2 extends Error {
    constructor(code, message) {
      super(message);
      marked(this, code);
    }
    static [Symbol.hasInstance](value) {
      return value !== null && typeof value === "object" && value[mark] === true;
    }
  }
  Object.defineProperty(VornakError2, "name", { value: "VornakError", configurable: true });
  Object.defineProperty(VornakError2.prototype, "name", { value: "VornakError", writable: true, configurable: true });
  return VornakError2;
})();
function show(value) {
  if (typeof value === "string") return JSON.stringify(value.length > 60 ? `${value.slice(0, 60)}\u2026` : value);
  if (value === null || typeof value !== "object" && typeof value !== "function") return String(value);
  return Object.prototype.toString.call(value);
}
var refusal = (message) => marked(new TypeError(`vornak: ${message}`), "bad-option");
function refuse(message) {
  throw refusal(message);
}
var aborted = (signal) => {
  const error = new VornakError("aborted", "vornak: the call was aborted");
  error.cause = signal?.reason;
  return error;
};
function errorFrom(data) {
  const Type = { TypeError, RangeError }[data.name];
  return Type ? marked(new Type(data.message), data.code) : new VornakError(data.code, data.message);
}

// web/engine/bytes.js
var Withheld = class {
  constructor(length) {
    this.length = length;
  }
};
function bytesOf(what, value) {
  if (value instanceof Uint8Array || value instanceof Withheld) return value;
  if (value instanceof ArrayBuffer) return new Uint8Array(value);
  if (ArrayBuffer.isView(value)) return new Uint8Array(value.buffer, value.byteOffset, value.byteLength);
  return refuse(`${what} must be a Uint8Array, an ArrayBuffer or a view of one, not ${show(value)}`);
}
function fileMap(entries) {
  const files = /* @__PURE__ */ Object.create(null);
  for (const [name, bytes] of entries) {
    Object.defineProperty(files, name, { value: bytes, enumerable: true, writable: true, configurable: true });
  }
  return files;
}
function buffersOf(value, into = /* @__PURE__ */ new Set()) {
  if (ArrayBuffer.isView(value)) {
    if (value.buffer instanceof ArrayBuffer) into.add(value.buffer);
  } else if (value instanceof Map) {
    for (const v of value.values()) buffersOf(v, into);
  } else if (value !== null && typeof value === "object") {
    for (const key of Object.keys(value)) buffersOf(value[key], into);
  }
  return [...into];
}

// web/engine/request.js
var loneSurrogate = /[\uD800-\uDBFF](?![\uDC00-\uDFFF])|(^|[^\uD800-\uDBFF])[\uDC00-\uDFFF]/;
var isPlain = (value) => {
  const prototype = Object.getPrototypeOf(value);
  return prototype === Object.prototype || prototype === null;
};
function requestText(what, request) {
  const within = /* @__PURE__ */ new Map();
  const place = (holder, key) => {
    if (!within.has(holder)) return what;
    const [outer, at] = within.get(holder);
    return Array.isArray(holder) ? `entry ${key} of ${place(outer, at)}` : `${key} in ${place(outer, at)}`;
  };
  const cannot = (holder, key, value) => refuse(`${place(holder, key)} is ${show(value)}, which a request cannot hold (text, numbers, true, false, null, lists and plain objects)`);
  const check = function check2(key, value) {
    const original = this[key];
    switch (typeof original) {
      case "undefined":
        if (Array.isArray(this)) refuse(`${place(this, key)} is none: a list holds values or null, not undefined or holes`);
        return void 0;
      case "string":
        if (loneSurrogate.test(original)) refuse(`${place(this, key)} holds half of a surrogate pair: ${show(original)}`);
        return value;
      case "number":
        if (!Number.isFinite(original)) refuse(`${place(this, key)} must be a finite number, not ${original}`);
        return value;
      case "boolean":
        return value;
      case "object":
        if (original === null) return null;
        if (Array.isArray(original) || isPlain(original)) {
          within.set(original, [this, key]);
          return value;
        }
        return cannot(this, key, original);
      default:
        return cannot(this, key, original);
    }
  };
  try {
    return JSON.stringify(request, check) ?? "null";
  } catch (error) {
    if (error?.code === "bad-option") throw error;
    throw refusal(`${what} cannot be read: ${error?.message ?? error}`);
  }
}
function signalOf(signal) {
  if (signal === void 0 || signal === null) return null;
  if (typeof signal !== "object" || typeof signal.aborted !== "boolean" || typeof signal.addEventListener !== "function") {
    refuse(`signal must be an AbortSignal, not ${show(signal)}`);
  }
  return signal;
}
function withoutSignal(options) {
  if (options === null || typeof options !== "object" || Array.isArray(options) || !Object.hasOwn(options, "signal")) {
    return { options, signal: null };
  }
  const { signal, ...rest } = options;
  return { options: rest, signal: signalOf(signal) };
}
function signalOnly(what, options) {
  if (options === void 0 || options === null) return null;
  if (typeof options !== "object" || Array.isArray(options)) refuse(`${what} must be an object, not ${show(options)}`);
  for (const key of Object.keys(options)) if (key !== "signal") refuse(`unknown key ${show(key)} in ${what}: the only key is signal`);
  return signalOf(options.signal);
}
function filesOf(files) {
  let entries;
  if (files === void 0 || files === null) entries = [];
  else if (files instanceof Map) entries = [...files];
  else if (typeof files === "object" && !Array.isArray(files) && !ArrayBuffer.isView(files) && !(files instanceof ArrayBuffer)) {
    entries = Object.keys(files).map((name) => [name, files[name]]);
  } else {
    refuse(`files must be an object or a Map of file names to bytes, not ${show(files)}`);
  }
  return {
    names: entries.map(([name]) => name),
    inputs: entries.map(([name, bytes]) => bytesOf(`the bytes of ${show(name)}`, bytes))
  };
}
var envelope = (parts) => `{${Object.entries(parts).map(([key, text]) => `${JSON.stringify(key)}:${text}`).join(",")}}`;
var calls = {
  run(args, files, options) {
    const signal = signalOnly("the options of run", options);
    const { names, inputs } = filesOf(files);
    return { request: envelope({ args: requestText("args", args), files: requestText("the file names", names) }), inputs, signal };
  },
  describe: (name, bytes, options) => oneFile("describe", name, bytes, options),
  listing: (name, bytes, options) => oneFile("listing", name, bytes, options),
  convert(bytes, given) {
    const input = bytesOf("bytes", bytes);
    const { options, signal } = withoutSignal(given);
    return { request: envelope({ options: requestText("the options of convert", options) }), inputs: [input], signal };
  },
  compose(given) {
    const { options: request, signal } = withoutSignal(given);
    let rest = request;
    let banks = filesOf(void 0);
    if (request !== null && typeof request === "object" && !Array.isArray(request) && isPlain(request)) {
      const { banks: files, ...others } = request;
      banks = filesOf(files);
      rest = others;
    }
    const text = envelope({ request: requestText("the request of compose", rest), banks: requestText("the bank names", banks.names) });
    return { request: text, inputs: banks.inputs, signal };
  },
  disk(bytes, given) {
    const input = bytesOf("bytes", bytes);
    const { options, signal } = withoutSignal(given);
    return { request: envelope({ options: requestText("the options of disk", options) }), inputs: [input], signal };
  },
  formats: (options) => ({ signal: signalOnly("the options of formats", options) }),
  limits: (options) => ({ signal: signalOnly("the options of limits", options) })
};
function oneFile(call, name, bytes, given) {
  const input = bytesOf("bytes", bytes);
  const { options, signal } = withoutSignal(given);
  return {
    request: envelope({ name: requestText("the name", name), options: requestText(`the options of ${call}`, options) }),
    inputs: [input],
    signal
  };
}
function similarCall(sound, sounds, given, last) {
  const { options, signal } = withoutSignal(given);
  const lines = typeof sounds === "string";
  if (!lines && !Array.isArray(sounds)) refuse(`sounds must be an array of sounds or a text of them a line, not ${show(sounds)}`);
  let same = lines ? last === sounds : Array.isArray(last) && last.length === sounds.length;
  if (!lines) {
    for (let i = 0; i < sounds.length; i++) {
      if (!(i in sounds)) refuse(`sounds must list sounds; entry ${i} is none`);
      if (same && last[i] === sounds[i]) continue;
      if (typeof sounds[i] !== "string" || sounds[i].includes("\n")) {
        refuse(`a sound in sounds must be a sound as describe answers it, not ${show(sounds[i])}`);
      }
      same = false;
    }
  }
  return {
    request: envelope({ sound: requestText("sound", sound), options: requestText("the options of similar", options), kept: String(same) }),
    text: same ? null : lines ? sounds : sounds.join("\n"),
    keep: lines ? sounds : sounds.slice(),
    signal
  };
}
function checkEngineOptions(options, keys = ["inputLimit", "wasm"]) {
  if (options !== void 0 && options !== null && (typeof options !== "object" || Array.isArray(options))) {
    refuse(`the options of the engine must be an object, not ${show(options)}`);
  }
  const o = {};
  for (const key of Object.keys(options ?? {})) {
    if (!keys.includes(key)) refuse(`unknown key ${show(key)} in the options of the engine: the keys are ${keys.join(", ")}`);
    if (options[key] !== void 0) o[key] = options[key];
  }
  const limit = o.inputLimit;
  if (limit !== void 0 && (typeof limit !== "number" || !(limit >= 0) || limit !== Infinity && Math.floor(limit) !== limit)) {
    refuse(`inputLimit must be a whole number of bytes, 0 or more, or Infinity, not ${show(limit)}`);
  }
  const { wasm } = o;
  const isModule = typeof WebAssembly === "object" && wasm instanceof WebAssembly.Module;
  if (wasm !== void 0 && !isModule && !(wasm instanceof URL) && typeof wasm !== "string" && !(wasm instanceof ArrayBuffer) && !ArrayBuffer.isView(wasm)) {
    refuse(`wasm must be the engine's WebAssembly: its bytes, a URL or a WebAssembly.Module, not ${show(wasm)}`);
  }
  return o;
}

// web/engine/client.js
var workerHint = "start it from the package's worker file (vornak/worker) and pass it as options.worker, or allow blob: in the worker-src of the Content-Security-Policy";
function connect(options, start) {
  const given = options !== null && typeof options === "object" ? options.worker : void 0;
  let worker = given;
  try {
    const o = checkEngineOptions(options, ["inputLimit", "wasm", "worker", "transfer", "startTimeout"]);
    if (o.transfer !== void 0 && typeof o.transfer !== "boolean") refuse(`transfer must be true or false, not ${typeof o.transfer}`);
    const timeout = o.startTimeout ?? 3e4;
    if (!(timeout === Infinity || Number.isInteger(timeout) && timeout > 0 && timeout <= 2 ** 31 - 1)) {
      refuse("startTimeout must be a whole number of milliseconds from 1, or Infinity");
    }
    if (given !== void 0 && (!given || typeof given.postMessage !== "function" || typeof given.terminate !== "function")) {
      refuse("options.worker must be a Worker that serves the engine (vornak/worker, or vornakWorkerScript)");
    }
    worker ??= start();
    const wasm = o.wasm instanceof URL || typeof o.wasm === "string" ? new URL(o.wasm, globalThis.location?.href).href : o.wasm;
    const engineOptions = Object.fromEntries(Object.entries({ inputLimit: o.inputLimit, wasm }).filter(([, v]) => v !== void 0));
    return connectWorker(worker, { engineOptions, transfer: o.transfer === true, timeout });
  } catch (error) {
    if (typeof worker?.terminate === "function") worker.terminate();
    return Promise.reject(error);
  }
}
function connectWorker(worker, { engineOptions, transfer, timeout }) {
  const pending = /* @__PURE__ */ new Map();
  let next = 0;
  let stopped = null;
  let facts = null;
  const thread = typeof worker.on === "function" && typeof worker.ref === "function";
  const hold = (busy) => thread && (busy ? worker.ref() : worker.unref());
  const done = (id) => {
    const request = pending.get(id);
    if (!request) return null;
    pending.delete(id);
    request.signal?.removeEventListener("abort", request.onAbort);
    if (pending.size === 0) hold(false);
    return request;
  };
  function settle({ id, result, error }) {
    const request = done(id);
    if (!request) return;
    if (error) request.reject(errorFrom(error));
    else request.resolve(result);
  }
  const terminate = worker.terminate;
  function stop(error) {
    if (stopped) return;
    stopped = error;
    terminate.call(worker);
    for (const id of [...pending.keys()]) done(id).reject(error);
  }
  const failed = (why) => stop(new VornakError("worker-failed", `vornak: the engine's worker stopped: ${why}`));
  try {
    worker.terminate = function terminated(...args) {
      const ended = terminate.apply(this, args);
      failed("it was terminated");
      return ended;
    };
  } catch {
  }
  if (thread) {
    worker.on("message", settle);
    worker.on("error", (error) => failed(error.message));
    worker.on("exit", (code) => failed(`it ended with code ${code}`));
    hold(false);
  } else {
    worker.addEventListener("message", (event) => settle(event.data));
    worker.addEventListener("error", (event) => {
      event.preventDefault();
      failed(`${event.message || "its script could not be run"} (${workerHint})`);
    });
    worker.addEventListener("messageerror", () => failed("an answer could not be read"));
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
      signal?.addEventListener("abort", onAbort, { once: true });
      hold(true);
      try {
        worker.postMessage({ id, ...message }, transfer ? buffersOf(message) : []);
      } catch (error) {
        done(id);
        reject(refusal(`what was given cannot be sent to the worker (${error.message})`));
      }
    });
  }
  const crossing = (inputs) => inputs.map((bytes) => {
    if (bytes.length > facts.limits.inputLimit) return { withheld: bytes.length };
    const whole = bytes.byteOffset === 0 && bytes.byteLength === bytes.buffer.byteLength;
    return whole ? bytes : Uint8Array.prototype.slice.call(bytes);
  });
  const call = (name, ...args) => {
    try {
      if (stopped) throw stopped;
      const c = calls[name](...args);
      return send({ call: name, request: c.request, inputs: crossing(c.inputs) }, c.signal);
    } catch (error) {
      return Promise.reject(error);
    }
  };
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
    run: (...args) => call("run", ...args).then((result) => {
      result.files = fileMap(Object.entries(result.files));
      return result;
    }),
    describe: (...args) => call("describe", ...args),
    listing: (...args) => call("listing", ...args),
    formats: (options) => fact("formats", options),
    limits: (options) => fact("limits", options),
    compose: (...args) => call("compose", ...args),
    convert: (...args) => call("convert", ...args),
    disk: (...args) => call("disk", ...args),
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
      return send({ call: "similar", request: c.request, text: c.text }, c.signal).catch((error) => {
        lastSounds = null;
        throw error;
      });
    },
    dispose: () => stop(new VornakError("disposed", "vornak: the engine was disposed"))
  };
  let timer = null;
  const started = send({ call: "start", options: engineOptions });
  if (timeout !== Infinity) {
    timer = setTimeout(() => stop(new VornakError("worker-timeout", `vornak: the engine's worker did not start within ${timeout} ms: is it a worker that serves the engine (vornak/worker, or vornakWorkerScript)?`)), timeout);
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
    }
  );
}

// web/engine/version.js
var version = "1.10";

// web/engine/text.js
var from80 = [
  8364,
  129,
  8218,
  402,
  8222,
  8230,
  8224,
  8225,
  710,
  8240,
  352,
  8249,
  338,
  141,
  381,
  143,
  144,
  8216,
  8217,
  8220,
  8221,
  8226,
  8211,
  8212,
  732,
  8482,
  353,
  8250,
  339,
  157,
  382,
  376
];
var characters = null;
var byteOfCharacter = null;
function tables() {
  if (!characters) {
    characters = Uint16Array.from({ length: 256 }, (_, b) => b >= 128 && b < 160 ? from80[b - 128] : b);
    byteOfCharacter = new Map([...characters].map((code, byte) => [code, byte]));
  }
  return characters;
}
function textFits(n) {
  try {
    for (let text = "", piece = "x"; n > 0; n = Math.floor(n / 2)) {
      if (n % 2) text += piece;
      if (n > 1) piece += piece;
    }
    return true;
  } catch (error) {
    if (error instanceof RangeError) return false;
    throw error;
  }
}
function bytesToText(bytes) {
  const view = bytesOf("bytes", bytes);
  if (view.length > 1 << 24 && !textFits(view.length)) {
    throw marked(new RangeError(`vornak: ${view.length} bytes make more text than a string may hold here`), "too-large");
  }
  const table = tables();
  let text = "";
  const chunk = new Uint16Array(8192);
  for (let at = 0; at < view.length; at += chunk.length) {
    const part = view.subarray(at, at + chunk.length);
    for (let i = 0; i < part.length; i++) chunk[i] = table[part[i]];
    text += String.fromCharCode.apply(null, chunk.subarray(0, part.length));
  }
  return text;
}
function textToBytes(text) {
  if (typeof text !== "string") refuse(`text must be a string, not ${show(text)}`);
  tables();
  const bytes = new Uint8Array(text.length);
  for (let i = 0; i < text.length; i++) {
    const byte = byteOfCharacter.get(text.charCodeAt(i));
    if (byte === void 0) {
      const code = text.charCodeAt(i).toString(16).toUpperCase().padStart(4, "0");
      throw marked(new RangeError(`vornak: the character U+${code} at ${i} stands for no byte`), "bad-option");
    }
    bytes[i] = byte;
  }
  return bytes;
}

// web/engine/client-module.js
function fileWorker() {
  if (typeof Worker !== "function") refuse("there are no Web Workers here: pass options.worker");
  try {
    return new Worker(new URL("./vornak-worker.mjs", import.meta.url), { type: "module" });
  } catch (error) {
    throw new VornakError("worker-failed", `vornak: the engine's worker could not be started (${error.message}): ${workerHint}`);
  }
}
function createVornakWorker(options) {
  return connect(options, fileWorker);
}
export {
  VornakError,
  bytesToText,
  createVornakWorker,
  textToBytes,
  version
};
