
// ---- The engine's interface -------------------------------------------------
// A classic script that follows the emscripten glue (createVornakModule) and
// the WebAssembly binary (vornakWasmBase64). web/build.mjs puts the three into
// one function of web/vornak.mjs, whose text is also the script of the
// workers that createVornakWorker starts, and into the page's worker as they
// are. Its syntax is kept to what every JavaScript engine with WebAssembly
// runs unchanged (no classes, object spread, async functions or optional
// chaining), so that no bundler has reason to rewrite it with helpers defined
// outside that function.

// ---- Text -------------------------------------------------------------------
// The tool prints bytes, and names in banks may hold any byte. Each byte is
// one character by one fixed table, the WHATWG windows-1252 decoding: bytes
// below 0x80 and from 0xA0 up are the characters of the same number, 0x80 to
// 0x9F the windows-1252 characters (or, where it has none, the control
// character of the same number). The 256 characters all differ, so the text
// gives back its bytes (vornakTextToBytes).
var vornakCharacters = (function () {
  var from80 = [
    0x20ac, 0x81, 0x201a, 0x192, 0x201e, 0x2026, 0x2020, 0x2021, 0x2c6, 0x2030, 0x160, 0x2039, 0x152, 0x8d, 0x17d, 0x8f,
    0x90, 0x2018, 0x2019, 0x201c, 0x201d, 0x2022, 0x2013, 0x2014, 0x2dc, 0x2122, 0x161, 0x203a, 0x153, 0x9d, 0x17e, 0x178,
  ];
  var codes = new Uint16Array(256);
  for (var b = 0; b < 256; b++) codes[b] = b >= 0x80 && b < 0xa0 ? from80[b - 0x80] : b;
  return codes;
})();

var vornakByteOfCharacter = (function () {
  var bytes = new Map();
  vornakCharacters.forEach(function (code, byte) { bytes.set(code, byte); });
  return bytes;
})();

function vornakBytesToText(bytes) {
  var view = vornakBytesOf('bytes', bytes);
  if (view.length > 1 << 24 && !vornakTextFits(view.length)) {
    throw vornakMarked(new RangeError('vornak: ' + view.length + ' bytes make more text than a string may hold here'), 'too-large');
  }
  var text = '';
  var chunk = new Uint16Array(8192);
  for (var at = 0; at < view.length; at += chunk.length) {
    var part = view.subarray(at, at + chunk.length);
    for (var i = 0; i < part.length; i++) chunk[i] = vornakCharacters[part[i]];
    text += String.fromCharCode.apply(null, chunk.subarray(0, part.length));
  }
  return text;
}

// Whether this JavaScript engine holds a string of n characters: asked of
// a rope of that length (strings joined without copying their characters).
function vornakTextFits(n) {
  try {
    for (var text = '', piece = 'x'; n > 0; n = Math.floor(n / 2)) {
      if (n % 2) text += piece;
      if (n > 1) piece += piece;
    }
    return true;
  } catch (error) {
    if (error instanceof RangeError) return false;
    throw error;
  }
}

function vornakTextToBytes(text) {
  if (typeof text !== 'string') vornakRefuse('text must be a string, not ' + vornakShow(text));
  var bytes = new Uint8Array(text.length);
  for (var i = 0; i < text.length; i++) {
    var byte = vornakByteOfCharacter.get(text.charCodeAt(i));
    if (byte === undefined) {
      throw vornakMarked(new RangeError('vornak: the character U+' +
        text.charCodeAt(i).toString(16).toUpperCase().padStart(4, '0') + ' at ' + i + ' stands for no byte'), 'bad-option');
    }
    bytes[i] = byte;
  }
  return bytes;
}

// ---- Errors -------------------------------------------------------------------
// Every error the engine throws is a VornakError (`error instanceof
// VornakError`), whose `code` says which it is:
//   bad-option      the call was given something it does not take (a
//                   TypeError; a RangeError from textToBytes)
//   too-large       text longer than a string of this JavaScript engine may be
//                   (a RangeError)
//   disposed        the engine was disposed
//   stopped         the engine failed, or could not start
//   wasm-blocked    WebAssembly may not be compiled here
//   worker-failed   the engine's worker could not be started, or failed
//   worker-timeout  the engine's worker did not start in time
// The caller's mistakes stay TypeErrors (and RangeErrors), as JavaScript's
// own are; the others are made by the VornakError constructor. Either kind
// carries the mark that `instanceof VornakError` looks for.
var vornakMark = typeof Symbol === 'function' ? Symbol.for('vornak.error') : '@@vornak.error';

function vornakMarked(error, code) {
  error.code = code;
  Object.defineProperty(error, vornakMark, { value: true });
  return error;
}

function VornakError(code, message) {
  var error = new Error(message);
  Object.setPrototypeOf(error, VornakError.prototype);
  return vornakMarked(error, code);
}
VornakError.prototype = Object.create(Error.prototype, {
  constructor: { value: VornakError, writable: true, configurable: true },
  name: { value: 'VornakError', writable: true, configurable: true },
});
if (typeof Symbol === 'function' && Symbol.hasInstance) {
  Object.defineProperty(VornakError, Symbol.hasInstance, {
    value: function (value) { return value !== null && typeof value === 'object' && value[vornakMark] === true; },
  });
}

// An error as a worker sends it, and back.
function vornakErrorData(error) {
  var marked = error instanceof VornakError;
  return {
    name: marked && (error.name === 'TypeError' || error.name === 'RangeError') ? error.name : 'VornakError',
    code: marked ? error.code : 'stopped',
    message: String(error && error.message ? error.message : error),
  };
}

function vornakErrorFrom(data) {
  var Type = { TypeError: TypeError, RangeError: RangeError }[data.name];
  return Type ? vornakMarked(new Type(data.message), data.code) : new VornakError(data.code, data.message);
}

// ---- What the caller gives --------------------------------------------------
// Checked before the engine is touched, whether it is running or not; a
// TypeError says what was expected. `facts` are the engine's formats() and
// limits(), by which letters, ranges and names are checked.

function vornakRefusal(message) {
  return vornakMarked(new TypeError('vornak: ' + message), 'bad-option');
}

