
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
  var text = '';
  var chunk = new Uint16Array(8192);
  for (var at = 0; at < view.length; at += chunk.length) {
    var part = view.subarray(at, at + chunk.length);
    for (var i = 0; i < part.length; i++) chunk[i] = vornakCharacters[part[i]];
    text += String.fromCharCode.apply(null, chunk.subarray(0, part.length));
  }
  return text;
}

function vornakTextToBytes(text) {
  if (typeof text !== 'string') vornakRefuse('text must be a string, not ' + vornakShow(text));
  var bytes = new Uint8Array(text.length);
  for (var i = 0; i < text.length; i++) {
    var byte = vornakByteOfCharacter.get(text.charCodeAt(i));
    if (byte === undefined) {
      throw new RangeError('vornak: the character U+' + text.charCodeAt(i).toString(16).toUpperCase().padStart(4, '0') +
        ' at ' + i + ' stands for no byte');
    }
    bytes[i] = byte;
  }
  return bytes;
}

// ---- What the caller gives --------------------------------------------------
// Checked before the engine is touched; a TypeError says what was expected.

function vornakRefuse(message) {
  throw new TypeError('vornak: ' + message);
}

function vornakShow(value) {
  if (typeof value === 'string') return JSON.stringify(value);
  if (value === null || (typeof value !== 'object' && typeof value !== 'function')) return String(value);
  return Object.prototype.toString.call(value);
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
// relative path below the run's folder ("bank.syx", "banks/a.syx"); no name
// may be another's folder. Answers [{ name, parts, bytes }].
function vornakInputFiles(files) {
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
    for (var i = 1; i < parts.length; i++) claim(parts.slice(0, i).join('/'), 'folder');
    claim(name, 'file');
    return { name: name, parts: parts, bytes: vornakBytesOf('the bytes of ' + vornakShow(name), entry[1]) };
  });
}

function vornakOptionsObject(what, options) {
  if (options === undefined || options === null) return {};
  if (typeof options !== 'object') vornakRefuse(what + ' must be an object, not ' + vornakShow(options));
  return options;
}

// The /2.x hint of describe and compose: -1 lets the data decide.
function vornakModelHint(options) {
  var model = vornakOptionsObject('the options', options).model;
  if (model === undefined || model === null) return -1;
  if (model === '2.2' || model === 2) return 2;
  if (model === '2.3' || model === 3) return 3;
  return vornakRefuse("model must be '2.2' or '2.3' (or left out, for the data to decide), not " + vornakShow(model));
}

