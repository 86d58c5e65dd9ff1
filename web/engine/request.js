// A call as it goes to the engine: its request as JSON text, which the
// engine reads and checks (src/web/requests.cpp), and its input bytes
// apart, in the order the request names them. What is done here is only
// what JSON cannot do: bytes and files are taken out, a signal is taken
// aside, and what JSON cannot carry (undefined in a list, a number that is
// not finite, a Map, a function) is refused, by one rule for every call, on
// the calling thread and on the calling side of a worker alike. A mistake
// is a TypeError (bad-option) that says what was expected.
import { bytesOf } from './bytes.js';
import { aborted, refuse, refusal, show } from './errors.js';

// A lone half of a surrogate pair has no UTF-8 form.
const loneSurrogate = /[\uD800-\uDBFF](?![\uDC00-\uDFFF])|(^|[^\uD800-\uDBFF])[\uDC00-\uDFFF]/;

const isPlain = (value) => {
  const prototype = Object.getPrototypeOf(value);
  return prototype === Object.prototype || prototype === null;
};

// The request as JSON text. A key left undefined is left out; anything
// else that JSON would change or drop is refused, naming where it is.
export function requestText(what, request) {
  // Where each object and list of the request stands (its holder and key),
  // put in words only for a refusal.
  const within = new Map();
  const place = (holder, key) => {
    if (!within.has(holder)) return what;
    const [outer, at] = within.get(holder);
    return Array.isArray(holder) ? `entry ${key} of ${place(outer, at)}` : `${key} in ${place(outer, at)}`;
  };
  const cannot = (holder, key, value) => refuse(`${place(holder, key)} is ${show(value)}, which a request cannot hold (text, ` +
    'numbers, true, false, null, lists and plain objects)');
  // JSON.stringify calls this for every value, the request itself first
  // (its holder then a wrapper of its own), with `this` holding the value
  // before its toJSON.
  const check = function check(key, value) {
    const original = this[key];
    switch (typeof original) {
      case 'undefined':
        if (Array.isArray(this)) refuse(`${place(this, key)} is none: a list holds values or null, not undefined or holes`);
        return undefined;
      case 'string':
        if (loneSurrogate.test(original)) refuse(`${place(this, key)} holds half of a surrogate pair: ${show(original)}`);
        return value;
      case 'number':
        if (!Number.isFinite(original)) refuse(`${place(this, key)} must be a finite number, not ${original}`);
        return value;
      case 'boolean':
        return value;
      case 'object':
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
    return JSON.stringify(request, check) ?? 'null';
  } catch (error) {
    if (error?.code === 'bad-option') throw error;
    // A list or object that holds itself, or one nested too deep for the stack.
    throw refusal(`${what} cannot be read: ${error?.message ?? error}`);
  }
}

// A signal given with a call's options: an AbortSignal, or nothing.
function signalOf(signal) {
  if (signal === undefined || signal === null) return null;
  if (typeof signal !== 'object' || typeof signal.aborted !== 'boolean' || typeof signal.addEventListener !== 'function') {
    refuse(`signal must be an AbortSignal, not ${show(signal)}`);
  }
  return signal;
}

// Options as given, and the signal among them (taken out: the engine never
// sees it).
function withoutSignal(options) {
  if (options === null || typeof options !== 'object' || Array.isArray(options) || !Object.hasOwn(options, 'signal')) {
    return { options, signal: null };
  }
  const { signal, ...rest } = options;
  return { options: rest, signal: signalOf(signal) };
}

// The options of the calls that take nothing but a signal.
function signalOnly(what, options) {
  if (options === undefined || options === null) return null;
  if (typeof options !== 'object' || Array.isArray(options)) refuse(`${what} must be an object, not ${show(options)}`);
  for (const key of Object.keys(options)) if (key !== 'signal') refuse(`unknown key ${show(key)} in ${what}: the only key is signal`);
  return signalOf(options.signal);
}

// Input files: an object or a Map of names to bytes, or nothing. The names
// go in the request (the engine checks them), the bytes apart, in order.
function filesOf(files) {
  let entries;
  if (files === undefined || files === null) entries = [];
  else if (files instanceof Map) entries = [...files];
  else if (typeof files === 'object' && !Array.isArray(files) && !ArrayBuffer.isView(files) && !(files instanceof ArrayBuffer)) {
    entries = Object.keys(files).map((name) => [name, files[name]]);
  } else {
    refuse(`files must be an object or a Map of file names to bytes, not ${show(files)}`);
  }
  return {
    names: entries.map(([name]) => name),
    inputs: entries.map(([name, bytes]) => bytesOf(`the bytes of ${show(name)}`, bytes)),
  };
}

// The request of a call: its parts, each already JSON text, as one object.
const envelope = (parts) => `{${Object.entries(parts).map(([key, text]) => `${JSON.stringify(key)}:${text}`).join(',')}}`;

// Each call as the engine takes it: { request, inputs, signal }, the
// request as the engine reads it (web/vornak.d.ts declares the caller's
// side of it).
export const calls = {
  run(args, files, options) {
    const signal = signalOnly('the options of run', options);
    const { names, inputs } = filesOf(files);
    return { request: envelope({ args: requestText('args', args), files: requestText('the file names', names) }), inputs, signal };
  },
  describe: (name, bytes, options) => oneFile('describe', name, bytes, options),
  listing: (name, bytes, options) => oneFile('listing', name, bytes, options),
  convert(bytes, given) {
    const input = bytesOf('bytes', bytes);
    const { options, signal } = withoutSignal(given);
    return { request: envelope({ options: requestText('the options of convert', options) }), inputs: [input], signal };
  },
  compose(given) {
    const { options: request, signal } = withoutSignal(given);
    let rest = request;
    let banks = filesOf(undefined);
    if (request !== null && typeof request === 'object' && !Array.isArray(request) && isPlain(request)) {
      const { banks: files, ...others } = request;
      banks = filesOf(files);
      rest = others;
    }
    const text = envelope({ request: requestText('the request of compose', rest), banks: requestText('the bank names', banks.names) });
    return { request: text, inputs: banks.inputs, signal };
  },
  disk(bytes, given) {
    const input = bytesOf('bytes', bytes);
    const { options, signal } = withoutSignal(given);
    return { request: envelope({ options: requestText('the options of disk', options) }), inputs: [input], signal };
  },
  formats: (options) => ({ signal: signalOnly('the options of formats', options) }),
  limits: (options) => ({ signal: signalOnly('the options of limits', options) }),
};

// describe and listing: a file by its name and bytes.
function oneFile(call, name, bytes, given) {
  const input = bytesOf('bytes', bytes);
  const { options, signal } = withoutSignal(given);
  return {
    request: envelope({ name: requestText('the name', name), options: requestText(`the options of ${call}`, options) }),
    inputs: [input],
    signal,
  };
}

// A call of similar: the sounds to search (as describe answers them: text
// without line breaks; a list, or one text of them a line) as one text,
// or null when they are those of the last call (`last`, the list or text
// it was given), which the engine keeps read. `keep` is what to remember
// as the last.
export function similarCall(sound, sounds, given, last) {
  const { options, signal } = withoutSignal(given);
  const lines = typeof sounds === 'string';
  if (!lines && !Array.isArray(sounds)) refuse(`sounds must be an array of sounds or a text of them a line, not ${show(sounds)}`);
  let same = lines ? last === sounds : Array.isArray(last) && last.length === sounds.length;
  if (!lines) {
    for (let i = 0; i < sounds.length; i++) {
      if (!(i in sounds)) refuse(`sounds must list sounds; entry ${i} is none`);
      if (same && last[i] === sounds[i]) continue;
      if (typeof sounds[i] !== 'string' || sounds[i].includes('\n')) {
        refuse(`a sound in sounds must be a sound as describe answers it, not ${show(sounds[i])}`);
      }
      same = false;
    }
  }
  return {
    request: envelope({ sound: requestText('sound', sound), options: requestText('the options of similar', options), kept: String(same) }),
    text: same ? null : lines ? sounds : sounds.join('\n'),
    keep: lines ? sounds : sounds.slice(),
    signal,
  };
}

// The error of a call whose signal was aborted.
export function checkAborted(signal) {
  if (signal?.aborted) throw aborted(signal);
}

// The options of an engine: `inputLimit`, the most an input may bring (by
// default the engine's own, what the tool allows a pipe), and `wasm`, the
// engine's WebAssembly (its bytes, a URL, or a compiled module).
export function checkEngineOptions(options, keys = ['inputLimit', 'wasm']) {
  if (options !== undefined && options !== null && (typeof options !== 'object' || Array.isArray(options))) {
    refuse(`the options of the engine must be an object, not ${show(options)}`);
  }
  const o = {};
  for (const key of Object.keys(options ?? {})) {
    if (!keys.includes(key)) refuse(`unknown key ${show(key)} in the options of the engine: the keys are ${keys.join(', ')}`);
    if (options[key] !== undefined) o[key] = options[key];
  }
  const limit = o.inputLimit;
  if (limit !== undefined && (typeof limit !== 'number' || !(limit >= 0) || (limit !== Infinity && Math.floor(limit) !== limit))) {
    refuse(`inputLimit must be a whole number of bytes, 0 or more, or Infinity, not ${show(limit)}`);
  }
  const { wasm } = o;
  const isModule = typeof WebAssembly === 'object' && wasm instanceof WebAssembly.Module;
  if (wasm !== undefined && !isModule && !(wasm instanceof URL) && typeof wasm !== 'string' &&
    !(wasm instanceof ArrayBuffer) && !ArrayBuffer.isView(wasm)) {
    refuse(`wasm must be the engine's WebAssembly: its bytes, a URL or a WebAssembly.Module, not ${show(wasm)}`);
  }
  return o;
}