function vornakRefuse(message) {
  throw vornakRefusal(message);
}

function vornakShow(value) {
  if (typeof value === 'string') return JSON.stringify(value.length > 60 ? value.slice(0, 60) + '…' : value);
  if (value === null || (typeof value !== 'object' && typeof value !== 'function')) return String(value);
  return Object.prototype.toString.call(value);
}

// Options: an object (or nothing) with only the keys listed, answered as a
// plain object of the keys given.
function vornakOptions(what, value, keys) {
  var plain = {};
  if (value === undefined || value === null) return plain;
  if (typeof value !== 'object' || Array.isArray(value)) vornakRefuse(what + ' must be an object, not ' + vornakShow(value));
  Object.keys(value).forEach(function (key) {
    if (keys.indexOf(key) < 0) vornakRefuse('unknown key ' + vornakShow(key) + ' in ' + what + ': the keys are ' + keys.join(', '));
  });
  keys.forEach(function (key) { if (value[key] !== undefined) plain[key] = value[key]; });
  return plain;
}

// A lone half of a surrogate pair has no UTF-8 form: it would reach the
// engine as another character.
var vornakLoneSurrogate = /[\uD800-\uDBFF](?![\uDC00-\uDFFF])|(^|[^\uD800-\uDBFF])[\uDC00-\uDFFF]/;

function vornakCheckText(what, text) {
  if (typeof text !== 'string') vornakRefuse(what + ' must be a string, not ' + vornakShow(text));
  if (text.indexOf('\0') >= 0) vornakRefuse(what + ' holds a NUL character: ' + vornakShow(text));
  if (vornakLoneSurrogate.test(text)) vornakRefuse(what + ' holds half of a surrogate pair: ' + vornakShow(text));
  return text;
}

// The bytes of text as UTF-8, the form in which names reach the engine.
var vornakUtf8 = new TextEncoder();

// Whether a path is longer than the system calls of the tool take it: a
// file name (a part between slashes) of more than `fileNameLength` bytes, or
// a path of more than `pathLength`.
function vornakPathTooLong(path, limits) {
  if (path.length > limits.pathLength || vornakUtf8.encode(path).length > limits.pathLength) return true;
  return path.split('/').some(function (part) {
    return part.length > limits.fileNameLength && vornakUtf8.encode(part).length > limits.fileNameLength;
  });
}

// The command line without the program name.
function vornakArguments(args) {
  if (!Array.isArray(args)) vornakRefuse('args must be an array of strings, not ' + vornakShow(args));
  return args.map(function (arg) { return vornakCheckText('an argument', arg); });
}

// Bytes as given: a Uint8Array, an ArrayBuffer, or any view of one.
function vornakBytesOf(what, value) {
  if (value instanceof Uint8Array) return value;
  if (value instanceof ArrayBuffer) return new Uint8Array(value);
  if (ArrayBuffer.isView(value)) return new Uint8Array(value.buffer, value.byteOffset, value.byteLength);
  return vornakRefuse(what + ' must be a Uint8Array, an ArrayBuffer or a view of one, not ' + vornakShow(value));
}

// Input files: an object or a Map of names to bytes, or nothing. A name is a
// relative path below the run's folder ("bank.syx", "banks/a.syx") that the
// tool's system could hold; no name may be another's folder. Answers
// [{ name, parts, bytes }].
function vornakInputFiles(files, facts) {
  var entries;
  if (files === undefined || files === null) entries = [];
  else if (files instanceof Map) entries = Array.from(files);
  else if (typeof files === 'object' && !Array.isArray(files) && !ArrayBuffer.isView(files) && !(files instanceof ArrayBuffer)) {
    entries = Object.keys(files).map(function (name) { return [name, files[name]]; });
  } else {
    vornakRefuse('files must be an object or a Map of file names to bytes, not ' + vornakShow(files));
  }
  var kinds = new Map();
  function claim(path, kind) {
    if ((kinds.get(path) || kind) !== kind) vornakRefuse(vornakShow(path) + ' is the name of a file and of a folder');
    kinds.set(path, kind);
  }
  return entries.map(function (entry) {
    var name = vornakCheckText('a file name', entry[0]);
    var parts = name.split('/');
    if (parts.some(function (part) { return part === '' || part === '.' || part === '..'; })) {
      vornakRefuse('not a plain relative file name: ' + vornakShow(name));
    }
    if (vornakPathTooLong(name, facts.limits)) {
      vornakRefuse('a file name is too long for the tool\'s system (at most ' + facts.limits.fileNameLength +
        ' bytes between slashes and ' + facts.limits.pathLength + ' in all, as UTF-8): ' + vornakShow(name));
    }
    for (var i = 1; i < parts.length; i++) claim(parts.slice(0, i).join('/'), 'folder');
    claim(name, 'file');
    return { name: name, parts: parts, bytes: vornakBytesOf('the bytes of ' + vornakShow(name), entry[1]) };
  });
}

// The /2.x hint of describe, listing, convert and compose: one of the
// engine's models (limits().models), given by its text or its number; null
// lets the data decide.
function vornakModel(o, facts) {
  var model = o.model;
  if (model === undefined || model === null) return null;
  var models = facts.limits.models;
  var found = models.filter(function (m) { return m.model === model || m.number === model; })[0];
  return found || vornakRefuse('model must be ' + models.map(function (m) { return "'" + m.model + "'"; }).join(' or ') +
    ' (or left out, for the data to decide), not ' + vornakShow(model));
}

// The model as the engine's functions take it: its number, or -1.
function vornakModelNumber(model) {
  return model ? model.number : -1;
}

// The group of /G: 0 for A (the default), 1 for B.
function vornakGroup(o) {
  var group = o.group;
  if (group === undefined || group === null || group === 'A') return 0;
  if (group === 'B') return 1;
  return vornakRefuse("group must be 'A' or 'B', not " + vornakShow(group));
}

function vornakProgramNumber(what, value, fallback) {
  if (value === undefined || value === null) return fallback;
  if (typeof value !== 'number' || Math.floor(value) !== value || value < 0 || value > 2147483647) {
    vornakRefuse(what + ' must be a program number (a whole number from 0), not ' + vornakShow(value));
  }
  return value;
}