// The range and group of /P and /G, as describe and compose take them.
function vornakGroup(options) {
  var group = vornakOptionsObject('the options', options).group;
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

// A slot's program number: any whole number that the engine can take (it
// answers one that the bank does not hold in words).
function vornakWholeNumber(what, value) {
  if (typeof value !== 'number' || Math.floor(value) !== value || value < -2147483648 || value > 2147483647) {
    vornakRefuse(what + ' must be a whole number, not ' + vornakShow(value));
  }
  return value;
}

// Which conversion reports describe answers: all (true, the default), none
// (false), or one format's, by its switch letter.
function vornakConversions(value) {
  if (value === undefined || value === true) return 1;
  if (value === false || value === null) return 0;
  if (typeof value === 'string' && /^[A-Za-z]$/.test(value)) return value.toUpperCase().charCodeAt(0);
  return vornakRefuse('conversions must be true, false or an output switch letter, not ' + vornakShow(value));
}

// What describe answers beside the bank's facts: the values of all programs,
// of none, or of the numbers listed; and the conversion reports.
function vornakDescribeRequest(options) {
  var o = vornakOptionsObject('the options of describe', options);
  var parameters = o.parameters === undefined ? true : o.parameters;
  if (typeof parameters !== 'boolean' && !Array.isArray(parameters)) {
    vornakRefuse('parameters must be true, false or an array of program numbers, not ' + vornakShow(parameters));
  }
  var only = Array.isArray(parameters)
    ? parameters.map(function (p) { return vornakProgramNumber('a program number in parameters', p, 0); }) : [];
  return {
    hint: vornakModelHint(o),
    only: only,
    count: parameters === true ? -1 : only.length,
    conversions: vornakConversions(o.conversions),
    first: vornakProgramNumber('first', o.first, 0),
    last: vornakProgramNumber('last', o.last, 255),
    group: vornakGroup(o),
  };
}

// The most an input may bring; by default what the tool allows a pipe.
var vornakDefaultInputLimit = 1073741824;

function vornakInputLimit(options) {
  var limit = vornakOptionsObject('the options of the engine', options).inputLimit;
  if (limit === undefined) return vornakDefaultInputLimit;
  if (typeof limit !== 'number' || !(limit >= 0) || (limit !== Infinity && Math.floor(limit) !== limit)) {
    vornakRefuse('inputLimit must be a whole number of bytes, 0 or more, or Infinity, not ' + vornakShow(limit));
  }
  return limit;
}

// ---- The engine -------------------------------------------------------------

function vornakWasmBytes() {
  var text = atob(vornakWasmBase64);
  var bytes = new Uint8Array(text.length);
  for (var i = 0; i < text.length; i++) bytes[i] = text.charCodeAt(i);
  return bytes;
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
  var limit;
  try {
    limit = vornakInputLimit(options);
  } catch (error) {
    return Promise.reject(error);
  }
  var sink = vornakByteSink();
  var quiet = function () {};
  return createVornakModule({
    wasmBinary: vornakWasmBytes(),
    print: quiet,
    printErr: quiet,
    stdin: function () { return null; },
    stdout: function (byte) { if (byte !== null) sink.push(byte); },
    stderr: quiet,
  }).then(function (module) {
    return vornakEngineOver(module, sink, limit);
  });
}

// Prepares the engine's file system for runs in a folder of their own:
// `run.folder` is the node of the folder of the run under way (null between
// runs), and every file the run writes is added to `run.written`. These
// functions belong to the file system: the engine lets go of them with it.
function vornakSealFileSystem(FS, run) {
  var EACCES = 2; // emscripten's error numbers are WASI's
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

  // The files a run writes: every file opened for writing, and every name a
  // file was renamed to (exports go through a temporary file), by absolute
  // path.
  var open = FS.open;
  FS.open = function (path, flags) {
    var stream = open.apply(FS, arguments);
    if (run.folder && typeof flags === 'number' && (flags & 3) !== 0) run.written.add(FS.getPath(stream.node)); // O_WRONLY or O_RDWR
    return stream;
  };
  var rename = FS.rename;
  FS.rename = function (from, to) {
    rename(from, to);
    if (run.folder) run.written.add(FS.getPath(FS.lookupPath(to).node));
  };

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

function vornakEngineOver(module, sink, limit) {
  var FS = module.FS;
  var encoder = new TextEncoder();
  var runs = 0;
  var stopped = null;
  var current = { folder: null, written: new Set() };

  module._vornak_limit_input(Math.min(limit, 4294967295));
  vornakSealFileSystem(FS, current);

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

  // Runs `work` in a new folder that holds the files; answers its result with
  // the output and the files the run wrote, and removes the folder. Anything
  // unexpected on the way leaves the engine stopped, never half set.
  function inFolder(files, work) {
    if (stopped) throw stopped;
    var inputs = vornakInputFiles(files);
    try {
      var dir = '/run' + ++runs;
      var node = FS.mkdir(dir);
      inputs.forEach(function (input) {
        var path = dir;
        input.parts.slice(0, -1).forEach(function (part) {
          path += '/' + part;
          if (!FS.analyzePath(path).exists) FS.mkdir(path);
        });
        // The file takes the caller's bytes without a copy: the tool writes
        // a file only once it has created or emptied it, never into bytes it
        // found there.
        FS.writeFile(path + '/' + input.parts[input.parts.length - 1], input.bytes, { canOwn: true });
      });
      current.written.clear();
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
      result.files = {};
      current.written.forEach(function (path) {
        var found = FS.analyzePath(path);
        if (!found.exists || !FS.isFile(found.object.mode)) return; // a temporary file, renamed or removed
        if (path.indexOf(dir + '/') !== 0) throw new Error('a file was written outside the run: ' + path);
        Object.defineProperty(result.files, path.slice(dir.length + 1),
          { value: FS.readFile(path), enumerable: true, writable: true, configurable: true });
      });
      FS.chdir('/');
      removeTree(dir);
      return result;
    } catch (error) {
      stopped = new Error('vornak: the engine stopped: ' + (error && error.message ? error.message : error));
      throw stopped;
    }
  }

  // Copies strings into the engine's memory, NUL-terminated, with an array of
  // pointers to them in front (argv); answers the block, to be freed.
  function allocStrings(strings) {
    return allocByteStrings(strings.map(function (s) { return encoder.encode(s); }));
  }

  function run(args, files) {
    var argv = ['vornak'].concat(vornakArguments(args));
    return inFolder(files, function () {
      var block = allocStrings(argv);
      try {
        return { exitCode: module._vornak_run(argv.length, block) };
      } finally {
        module._free(block);
      }
    });
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

  // The engine's JSON answer at `at`, decoded by the one rule for text.
  function answerAt(at) {
    var heap = module.HEAPU8;
    return JSON.parse(vornakBytesToText(heap.subarray(at, heap.indexOf(0, at))));
  }

  function withFreed(blocks, work) {
    try {
      return work();
    } finally {
      blocks.forEach(function (b) { if (b) module._free(b); });
    }
  }

  function describe(name, bytes, options) {
    var asked = vornakDescribeRequest(options);
    var result = inFolder(new Map([[name, bytes]]), function () {
      var block = allocStrings([name]);
      var numbers = allocInts(asked.only);
      return withFreed([block, numbers], function () {
        return answerAt(module._vornak_describe(module.HEAPU32[block >> 2], asked.hint, numbers, asked.count,
          asked.conversions, asked.first, asked.last, asked.group));
      });
    });
    delete result.stdout;
    delete result.stdoutBytes;
    delete result.files;
    return result;
  }

  function formats() {
    if (stopped) throw stopped;
    return answerAt(module._vornak_formats());
  }

  // A bank built from programs of the banks given, written in a format.
  function compose(request) {
    var r = vornakComposeRequest(request);
    if (r.refusal) return { exitCode: 1, message: r.refusal, bytes: null };
    var keys = Array.from(r.banks.keys());
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
        var names = strings(keys.map(function (k) { return encoder.encode(k); }));
        var slotBanks = strings(r.slots.map(function (s) { return s ? encoder.encode(s.bank) : null; }));
        var slotNames = strings(r.slots.map(function (s) { return s && s.name ? s.name : null; }));
        var bankName = r.bankName ? strings([r.bankName]) : 0;
        var answer = answerAt(module._vornak_compose(keys.length, names, r.slots.length, slotBanks, numbers, slotNames,
          r.format.charCodeAt(0), r.hint, r.group, bankName ? module.HEAPU32[bankName >> 2] : 0));
        var at = module._vornak_bytes();
        answer.bytes = answer.exitCode === 0 ? module.HEAPU8.slice(at, at + answer.size) : null;
        delete answer.size;
        return answer;
      });
    });
    delete result.stdout;
    delete result.stdoutBytes;
    delete result.files;
    return result;
  }

  // A bank written in another format by the tool's own run (so the bytes
  // are exactly the tool's), with what describe says the file keeps of it
  // and notes about the input. A file that does not load answers the
  // tool's exit code and message and describe's explanation, and no bytes.
  function convert(bytes, options) {
    var o = vornakConvertOptions(options);
    var all = formats();
    var format = all.filter(function (f) { return f.letter === o.to.toUpperCase(); })[0];
    if (!format) {
      vornakRefuse('to must be the switch letter of an output format (' +
        all.map(function (f) { return f.letter; }).join(', ') + '), not ' + vornakShow(o.to));
    }
    // Only the options that the format takes reach the tool and describe.
    var output = 'output' + format.extension;
    var asked = { model: o.model, parameters: false, conversions: format.letter };
    var args = ['/' + format.letter + output];
    if (format.range) {
      asked.first = o.first;
      asked.last = o.last;
      if (o.first !== undefined || o.last !== undefined) {
        args.push('/P' + (o.first === undefined ? '' : o.first) + (o.last === undefined ? '' : '-' + o.last));
      }
    }
    if (format.group && o.group) {
      asked.group = o.group;
      args.push('/G' + o.group);
    }
    if (o.model) args.push('/' + o.model);
    args.push('input');
    var input = vornakBytesOf('bytes', bytes);
    var described = describe('input', input, asked);
    if (described.exitCode !== 0) {
      return { exitCode: described.exitCode, message: described.message, explanation: described.explanation, bytes: null };
    }
    var ran = run(args, new Map([['input', input]]));
    var written = ran.files[output];
    if (ran.exitCode !== 0 || !written) {
      return { exitCode: ran.exitCode || 1, message: '',
        explanation: 'The converted file could not be made: there is not enough memory for it.', bytes: null };
    }
    return {
      exitCode: 0,
      message: '',
      explanation: '',
      bytes: written,
      fileName: o.name.replace(/([^/])\.[^./]*$/, '$1') + format.extension,
      keeps: described.conversions.filter(function (c) { return c.letter === format.letter; })[0],
      notes: described.notes,
    };
  }

  // Lets go of the engine's memory; any later call throws.
  function dispose() {
    stopped = new Error('vornak: the engine was disposed');
    module = FS = null;
  }

  return { run: run, describe: describe, formats: formats, compose: compose, convert: convert, dispose: dispose };
}

