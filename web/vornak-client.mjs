// The client of Vornak's engine in a worker, without the engine: lists PPG Wave banks and converts them between formats,
// with the same code and the same results as the vornak command-line tool.
// Made by web/build.mjs from web/engine/ and the emscripten build; the
// types and their documentation are web/vornak.d.ts.
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
function withInputs(message, change) {
  if (message.bytes) message.bytes = change(message.bytes);
  for (const files of [message.files, message.request?.banks]) {
    if (files instanceof Map) for (const [name, bytes] of files) files.set(name, change(bytes));
  }
  return message;
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

// web/engine/checks.js
function optionsOf(what, value, keys) {
  const plain = {};
  if (value === void 0 || value === null) return plain;
  if (typeof value !== "object" || Array.isArray(value)) refuse(`${what} must be an object, not ${show(value)}`);
  for (const key of Object.keys(value)) {
    if (!keys.includes(key)) refuse(`unknown key ${show(key)} in ${what}: the keys are ${keys.join(", ")}`);
  }
  for (const key of keys) if (value[key] !== void 0) plain[key] = value[key];
  return plain;
}
var loneSurrogate = /[\uD800-\uDBFF](?![\uDC00-\uDFFF])|(^|[^\uD800-\uDBFF])[\uDC00-\uDFFF]/;
function checkText(what, text) {
  if (typeof text !== "string") refuse(`${what} must be a string, not ${show(text)}`);
  if (text.includes("\0")) refuse(`${what} holds a NUL character: ${show(text)}`);
  if (loneSurrogate.test(text)) refuse(`${what} holds half of a surrogate pair: ${show(text)}`);
  return text;
}
var utf8 = /* @__PURE__ */ new TextEncoder();
function pathTooLong(path, limits) {
  if (path.length > limits.pathLength || utf8.encode(path).length > limits.pathLength) return true;
  return path.split("/").some((part) => part.length > limits.fileNameLength && utf8.encode(part).length > limits.fileNameLength);
}
function inputFiles(files, facts) {
  let entries;
  if (files === void 0 || files === null) entries = [];
  else if (files instanceof Map) entries = [...files];
  else if (typeof files === "object" && !Array.isArray(files) && !ArrayBuffer.isView(files) && !(files instanceof ArrayBuffer)) {
    entries = Object.keys(files).map((name) => [name, files[name]]);
  } else {
    refuse(`files must be an object or a Map of file names to bytes, not ${show(files)}`);
  }
  const kinds = /* @__PURE__ */ new Map();
  const claim = (path, kind) => {
    if ((kinds.get(path) ?? kind) !== kind) refuse(`${show(path)} is the name of a file and of a folder`);
    kinds.set(path, kind);
  };
  return entries.map(([given, bytes]) => {
    const name = checkText("a file name", given);
    const parts = name.split("/");
    if (parts.some((part) => part === "" || part === "." || part === "..")) refuse(`not a plain relative file name: ${show(name)}`);
    if (pathTooLong(name, facts.limits)) {
      refuse(`a file name is too long for the tool's system (at most ${facts.limits.fileNameLength} bytes between slashes and ${facts.limits.pathLength} in all, as UTF-8): ${show(name)}`);
    }
    for (let i = 1; i < parts.length; i++) claim(parts.slice(0, i).join("/"), "folder");
    claim(name, "file");
    return [name, bytesOf(`the bytes of ${show(name)}`, bytes)];
  });
}
function modelOf(o, facts) {
  const { model } = o;
  if (model === void 0 || model === null) return null;
  const { models } = facts.limits;
  return models.find((m) => m.model === model || m.number === model) ?? refuse(`model must be ${models.map((m) => `'${m.model}'`).join(" or ")} (or left out, for the data to decide), not ${show(model)}`);
}
var modelHint = (o, facts) => modelOf(o, facts)?.number ?? -1;
function groupOf(o) {
  const { group } = o;
  if (group === void 0 || group === null || group === "A") return 0;
  if (group === "B") return 1;
  return refuse(`group must be 'A' or 'B', not ${show(group)}`);
}
function programNumber(what, value, fallback) {
  if (value === void 0 || value === null) return fallback;
  if (typeof value !== "number" || Math.floor(value) !== value || value < 0 || value > 2147483647) {
    refuse(`${what} must be a program number (a whole number from 0), not ${show(value)}`);
  }
  return value;
}
function rangeOf(o, facts) {
  const first = programNumber("first", o.first, void 0);
  const last = programNumber("last", o.last, void 0);
  if (first !== void 0 && last !== void 0 && first > last) refuse(`first must not be above last, not ${first} and ${last}`);
  return { first, last, from: first ?? facts.limits.firstProgram, to: last ?? facts.limits.lastProgram };
}
function formatOf(what, letter, facts, other = "") {
  const found = typeof letter === "string" && letter.length === 1 && facts.formats.find((f) => f.letter === letter.toUpperCase());
  return found || refuse(`${what} must be ${other}the switch letter of an output format (${facts.formats.map((f) => f.letter).join(", ")}), not ${show(letter)}`);
}
function wholeNumber(what, value) {
  if (typeof value !== "number" || Math.floor(value) !== value || value < -2147483648 || value > 2147483647) {
    refuse(`${what} must be a whole number, not ${show(value)}`);
  }
  return value;
}
function nameBytes() {
  const names = {
    refusal: null,
    of(what, text) {
      checkText(what, text);
      try {
        return textToBytes(text);
      } catch {
        names.refusal ??= `${what[0].toUpperCase()}${what.slice(1)} holds a character that a name cannot hold: ${JSON.stringify(text)}.`;
        return null;
      }
    }
  };
  return names;
}
function rangeSwitch(first, last) {
  if (first === void 0 && last === void 0) return [];
  return [`/P${first ?? ""}${last === void 0 ? "" : `-${last}`}`];
}
function checkRun(facts, args, files) {
  if (!Array.isArray(args)) refuse(`args must be an array of strings, not ${show(args)}`);
  const inputs = inputFiles(files, facts);
  const checked = { args: args.map((arg) => checkText("an argument", arg)), inputs };
  return { ...checked, message: { args: checked.args, files: new Map(inputs) } };
}
function checkDescribe(facts, name, bytes, options) {
  const [file] = inputFiles(/* @__PURE__ */ new Map([[name, bytes]]), facts);
  const o = optionsOf("the options of describe", options, ["model", "parameters", "conversions", "first", "last", "group"]);
  const parameters = o.parameters ?? true;
  if (typeof parameters !== "boolean" && !Array.isArray(parameters)) {
    refuse(`parameters must be true, false or an array of program numbers, not ${show(parameters)}`);
  }
  const only = [];
  if (Array.isArray(parameters)) {
    if (parameters.length > facts.limits.mostPrograms) {
      refuse(`parameters lists ${parameters.length} programs; a bank holds at most ${facts.limits.mostPrograms}`);
    }
    for (let i = 0; i < parameters.length; i++) {
      if (parameters[i] === void 0 || parameters[i] === null) refuse(`parameters must list program numbers; entry ${i} is none`);
      only.push(programNumber("a program number in parameters", parameters[i]));
    }
  }
  let conversions = o.conversions ?? (o.conversions === null ? false : true);
  if (typeof conversions !== "boolean") conversions = formatOf("conversions", conversions, facts, "true, false or ").letter.charCodeAt(0);
  const range = rangeOf(o, facts);
  return {
    file,
    hint: modelHint(o, facts),
    only,
    count: parameters === true ? -1 : only.length,
    conversions: conversions === true ? 1 : conversions === false ? 0 : conversions,
    first: range.from,
    last: range.to,
    group: groupOf(o),
    message: { name: file[0], bytes: file[1], options: o }
  };
}
var setParts = ["program", "a", "b"];
function settingsOf(slot, set) {
  const parts = optionsOf(`the set of slot ${slot}`, set, setParts);
  const settings = [];
  setParts.forEach((part, number) => {
    const values = parts[part];
    if (values === void 0 || values === null) return;
    if (typeof values !== "object" || Array.isArray(values)) {
      refuse(`${part} in the set of slot ${slot} must be an object of labels to values, not ${show(values)}`);
    }
    for (const label of Object.keys(values)) {
      checkText(`a label in the set of slot ${slot}`, label);
      const value = values[label];
      if (typeof value !== "number" || !Number.isInteger(value)) {
        refuse(`${label} of ${part} in the set of slot ${slot} must be a whole number, not ${show(value)}`);
      }
      settings.push([number, label, value]);
    }
  });
  return settings;
}
function checkCompose(facts, request) {
  const o = optionsOf("the request of compose", request, ["banks", "programs", "format", "model", "group", "bankName"]);
  const banks = inputFiles(o.banks, facts);
  if (!Array.isArray(o.programs)) refuse(`programs must be an array of slots, not ${show(o.programs)}`);
  if (o.programs.length > facts.limits.mostPrograms) {
    refuse(`programs has ${o.programs.length} slots; a bank holds at most ${facts.limits.mostPrograms} programs`);
  }
  const names = nameBytes();
  const programs = o.programs.map((slot) => slot === null || slot === void 0 ? null : optionsOf("a slot", slot, ["bank", "program", "name", "set"]));
  const slots = programs.map((s, i) => s && {
    bank: checkText("the bank of a slot", s.bank),
    program: wholeNumber("the program of a slot", s.program),
    name: s.name === void 0 || s.name === null ? null : names.of(`the name of slot ${i}`, s.name),
    set: settingsOf(i, s.set)
  });
  const format = formatOf("format", o.format ?? facts.limits.defaultFormat, facts);
  const bankName = o.bankName === void 0 || o.bankName === null ? null : names.of("the bank name", o.bankName);
  const hint = modelHint(o, facts);
  const group = groupOf(o);
  return {
    banks,
    slots,
    format,
    hint,
    group,
    bankName,
    refusal: names.refusal,
    message: { request: { ...o, banks: new Map(banks), programs } }
  };
}
function checkListing(facts, name, bytes, options) {
  const [file] = inputFiles(/* @__PURE__ */ new Map([[name, bytes]]), facts);
  const o = optionsOf("the options of listing", options, ["model", "first", "last"]);
  const range = rangeOf(o, facts);
  const model = modelOf(o, facts);
  const args = rangeSwitch(range.first, range.last);
  if (model) args.push(`/${model.model}`);
  args.push(/^[-/]/.test(file[0]) ? `./${file[0]}` : file[0]);
  return { args, inputs: [file], message: { name: file[0], bytes: file[1], options: o } };
}
function checkSimilar(facts, sound, sounds, options, last) {
  const o = optionsOf("the options of similar", options, ["count"]);
  const isSound = (what, text) => {
    if (typeof text !== "string" || text.includes("\n")) refuse(`${what} must be a sound as describe answers it, not ${show(text)}`);
    return text;
  };
  isSound("sound", sound);
  const lines = typeof sounds === "string";
  if (!lines && !Array.isArray(sounds)) refuse(`sounds must be an array of sounds or a text of them a line, not ${show(sounds)}`);
  const count = o.count ?? 5;
  if (typeof count !== "number" || Math.floor(count) !== count || count < 1 || count > facts.limits.mostPrograms) {
    refuse(`count must be a whole number from 1 to ${facts.limits.mostPrograms}, not ${show(count)}`);
  }
  if (lines) {
    const same2 = last === sounds;
    return { sound, sounds, count, same: same2, message: { sound, sounds: same2 ? null : sounds, options: o } };
  }
  let same = Array.isArray(last) && last.length === sounds.length;
  for (let i = 0; i < sounds.length; i++) {
    if (!(i in sounds)) refuse(`sounds must list sounds; entry ${i} is none`);
    if (same && last[i] === sounds[i]) continue;
    isSound("a sound in sounds", sounds[i]);
    same = false;
  }
  return { sound, sounds, count, same, message: { sound, sounds: same ? null : sounds, options: o } };
}
function checkConvert(facts, bytes, options) {
  const input = bytesOf("bytes", bytes);
  const o = optionsOf("the options of convert", options, ["to", "first", "last", "group", "model", "name", "names"]);
  if (o.to === void 0) refuse("convert needs the option to: the switch letter of an output format");
  const format = formatOf("to", o.to, facts);
  const range = rangeOf(o, facts);
  const hint = modelHint(o, facts);
  const group = groupOf(o);
  const name = o.name === void 0 || o.name === null ? "bank" : checkText("name", o.name);
  if (name === "") refuse('name must be a file name, not ""');
  const names = nameBytes();
  let given = null;
  if (o.names !== void 0 && o.names !== null) {
    if (!Array.isArray(o.names) || o.names.length > facts.limits.mostPrograms) {
      refuse(`names must be an array of at most ${facts.limits.mostPrograms} names or nulls, not ${show(o.names)}`);
    }
    given = Array.from(o.names, (text, i) => text === void 0 || text === null ? null : names.of(`the name of program ${i}`, text));
  }
  return {
    input,
    format,
    hint,
    // Only what the format takes reaches the writer, as the tool ignores the
    // rest.
    first: format.range ? range.from : facts.limits.firstProgram,
    last: format.range ? range.to : facts.limits.lastProgram,
    group: format.group ? group : 0,
    name,
    names: given,
    refusal: names.refusal,
    message: { bytes: input, options: o }
  };
}
function checkEngineOptions(options, keys = ["inputLimit"]) {
  const o = optionsOf("the options of the engine", options, keys);
  const limit = o.inputLimit;
  if (limit !== void 0 && (typeof limit !== "number" || !(limit >= 0) || limit !== Infinity && Math.floor(limit) !== limit)) {
    refuse(`inputLimit must be a whole number of bytes, 0 or more, or Infinity, not ${show(limit)}`);
  }
  return o;
}

// web/engine/client.js
var checks = { run: checkRun, describe: checkDescribe, compose: checkCompose, convert: checkConvert, listing: checkListing };
var workerHint = "start it from the package's worker file (vornak/worker) and pass it as options.worker, or allow blob: in the worker-src of the Content-Security-Policy";
function connect(options, start) {
  const given = options !== null && typeof options === "object" ? options.worker : void 0;
  let worker = given;
  try {
    const o = checkEngineOptions(options, ["inputLimit", "worker", "transfer", "startTimeout"]);
    if (o.transfer !== void 0 && typeof o.transfer !== "boolean") refuse(`transfer must be true or false, not ${typeof o.transfer}`);
    const timeout = o.startTimeout ?? 3e4;
    if (!(timeout === Infinity || Number.isInteger(timeout) && timeout > 0 && timeout <= 2 ** 31 - 1)) {
      refuse("startTimeout must be a whole number of milliseconds from 1, or Infinity");
    }
    if (given !== void 0 && (!given || typeof given.postMessage !== "function" || typeof given.terminate !== "function")) {
      refuse("options.worker must be a Worker that serves the engine (vornak/worker, or vornakWorkerScript)");
    }
    worker ??= start();
    return connectWorker(worker, { inputLimit: o.inputLimit, transfer: o.transfer === true, timeout });
  } catch (error) {
    if (typeof worker?.terminate === "function") worker.terminate();
    return Promise.reject(error);
  }
}
function connectWorker(worker, { inputLimit, transfer, timeout }) {
  const pending = /* @__PURE__ */ new Map();
  let next = 0;
  let stopped = null;
  let facts = null;
  const thread = typeof worker.on === "function" && typeof worker.ref === "function";
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
  const failed = (why) => stop(new VornakError("worker-failed", `vornak: the engine's worker stopped: ${why}`));
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
  const crossing = (message) => withInputs(message, (bytes) => {
    if (bytes.length > facts.limits.inputLimit) return { withheld: bytes.length };
    const whole = bytes.byteOffset === 0 && bytes.byteLength === bytes.buffer.byteLength;
    return whole ? bytes : Uint8Array.prototype.slice.call(bytes);
  });
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
    run: (args, files) => call("run", args, files).then((result) => {
      result.files = fileMap(Object.entries(result.files));
      return result;
    }),
    describe: (name, bytes, options) => call("describe", name, bytes, options),
    listing: (name, bytes, options) => call("listing", name, bytes, options),
    // The worker's formats and limits came with its start: answered here,
    // as copies, without a round trip.
    formats: () => stopped ? Promise.reject(stopped) : Promise.resolve(structuredClone(facts.formats)),
    limits: () => stopped ? Promise.reject(stopped) : Promise.resolve(structuredClone(facts.limits)),
    compose: (request) => call("compose", request),
    convert: (bytes, options) => call("convert", bytes, options),
    // The sounds cross to the worker only when they are not those sent last:
    // both sides keep the last list, in the order the calls are sent.
    similar: (sound, sounds, options) => {
      let message;
      try {
        message = { call: "similar", ...checkSimilar(facts, sound, sounds, options, lastSounds).message };
        if (stopped) throw stopped;
      } catch (error) {
        return Promise.reject(error);
      }
      if (message.sounds !== null) lastSounds = typeof sounds === "string" ? sounds : sounds.slice();
      return send(message).catch((error) => {
        lastSounds = null;
        throw error;
      });
    },
    dispose: () => stop(new VornakError("disposed", "vornak: the engine was disposed"))
  };
  let timer = null;
  const started = send({ call: "start", options: inputLimit === void 0 ? {} : { inputLimit } });
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

// made:vornak:version
var version = "1.10";

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