// The range of /P: `first` and `last`, not `first` above `last`; either left
// out is the tool's default.
function vornakRange(o, facts) {
  var first = vornakProgramNumber('first', o.first, undefined);
  var last = vornakProgramNumber('last', o.last, undefined);
  if (first !== undefined && last !== undefined && first > last) {
    vornakRefuse('first must not be above last, not ' + first + ' and ' + last);
  }
  return {
    first: first, last: last,
    from: first === undefined ? facts.limits.firstProgram : first,
    to: last === undefined ? facts.limits.lastProgram : last,
  };
}

// An output format by its switch letter, in either case; `other` names
// what else the option may be.
function vornakFormat(what, letter, facts, other) {
  var found = typeof letter === 'string' && letter.length === 1 &&
    facts.formats.filter(function (f) { return f.letter === letter.toUpperCase(); })[0];
  return found || vornakRefuse(what + ' must be ' + (other || '') + 'the switch letter of an output format (' +
    facts.formats.map(function (f) { return f.letter; }).join(', ') + '), not ' + vornakShow(letter));
}

// A slot's program number: any whole number that the engine can take (it
// answers one that the bank does not hold in words).
function vornakWholeNumber(what, value) {
  if (typeof value !== 'number' || Math.floor(value) !== value || value < -2147483648 || value > 2147483647) {
    vornakRefuse(what + ' must be a whole number, not ' + vornakShow(value));
  }
  return value;
}

// A call of run: { args, inputs }.
function vornakRunRequest(args, files, facts) {
  var inputs = vornakInputFiles(files, facts);
  return { args: vornakArguments(args), inputs: inputs };
}

// A call of describe: the file, the options as plain values, and what the
// engine is asked: the values of all programs, of none, or of the numbers
// listed; and the conversion reports of all formats (1), of none (0), or of
// one (its letter's character code).
function vornakDescribeRequest(name, bytes, options, facts) {
  var file = vornakInputFiles(new Map([[name, bytes]]), facts)[0];
  var o = vornakOptions('the options of describe', options, ['model', 'parameters', 'conversions', 'first', 'last', 'group']);
  var parameters = o.parameters === undefined ? true : o.parameters;
  if (typeof parameters !== 'boolean' && !Array.isArray(parameters)) {
    vornakRefuse('parameters must be true, false or an array of program numbers, not ' + vornakShow(parameters));
  }
  var only = [];
  if (Array.isArray(parameters)) {
    // No bank holds more programs: a longer list is refused before it is
    // walked. Every entry is a number (not null, not a hole).
    if (parameters.length > facts.limits.mostPrograms) {
      vornakRefuse('parameters lists ' + parameters.length + ' programs; a bank holds at most ' + facts.limits.mostPrograms);
    }
    for (var i = 0; i < parameters.length; i++) {
      if (!(i in parameters) || parameters[i] === null) vornakRefuse('parameters must list program numbers; entry ' + i + ' is none');
      only.push(vornakProgramNumber('a program number in parameters', parameters[i], 0));
    }
  }
  var conversions = o.conversions === undefined ? true : o.conversions === null ? false : o.conversions;
  if (typeof conversions !== 'boolean') {
    conversions = vornakFormat('conversions', conversions, facts, 'true, false or ').letter.charCodeAt(0);
  }
  var range = vornakRange(o, facts);
  return {
    name: file.name,
    bytes: file.bytes,
    options: o,
    hint: vornakModelNumber(vornakModel(o, facts)),
    only: only,
    count: parameters === true ? -1 : only.length,
    conversions: conversions === true ? 1 : conversions === false ? 0 : conversions,
    first: range.from,
    last: range.to,
    group: vornakGroup(o),
  };
}

// A call of compose, put into the engine's terms: the banks as input files,
// each slot { bank, program, name } with its name as bytes by the rule for
// text, or null. A name that no byte string stands for is a refusal in
// words, as the engine's own refusals are. `request` is the request as plain
// values, as it goes to a worker.
function vornakComposeRequest(request, facts) {
  var o = vornakOptions('the request of compose', request, ['banks', 'programs', 'format', 'model', 'group', 'bankName']);
  var banks = vornakInputFiles(o.banks, facts);
  if (!Array.isArray(o.programs)) vornakRefuse('programs must be an array of slots, not ' + vornakShow(o.programs));
  if (o.programs.length > facts.limits.mostPrograms) {
    vornakRefuse('programs has ' + o.programs.length + ' slots; a bank holds at most ' + facts.limits.mostPrograms + ' programs');
  }
  var refusal = null;
  var nameBytes = function (what, text) {
    vornakCheckText(what, text);
    try {
      return vornakTextToBytes(text);
    } catch (error) {
      refusal = refusal || what.charAt(0).toUpperCase() + what.slice(1) + ' holds a character that a name cannot hold: '
        + JSON.stringify(text) + '.';
      return null;
    }
  };
  var programs = o.programs.map(function (slot) {
    return slot === null || slot === undefined ? null : vornakOptions('a slot', slot, ['bank', 'program', 'name']);
  });
  var slots = programs.map(function (s, i) {
    if (!s) return null;
    return {
      bank: vornakCheckText('the bank of a slot', s.bank),
      program: vornakWholeNumber('the program of a slot', s.program),
      name: s.name === undefined || s.name === null ? null : nameBytes('the name of slot ' + i, s.name),
    };
  });
  var format = vornakFormat('format', o.format === undefined ? facts.limits.defaultFormat : o.format, facts);
  var bankName = o.bankName === undefined || o.bankName === null ? null : nameBytes('the bank name', o.bankName);
  var hint = vornakModelNumber(vornakModel(o, facts));
  var group = vornakGroup(o);
  o.banks = new Map(banks.map(function (f) { return [f.name, f.bytes]; }));
  o.programs = programs;
  return { request: o, banks: banks, slots: slots, format: format, hint: hint, group: group, bankName: bankName, refusal: refusal };
}