// A compose request checked and put into the engine's terms: the banks as
// input files, each slot { bank, program, name } with its name as bytes by
// the rule for text, or null. A name that no byte string stands for is a
// refusal in words, as the engine's own refusals are.
function vornakComposeRequest(request) {
  var o = vornakOptionsObject('the request of compose', request);
  var banks = new Map(vornakInputFiles(o.banks).map(function (f) { return [f.name, f.bytes]; }));
  if (!Array.isArray(o.programs)) vornakRefuse('programs must be an array of slots, not ' + vornakShow(o.programs));
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
  var slots = o.programs.map(function (slot, i) {
    if (slot === null || slot === undefined) return null;
    var s = vornakOptionsObject('a slot', slot);
    return {
      bank: vornakCheckText('the bank of a slot', s.bank),
      program: vornakWholeNumber('the program of a slot', s.program),
      name: s.name === undefined || s.name === null ? null : nameBytes('the name of slot ' + i, s.name),
    };
  });
  var format = o.format === undefined ? 'S' : o.format;
  if (typeof format !== 'string' || format.length !== 1) vornakRefuse('format must be an output switch letter, not ' + vornakShow(format));
  var bankName = o.bankName === undefined || o.bankName === null ? null : nameBytes('the bank name', o.bankName);
  return { banks: banks, slots: slots, format: format, hint: vornakModelHint(o), group: vornakGroup(o), bankName: bankName, refusal: refusal };
}

// The options of convert, checked as far as they can be without the engine
// (which knows the output formats): `to` a one-letter string, `first` and
// `last` program numbers with first <= last, `group` 'A' or 'B', `model` the
// /2.x hint, `name` the input's file name ("bank" when left out). Answers
// them as plain values that convert takes again: a model as '2.2' or '2.3',
// and undefined for whatever was left out.
function vornakConvertOptions(options) {
  var o = vornakOptionsObject('the options of convert', options);
  if (typeof o.to !== 'string' || o.to.length !== 1) {
    vornakRefuse('to must be the switch letter of an output format, not ' + vornakShow(o.to));
  }
  var first = vornakProgramNumber('first', o.first, undefined);
  var last = vornakProgramNumber('last', o.last, undefined);
  if (first !== undefined && last !== undefined && first > last) {
    vornakRefuse('first must not be above last, not ' + first + ' and ' + last);
  }
  var hint = vornakModelHint(o);
  var group = vornakGroup(o);
  var name = o.name === undefined || o.name === null ? 'bank' : vornakCheckText('name', o.name);
  if (name === '') vornakRefuse('name must be a file name, not ""');
  return {
    to: o.to,
    first: first,
    last: last,
    group: o.group === undefined || o.group === null ? undefined : 'AB'.charAt(group),
    model: hint < 0 ? undefined : '2.' + hint,
    name: name,
  };
}