// A call of listing: the file and its options as plain values, and the
// tool's command line for them (the switches of the range and the model
// hint, then the file).
function vornakListingRequest(name, bytes, options, facts) {
  var file = vornakInputFiles(new Map([[name, bytes]]), facts)[0];
  var o = vornakOptions('the options of listing', options, ['model', 'first', 'last']);
  var range = vornakRange(o, facts);
  var model = vornakModel(o, facts);
  var args = vornakRangeSwitch(range.first, range.last);
  if (model) args.push('/' + model.model);
  // A name that starts like a switch is given as a path.
  args.push(/^[-/]/.test(file.name) ? './' + file.name : file.name);
  return { name: file.name, bytes: file.bytes, options: o, args: args, inputs: [file] };
}

// The /P switch for a range as the options give it (either end may be left
// out), in a list: none when both are.
function vornakRangeSwitch(first, last) {
  if (first === undefined && last === undefined) return [];
  return ['/P' + (first === undefined ? '' : first) + (last === undefined ? '' : '-' + last)];
}

// A call of similar: the sound, the sounds to search (sounds as describe
// answers them: text without line breaks), and how many to find (5 unless
// asked; at most the sounds a bank of the largest size holds). `same`: the
// sounds are those of the last call (`last`, the list it was given), which
// the engine keeps read.
function vornakSimilarRequest(sound, sounds, options, facts, last) {
  var o = vornakOptions('the options of similar', options, ['count']);
  var isSound = function (what, text) {
    if (typeof text !== 'string' || text.indexOf('\n') >= 0) vornakRefuse(what + ' must be a sound as describe answers it, not ' + vornakShow(text));
    return text;
  };
  isSound('sound', sound);
  if (!Array.isArray(sounds)) vornakRefuse('sounds must be an array of sounds, not ' + vornakShow(sounds));
  var count = o.count === undefined || o.count === null ? 5 : o.count;
  if (typeof count !== 'number' || Math.floor(count) !== count || count < 1 || count > facts.limits.mostPrograms) {
    vornakRefuse('count must be a whole number from 1 to ' + facts.limits.mostPrograms + ', not ' + vornakShow(count));
  }
  var same = !!last && last.length === sounds.length;
  for (var i = 0; i < sounds.length; i++) {
    if (!(i in sounds)) vornakRefuse('sounds must list sounds; entry ' + i + ' is none');
    if (same && last[i] === sounds[i]) continue;
    isSound('a sound in sounds', sounds[i]);
    same = false;
  }
  return { sound: sound, sounds: sounds, count: count, same: same };
}

// A call of convert: the bytes, the options as plain values, the format,
// and the range, group and model that reach the tool where the format takes
// them; `name` is the input's file name ("bank" when left out).
function vornakConvertRequest(bytes, options, facts) {
  var input = vornakBytesOf('bytes', bytes);
  var o = vornakOptions('the options of convert', options, ['to', 'first', 'last', 'group', 'model', 'name', 'names']);
  if (o.to === undefined) vornakRefuse('convert needs the option to: the switch letter of an output format');
  var format = vornakFormat('to', o.to, facts);
  var range = vornakRange(o, facts);
  var model = vornakModel(o, facts);
  var group = vornakGroup(o);
  var name = o.name === undefined || o.name === null ? 'bank' : vornakCheckText('name', o.name);
  if (name === '') vornakRefuse('name must be a file name, not ""');
  // New names for the programs, by their numbers (null or a hole keeps a
  // program's own), as text by the text rule.
  var names = null;
  if (o.names !== undefined && o.names !== null) {
    if (!Array.isArray(o.names) || o.names.length > facts.limits.mostPrograms) {
      vornakRefuse('names must be an array of at most ' + facts.limits.mostPrograms + ' names or nulls, not ' + vornakShow(o.names));
    }
    names = [];
    for (var i = 0; i < o.names.length; i++) {
      var given = o.names[i];
      names.push(given === undefined || given === null ? null : vornakTextToBytes(vornakCheckText('a name in names', given)));
    }
  }
  return {
    names: names,
    range: range,
    groupNumber: group,
    hint: vornakModelNumber(model),
    bytes: input,
    options: o,
    format: format,
    first: format.range ? range.first : undefined,
    last: format.range ? range.last : undefined,
    group: format.group && group === 1 ? 'B' : undefined,
    model: model ? model.model : undefined,
    name: name,
  };
}

// The name of a converted file: the input's name with the format's
// extension in place of its own.
function vornakOutputName(name, format) {
  return name.replace(/([^/])\.[^./]*$/, '$1') + format.extension;
}

// Files as answers hold them: names to bytes in an object without a
// prototype, so that no name ("constructor", "__proto__") finds anything
// but a file.
function vornakFileMap(entries) {
  var files = Object.create(null);
  entries.forEach(function (entry) {
    Object.defineProperty(files, entry.name, { value: entry.bytes, enumerable: true, writable: true, configurable: true });
  });
  return files;
}

// The options of an engine: `inputLimit`, the most an input may bring (by
// default the engine's own, what the tool allows a pipe).
function vornakEngineOptions(options, keys) {
  var o = vornakOptions('the options of the engine', options, keys || ['inputLimit']);
  var limit = o.inputLimit;
  if (limit !== undefined && (typeof limit !== 'number' || !(limit >= 0) || (limit !== Infinity && Math.floor(limit) !== limit))) {
    vornakRefuse('inputLimit must be a whole number of bytes, 0 or more, or Infinity, not ' + vornakShow(limit));
  }
  return o;
}

// ---- The engine -------------------------------------------------------------

// The WebAssembly binary: kept gzipped in base64, inflated by the
// platform's DecompressionStream (browsers, workers and node alike).
function vornakWasmBytes() {
  var text = atob(vornakWasmGzipBase64);
  var bytes = new Uint8Array(text.length);
  for (var i = 0; i < text.length; i++) bytes[i] = text.charCodeAt(i);
  var inflated = new Blob([bytes]).stream().pipeThrough(new DecompressionStream('gzip'));
  return new Response(inflated).arrayBuffer();
}

// The WebAssembly, compiled once for all engines made here. A compiler that
// refuses bytes that are valid is forbidden to compile them (a
// Content-Security-Policy without 'wasm-unsafe-eval').
var vornakCompiled = null;
function vornakCompile() {
  if (!vornakCompiled) {
    vornakCompiled = new Promise(function (resolve) {
      if (typeof WebAssembly !== 'object') throw new EvalError('there is no WebAssembly');
      resolve(vornakWasmBytes().then(function (bytes) { return WebAssembly.compile(bytes); }));
    }).catch(function (error) {
      vornakCompiled = null;
      var refused = error instanceof EvalError || (typeof WebAssembly === 'object' && error instanceof WebAssembly.CompileError);
      if (!refused) throw error;
      throw new VornakError('wasm-blocked', 'vornak: WebAssembly may not be compiled here (' + error.message + '); a page ' +
        "with a Content-Security-Policy needs 'wasm-unsafe-eval' in script-src (and a worker's script, in its own policy)");
    });
  }
  return vornakCompiled;
}

// An error that is not the engine's own, as the engine stopping.
function vornakStopped(error, what) {
  if (error instanceof VornakError) return error;
  return new VornakError('stopped', 'vornak: the engine ' + what + ': ' + (error && error.message ? error.message : error));
}

// Collects standard output byte by byte, as the engine writes it.
function vornakByteSink() {
  var bytes = new Uint8Array(1 << 16);
  var length = 0;
  return {
    push: function (byte) {
      if (length === bytes.length) {
        var larger = new Uint8Array(bytes.length * 2);
        larger.set(bytes);
        bytes = larger;
      }
      bytes[length++] = byte;
    },
    take: function () {
      var taken = bytes.slice(0, length);
      length = 0;
      return taken;
    },
  };
}

// Creates an engine on this thread (see createVornak in web/engine/module.js):
// each call of `run` is one run of the vornak tool, in a folder of its own
// that holds the input files and nothing else, with the bank in its start-up
// state, as a new process of the tool would have them.
function createVornak(options) {
  return new Promise(function (resolve, reject) {
    var o = vornakEngineOptions(options);
    var sink = vornakByteSink();
    var quiet = function () {};
    vornakCompile().then(function (compiled) {
      return createVornakModule({
        instantiateWasm: function (imports, receive) {
          WebAssembly.instantiate(compiled, imports).then(function (instance) { receive(instance, compiled); }, reject);
          return {};
        },
        print: quiet,
        printErr: quiet,
        stdin: function () { return null; },
        stdout: function (byte) { if (byte !== null) sink.push(byte); },
        stderr: quiet,
      });
    }).then(function (module) {
      resolve(vornakEngineOver(module, sink, o.inputLimit));
    }).catch(reject);
  }).catch(function (error) {
    throw vornakStopped(error, 'could not start');
  });
}

// Prepares the engine's file system for runs in a folder of their own:
// `run.folder` is the node of the folder of the run under way (null between
// runs). These functions belong to the file system: the engine lets go of
// them with it.
function vornakSealFileSystem(FS, run, limits) {
  var EACCES = 2; // emscripten's error numbers are WASI's
  var ENAMETOOLONG = 37;
  var ENOTDIR = 54;
  var ENXIO = 60;

  // Of the devices, the engine has the null device and the standard streams:
  // standard input is empty, standard output is the run's, standard error is
  // dropped. Any other (a terminal, the random devices) is not attached, so
  // that no run reads from outside the engine or waits for an endless input.
  FS.readdir('/dev').forEach(function (name) {
    var node = FS.lookupPath('/dev/' + name).node;
    if (!FS.isChrdev(node.mode) || ['null', 'stdin', 'stdout', 'stderr'].indexOf(name) >= 0) return;
    FS.registerDevice(node.rdev, { open: function () { throw new FS.ErrnoError(ENXIO); } });
  });

  // Paths as the tool's system takes them, checked where every path is
  // looked up and where open and rename get theirs, before they take them
  // apart. A path too long for the system is refused. And the system
  // resolves a path part by part, so that "a/", "a/." and "a/../b" need a
  // folder "a"; the memory file system drops those parts first, and would
  // take a file "a", or none, as if it were that folder.
  var lookupPath = FS.lookupPath;
  function checkPath(path) {
    if (!run.folder || typeof path !== 'string') return;
    if (vornakPathTooLong(path, limits)) throw new FS.ErrnoError(ENAMETOOLONG);
    if (!/(^|\/)\.{0,2}(\/|$)/.test(path)) return;
    var parts = path.split('/');
    for (var i = 1; i < parts.length; i++) {
      var folder = parts.slice(0, i).join('/');
      if (folder !== '' && (parts[i] === '' || parts[i] === '.' || parts[i] === '..') &&
          !FS.isDir(lookupPath(folder, { follow: true }).node.mode)) {
        throw new FS.ErrnoError(ENOTDIR);
      }
    }
  }
  ['lookupPath', 'open', 'rename'].forEach(function (name) {
    var call = FS[name];
    FS[name] = function (path, other) {
      checkPath(path);
      if (name === 'rename') checkPath(other);
      return call.apply(FS, arguments);
    };
  });

  // The run's folder is the only place a run may change. Everywhere else the
  // file system is read-only to it, as to a process that owns only its working
  // folder: creating, replacing, removing, opening for writing or changing a
  // file's attributes there is refused, which the tool answers as the failed
  // export it is. So nothing a run does outlives it but through its answer.
  function inRunFolder(node) {
    for (;;) {
      if (node === run.folder) return true;
      if (!node || node.parent === node) return false;
      node = node.parent;
    }
  }
  var nodePermissions = FS.nodePermissions;
  FS.nodePermissions = function (node, perms) {
    if (run.folder && perms.indexOf('w') >= 0 && !inRunFolder(node)) return EACCES;
    return nodePermissions(node, perms);
  };
  ['chmod', 'chown', 'utime'].forEach(function (name) {
    var change = FS[name];
    FS[name] = function (path) {
      if (run.folder && !inRunFolder(typeof path === 'string' ? FS.lookupPath(path, { follow: true }).node : path)) {
        throw new FS.ErrnoError(EACCES);
      }
      return change.apply(FS, arguments);
    };
  });

  // The memory file system keeps a folder's entries in a plain object, where
  // names such as "__proto__" or "hasOwnProperty" are not just names. Folders
  // get objects without a prototype instead, and their listing no longer
  // asks the object for its own methods.
  var MEMFS = FS.filesystems.MEMFS;
  var folderOps = MEMFS.ops_table.dir.node;
  function withoutPrototype(node) {
    if (node.node_ops === folderOps) node.contents = Object.assign(Object.create(null), node.contents);
    return node;
  }
  var createNode = MEMFS.createNode;
  MEMFS.createNode = function () { return withoutPrototype(createNode.apply(MEMFS, arguments)); };
  folderOps.readdir = function (node) { return ['.', '..'].concat(Object.keys(node.contents)); };
  (function convert(node) {
    withoutPrototype(node);
    if (node.node_ops === folderOps) Object.keys(node.contents).forEach(function (name) { convert(node.contents[name]); });
  })(FS.lookupPath('/').node);
}