// ---- The worker's side of createVornakWorker --------------------------------
// One engine, made by the first request; requests are answered in order:
//   { id, call: 'start', options }                    -> { id, result: null }
//   { id, call: 'run', args, files }                  -> { id, result }
//   { id, call: 'describe', name, bytes, options }    -> { id, result }
//   { id, call: 'formats' }                           -> { id, result }
//   { id, call: 'compose', request }                  -> { id, result }
//   { id, call: 'convert', bytes, options }           -> { id, result }
// or { id, error: { name, message } }. The bytes of an answer are transferred.
// `port` is the worker's global scope, or node's parentPort.
function vornakServe(port) {
  var engine = null;
  function answer(id, settle) {
    try {
      var result = settle();
      var transfer = [];
      if (result && result.stdoutBytes) {
        transfer.push(result.stdoutBytes.buffer);
        Object.keys(result.files).forEach(function (name) { transfer.push(result.files[name].buffer); });
      }
      if (result && result.bytes instanceof Uint8Array) transfer.push(result.bytes.buffer);
      port.postMessage({ id: id, result: result }, transfer);
    } catch (error) {
      port.postMessage({ id: id, error: vornakErrorData(error) });
    }
  }
  function handle(request) {
    if (request.call === 'start') {
      createVornak(request.options).then(
        function (made) { engine = made; answer(request.id, function () { return null; }); },
        function (error) { answer(request.id, function () { throw error; }); });
    } else if (request.call === 'run') {
      answer(request.id, function () { return engine.run(request.args, request.files); });
    } else if (request.call === 'formats') {
      answer(request.id, function () { return engine.formats(); });
    } else if (request.call === 'compose') {
      answer(request.id, function () { return engine.compose(request.request); });
    } else if (request.call === 'convert') {
      answer(request.id, function () { return engine.convert(request.bytes, request.options); });
    } else {
      answer(request.id, function () { return engine.describe(request.name, request.bytes, request.options); });
    }
  }
  if (typeof port.on === 'function') port.on('message', handle);
  else port.addEventListener('message', function (event) { handle(event.data); });
}

function vornakErrorData(error) {
  return {
    name: error && (error.name === 'TypeError' || error.name === 'RangeError') ? error.name : 'Error',
    message: String(error && error.message ? error.message : error),
  };
}

// What web/vornak.mjs takes from this script.
var vornakExports = {
  createVornak: createVornak,
  serve: vornakServe,
  bytesToText: vornakBytesToText,
  textToBytes: vornakTextToBytes,
  runRequest: function (args, files) {
    return { args: vornakArguments(args), files: vornakInputFiles(files) };
  },
  describeRequest: function (name, bytes, options) {
    vornakDescribeRequest(options);
    var file = vornakInputFiles(new Map([[name, bytes]]))[0];
    return { name: file.name, bytes: file.bytes, options: options };
  },
  composeRequest: function (request) {
    vornakComposeRequest(request);
    return request;
  },
  convertRequest: function (bytes, options) {
    return { bytes: vornakBytesOf('bytes', bytes), options: vornakConvertOptions(options) };
  },
  inputLimit: vornakInputLimit,
};