function vornakEngineOver(module, sink, inputLimit) {
  var FS = module.FS;
  var runs = 0;
  var stopped = null;
  var current = { folder: null };

  // The engine's JSON answer at `at`, decoded by the one rule for text.
  function answerAt(at) {
    var heap = module.HEAPU8;
    return JSON.parse(vornakBytesToText(heap.subarray(at, heap.indexOf(0, at))));
  }

  if (inputLimit !== undefined) module._vornak_limit_input(Math.min(inputLimit, 4294967295));
  var limits = answerAt(module._vornak_limits());
  if (inputLimit !== undefined) limits.inputLimit = inputLimit;
  var facts = { formats: answerAt(module._vornak_formats()), limits: limits };
  vornakSealFileSystem(FS, current, limits);

  function live() {
    if (stopped) throw stopped;
  }

  function removeTree(path) {
    if (FS.isDir(FS.lstat(path).mode)) {
      FS.readdir(path).forEach(function (entry) {
        if (entry !== '.' && entry !== '..') removeTree(path + '/' + entry);
      });
      FS.rmdir(path);
    } else {
      FS.unlink(path);
    }
  }

  // The files below `dir` (by their names relative to it) that are not the
  // inputs as given: new files, and inputs replaced or changed.
  function writtenFiles(dir, given) {
    var found = [];
    (function walk(path, name) {
      var node = FS.lookupPath(path).node;
      if (FS.isDir(node.mode)) {
        Object.keys(node.contents).forEach(function (entry) { walk(path + '/' + entry, name ? name + '/' + entry : entry); });
      } else if (FS.isFile(node.mode)) {
        var input = given.get(name);
        if (!input || input.node !== node || input.contents !== node.contents) found.push({ name: name, bytes: FS.readFile(path) });
      }
    })(dir, '');
    return vornakFileMap(found);
  }

  // Runs `work` in a new folder that holds the input files (checked); answers
  // its result with the output and the files the run wrote, and removes the
  // folder. Anything unexpected on the way leaves the engine stopped, never
  // half set.
  function inFolder(inputs, work) {
    try {
      var dir = '/run' + ++runs;
      var node = FS.mkdir(dir);
      var given = new Map();
      inputs.forEach(function (input) {
        var path = dir;
        input.parts.slice(0, -1).forEach(function (part) {
          path += '/' + part;
          if (!FS.analyzePath(path).exists) FS.mkdir(path);
        });
        // The file takes the caller's bytes without a copy: the tool writes
        // a file only once it has created or emptied it, never into bytes it
        // found there.
        path += '/' + input.parts[input.parts.length - 1];
        FS.writeFile(path, input.bytes, { canOwn: true });
        var file = FS.lookupPath(path).node;
        given.set(input.name, { node: file, contents: file.contents });
      });
      sink.take();
      FS.chdir(dir);
      current.folder = node;
      var result;
      try {
        result = work();
      } finally {
        current.folder = null;
      }
      var stdoutBytes = sink.take();
      result.stdout = vornakBytesToText(stdoutBytes);
      result.stdoutBytes = stdoutBytes;
      result.files = writtenFiles(dir, given);
      FS.chdir('/');
      removeTree(dir);
      return result;
    } catch (error) {
      stopped = vornakStopped(error, 'stopped');
      throw stopped;
    }
  }

  // Copies whole numbers into the engine's memory; answers the block, to be
  // freed.
  function allocInts(numbers) {
    var block = module._malloc(4 * Math.max(numbers.length, 1));
    module.HEAP32.set(numbers, block >> 2);
    return block;
  }

  // Copies byte strings (Uint8Array, or null for a null pointer) into the
  // engine's memory, NUL-terminated, with the array of pointers in front.
  function allocByteStrings(list) {
    var total = list.reduce(function (n, b) { return n + (b ? b.length + 1 : 0); }, 4 * list.length);
    var block = module._malloc(Math.max(total, 4));
    var at = block + 4 * list.length;
    list.forEach(function (b, i) {
      module.HEAPU32[(block >> 2) + i] = b ? at : 0;
      if (!b) return;
      module.HEAPU8.set(b, at);
      module.HEAPU8[at + b.length] = 0;
      at += b.length + 1;
    });
    return block;
  }

  // Copies strings into the engine's memory as UTF-8, NUL-terminated, with
  // an array of pointers to them in front (argv); answers the block, to be
  // freed.
  function allocStrings(strings) {
    return allocByteStrings(strings.map(function (s) { return vornakUtf8.encode(s); }));
  }

  function withFreed(blocks, work) {
    try {
      return work();
    } finally {
      blocks.forEach(function (b) { if (b) module._free(b); });
    }
  }

  // A call that answers in JSON keeps nothing of its run's output.
  function answerOnly(result) {
    delete result.stdout;
    delete result.stdoutBytes;
    delete result.files;
    return result;
  }

  // The bytes a call left at vornak_bytes() when it succeeded (`size` of
  // them), in place of `size`; null when it failed.
  function withBytes(answer) {
    var at = module._vornak_bytes();
    answer.bytes = answer.exitCode === 0 ? module.HEAPU8.slice(at, at + answer.size) : null;
    delete answer.size;
    return answer;
  }

  // The answers of the engine's functions, beside their exit code: `ok`,
  // whether it is 0.
  function answered(answer) {
    return Object.assign({ ok: answer.exitCode === 0 }, answer);
  }

  // The work of run, describe and compose on what the caller gave, checked.
  function runOn(args, inputs) {
    var argv = ['vornak'].concat(args);
    return inFolder(inputs, function () {
      var block = allocStrings(argv);
      return withFreed([block], function () {
        var exitCode = module._vornak_run(argv.length, block);
        return { ok: exitCode === 0, exitCode: exitCode };
      });
    });
  }

  function describeOn(asked) {
    var result = inFolder([{ name: asked.name, parts: asked.name.split('/'), bytes: asked.bytes }], function () {
      var block = allocStrings([asked.name]);
      var numbers = allocInts(asked.only);
      return withFreed([block, numbers], function () {
        return answered(answerAt(module._vornak_describe(module.HEAPU32[block >> 2], asked.hint, numbers, asked.count,
          asked.conversions, asked.first, asked.last, asked.group)));
      });
    });
    return answerOnly(result);
  }

  function run(args, files) {
    var asked = vornakRunRequest(args, files, facts);
    live();
    return runOn(asked.args, asked.inputs);
  }

  function describe(name, bytes, options) {
    var asked = vornakDescribeRequest(name, bytes, options, facts);
    live();
    return describeOn(asked);
  }

  function formats() {
    live();
    return answerAt(module._vornak_formats());
  }

  function limitsNow() {
    live();
    return Object.assign({}, limits);
  }

  // A bank built from programs of the banks given, written in a format.
  function compose(request) {
    var r = vornakComposeRequest(request, facts);
    live();
    if (r.refusal) return { ok: false, exitCode: 1, reason: 'bad-request', message: r.refusal, bytes: null };
    var result = inFolder(r.banks, function () {
      var blocks = [];
      var strings = function (list) {
        var block = allocByteStrings(list);
        blocks.push(block);
        return block;
      };
      var numbers = allocInts(r.slots.map(function (s) { return s ? s.program : 0; }));
      blocks.push(numbers);
      return withFreed(blocks, function () {
        var names = strings(r.banks.map(function (b) { return vornakUtf8.encode(b.name); }));
        var slotBanks = strings(r.slots.map(function (s) { return s ? vornakUtf8.encode(s.bank) : null; }));
        var slotNames = strings(r.slots.map(function (s) { return s && s.name ? s.name : null; }));
        var bankName = r.bankName ? strings([r.bankName]) : 0;
        return withBytes(answered(answerAt(module._vornak_compose(r.banks.length, names, r.slots.length, slotBanks, numbers,
          slotNames, r.format.letter.charCodeAt(0), r.hint, r.group, bankName ? module.HEAPU32[bankName >> 2] : 0))));
      });
    });
    return answerOnly(result);
  }

  // A bank written in another format by the tool's own run (so the bytes
  // are exactly the tool's), with what describe says the file keeps of it
  // and notes about the input. A file that does not load answers the
  // tool's exit code and message and describe's reason and explanation, and
  // no bytes.
  function convert(bytes, options) {
    var o = vornakConvertRequest(bytes, options, facts);
    live();
    var format = o.format;
    // Only the options that the format takes reach the tool and describe.
    var output = 'output' + format.extension;
    var args = ['/' + format.letter + output].concat(vornakRangeSwitch(o.first, o.last));
    if (o.group) args.push('/G' + o.group);
    if (o.model) args.push('/' + o.model);
    args.push('input');
    var input = [{ name: 'input', parts: ['input'], bytes: o.bytes }];
    var described = describeOn(vornakDescribeRequest('input', o.bytes,
      { model: o.model, parameters: false, conversions: format.letter, first: o.first, last: o.last, group: o.group }, facts));
    if (!described.ok) return notConverted(described.exitCode, described.reason, described.message, described.explanation);
    if (o.names) return convertNamed(o, input, described);
    var ran = runOn(args, input);
    var written = ran.files[output];
    if (ran.exitCode !== 0 || !written) {
      var failure = answerAt(module._vornak_export_failure());
      return notConverted(ran.exitCode || 1, failure.reason, '', failure.explanation);
    }
    return converted(o, described, written);
  }

  // The answers of convert: the file written, with what describe said it
  // keeps and the input's notes; or why not, and no bytes.
  function converted(o, described, bytes) {
    return { ok: true, exitCode: 0, reason: '', message: '', explanation: '', bytes: bytes,
      fileName: vornakOutputName(o.name, o.format), keeps: described.conversions[0], notes: described.notes };
  }

  function notConverted(exitCode, reason, message, explanation) {
    return { ok: false, exitCode: exitCode, reason: reason, message: message, explanation: explanation, bytes: null };
  }

  // The tool's listing of a bank, as it prints it (its banner first), or its
  // message for a file it cannot read.
  function listing(name, bytes, options) {
    var asked = vornakListingRequest(name, bytes, options, facts);
    live();
    var ran = runOn(asked.args, asked.inputs);
    return { ok: ran.ok, exitCode: ran.exitCode, text: ran.stdout };
  }

  // A conversion with new names for programs: the bank written by the
  // format's writer, as the tool writes it, with the names given.
  function convertNamed(o, input, described) {
    var answer = inFolder(input, function () {
      var path = allocStrings(['input']);
      var names = allocByteStrings(o.names);
      return withFreed([path, names], function () {
        return withBytes(answerAt(module._vornak_write_named(module.HEAPU32[path >> 2], o.hint, o.format.letter.charCodeAt(0),
          o.range.from, o.range.to, o.groupNumber, o.names.length, names)));
      });
    });
    if (answer.exitCode !== 0) return notConverted(answer.exitCode, answer.reason, answer.message, answer.message);
    return converted(o, described, answer.bytes);
  }

  // The sounds among `sounds` nearest to `sound`, nearest first, by the
  // distance the engine measures over every value of the programs. The
  // sounds are copied into the engine and read once: a later call with the
  // same sounds (as a list of equal strings) searches them again at once.
  var lastSounds = null;
  function similar(sound, sounds, options) {
    var asked = vornakSimilarRequest(sound, sounds, options, facts, lastSounds);
    live();
    var blocks = [];
    return withFreed(blocks, function () {
      var target = allocStrings([asked.sound]);
      blocks.push(target);
      var list = 0;
      var size = 0;
      if (!asked.same) {
        var bytes = vornakUtf8.encode(asked.sounds.join('\n'));
        size = bytes.length;
        list = module._malloc(Math.max(size, 1));
        blocks.push(list);
        module.HEAPU8.set(bytes, list);
        lastSounds = asked.sounds.slice();
      }
      return answerAt(module._vornak_similar(module.HEAPU32[target >> 2], list, size, asked.count));
    });
  }

  // Lets go of the engine's memory; any later call throws.
  function dispose() {
    stopped = new VornakError('disposed', 'vornak: the engine was disposed');
    module = FS = null;
  }

  return {
    run: run, describe: describe, listing: listing, formats: formats, limits: limitsNow, compose: compose, convert: convert,
    similar: similar,
    dispose: dispose,
  };
}

// ---- The worker's side of createVornakWorker --------------------------------
// One engine, made by the first request; requests are answered in order:
//   { id, call: 'start', options }                    -> { id, result: { formats, limits } }
//   { id, call: 'run', args, files }                  -> { id, result }
//   { id, call: 'describe', name, bytes, options }    -> { id, result }
//   { id, call: 'formats' }                           -> { id, result }
//   { id, call: 'limits' }                            -> { id, result }
//   { id, call: 'compose', request }                  -> { id, result }
//   { id, call: 'convert', bytes, options }           -> { id, result }
//   { id, call: 'listing', name, bytes, options }     -> { id, result }
//   { id, call: 'similar', sound, sounds, options }   -> { id, result }
//     (sounds null: those of the last call)
// or { id, error: { name, code, message } }. The bytes of an answer are
// transferred. `port` is the worker's global scope, or node's parentPort.
function vornakServe(port) {
  var engine = null;
  function answer(id, settle) {
    try {
      var result = settle();
      port.postMessage({ id: id, result: result }, vornakBuffersOf(result));
    } catch (error) {
      port.postMessage({ id: id, error: vornakErrorData(error) });
    }
  }
  var calls = {
    run: function (r) { return engine.run(r.args, r.files); },
    describe: function (r) { return engine.describe(r.name, r.bytes, r.options); },
    formats: function () { return engine.formats(); },
    limits: function () { return engine.limits(); },
    compose: function (r) { return engine.compose(r.request); },
    convert: function (r) { return engine.convert(r.bytes, r.options); },
    listing: function (r) { return engine.listing(r.name, r.bytes, r.options); },
    similar: function (r) {
      if (r.sounds !== null) lastSounds = r.sounds;
      return engine.similar(r.sound, lastSounds, r.options);
    },
  };
  var lastSounds = [];
  function handle(request) {
    if (request === null || typeof request !== 'object' || typeof request.id !== 'number') return;
    if (request.call === 'start' && !engine) {
      createVornak(request.options).then(
        function (made) {
          engine = made;
          answer(request.id, function () { return { formats: made.formats(), limits: made.limits() }; });
        },
        function (error) { answer(request.id, function () { throw error; }); });
    } else {
      answer(request.id, function () {
        if (!engine || !calls[request.call]) throw new VornakError('worker-failed', 'vornak: no such request: ' + request.call);
        return calls[request.call](request);
      });
    }
  }
  if (typeof port.on === 'function') port.on('message', handle);
  else port.addEventListener('message', function (event) { handle(event.data); });
}

// The buffers of the bytes in a request or an answer, once each, that can
// be handed over to another thread.
function vornakBuffersOf(value, into) {
  into = into || new Set();
  if (ArrayBuffer.isView(value)) {
    if (value.buffer instanceof ArrayBuffer) into.add(value.buffer);
  } else if (value instanceof Map) {
    value.forEach(function (v) { vornakBuffersOf(v, into); });
  } else if (value !== null && typeof value === 'object') {
    Object.keys(value).forEach(function (key) { vornakBuffersOf(value[key], into); });
  }
  return Array.from(into);
}

// What web/vornak.mjs takes from this script.
var vornakExports = {
  createVornak: createVornak,
  serve: vornakServe,
  bytesToText: vornakBytesToText,
  textToBytes: vornakTextToBytes,
  VornakError: VornakError,
  errorFrom: vornakErrorFrom,
  engineOptions: vornakEngineOptions,
  refuse: vornakRefuse,
  refusal: vornakRefusal,
  fileMap: vornakFileMap,
  buffersOf: vornakBuffersOf,
  // The checks of each call, as the calling side of a worker makes them:
  // each answers the call's arguments as they are sent.
  requests: {
    run: function (facts, args, files) {
      var r = vornakRunRequest(args, files, facts);
      return { args: r.args, files: new Map(r.inputs.map(function (f) { return [f.name, f.bytes]; })) };
    },
    describe: function (facts, name, bytes, options) {
      var r = vornakDescribeRequest(name, bytes, options, facts);
      return { name: r.name, bytes: r.bytes, options: r.options };
    },
    formats: function () { return {}; },
    limits: function () { return {}; },
    compose: function (facts, request) {
      return { request: vornakComposeRequest(request, facts).request };
    },
    convert: function (facts, bytes, options) {
      var r = vornakConvertRequest(bytes, options, facts);
      return { bytes: r.bytes, options: r.options };
    },
    listing: function (facts, name, bytes, options) {
      var r = vornakListingRequest(name, bytes, options, facts);
      return { name: r.name, bytes: r.bytes, options: r.options };
    },
    // The sounds cross to the worker only when they differ from the last
    // ones sent (`last`).
    similar: function (facts, sound, sounds, options, last) {
      var r = vornakSimilarRequest(sound, sounds, options, facts, last);
      return { sound: r.sound, sounds: r.same ? null : r.sounds, options: r.options || options };
    },
  },
};
